#!/usr/bin/env bash
# The printing tests print through the machine's real print system onto a
# PDF queue. This starts the CUPS scheduler when it is not running and adds
# the queue QuillanPDF (cups-pdf, writing ~/PDF/<job name>*.pdf) when it is
# missing. Run by `make test` with the rights to do so (root or sudo).
set -euo pipefail

queue=QuillanPDF
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! running; then
  $sudo /usr/sbin/cupsd
  for _ in $(seq 1 100); do
    running && break
    sleep 0.1
  done
  running || { echo "print_queue.sh: the CUPS scheduler did not start" >&2; exit 1; }
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  $sudo lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1 \
    | grep -v "Printer drivers are deprecated" || true
  lpstat -p "$queue" >/dev/null || { echo "print_queue.sh: could not add $queue" >&2; exit 1; }
fi
# The cairo renderer keeps the text of the printed pages searchable in the PDF.
$sudo lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
