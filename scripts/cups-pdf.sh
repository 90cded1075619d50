#!/usr/bin/env bash
# Makes sure a CUPS PDF printer is the default queue: starts cupsd when it does not run and
# adds the queue once. Safe to run again and again. Prints the folder the PDFs land in.
set -euo pipefail

queue=${LT_PDF_QUEUE:-LinetallyPDF}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $sudo cupsd
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  lpstat -r | grep -q "is running" || { echo "cupsd did not start" >&2; exit 1; }
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  $sudo lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
fi
[ "$(lpstat -d 2>/dev/null)" = "system default destination: $queue" ] || $sudo lpadmin -d "$queue"

# cups-pdf writes to ~/PDF of the user who printed.
echo "$HOME/PDF"
