#!/usr/bin/env bash
# The prefix's default printer: the CUPS PDF queue, which Wine lists itself through the CUPS
# client library of its architecture (setup.sh installs both) when a program first loads the
# spooler; that is done once here, so every copy of the prefix starts with the printer.
# Without CUPS the prefix has no printer (printing tests then say so).
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
"$root/scripts/cups-pdf.sh" >/dev/null 2>&1 || { echo "warning: no CUPS PDF queue" >&2; exit 0; }
wine rundll32 winspool.drv,ClosePrinter >/dev/null 2>&1
wine reg query 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device 2>/dev/null |
  grep -q 'CUPS:' || echo "warning: Wine lists no CUPS printer (is the libcups2 of this architecture installed?)" >&2
exit 0
