#!/usr/bin/env bash
# The prefix's default printer: a CUPS PDF queue, reached from Wine's PostScript driver
# through a pipe to lp. Without the helper built, the prefix gets no printer (printing tests
# then say so).
set -u
queue=LinetallyPDF
helper=$LT_BUILD_DIR/bin/lt_add_pdf_printer.exe
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

"$root/scripts/cups-pdf.sh" >/dev/null 2>&1 || { echo "warning: no CUPS PDF queue" >&2; exit 0; }
if [ ! -f "$helper" ]; then
  echo "warning: $helper not built; the test prefix has no printer" >&2
  exit 0
fi
wine "$helper" "$queue" "|lp -d $queue" 'Z:\usr\share\ppd\cups-pdf\CUPS-PDF_opt.ppd'
