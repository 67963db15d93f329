# Runs Orca with its debug log written line by line, so that the log keeps up
# with the keys the test presses (Orca opens it block-buffered).
#   python3 orca_line_buffered.py <orca's own arguments, with --debug-file FILE>
import builtins
import runpy
import sys

_open = builtins.open
_log = sys.argv[sys.argv.index("--debug-file") + 1]


def _line_buffered(file, mode="r", *args, **kwargs):
    if file == _log and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)


builtins.open = _line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
