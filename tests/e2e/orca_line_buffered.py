# Runs Orca for the screen-reader test:
#   python3 orca_line_buffered.py <orca's own arguments, with --debug-file FILE>
# - its debug log is written line by line, so that the log keeps up with the
#   keys the test presses (Orca opens it block-buffered);
# - it does not look for other Orcas of the same user: this one has a
#   session bus and a display of its own, and a developer's own screen
#   reader must neither stop it nor be stopped by it.
import builtins
import runpy
import subprocess
import sys

_open = builtins.open
_log = sys.argv[sys.argv.index("--debug-file") + 1]


def _line_buffered(file, mode="r", *args, **kwargs):
    if file == _log and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)


_Popen = subprocess.Popen


def _no_other_orcas(args, *rest, **kwargs):
    if isinstance(args, str) and args.startswith("pgrep ") and args.endswith(" -x orca"):
        args = "true"
    return _Popen(args, *rest, **kwargs)


builtins.open = _line_buffered
subprocess.Popen = _no_other_orcas
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
