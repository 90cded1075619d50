#!/usr/bin/env bash
# Runs one Windows test executable under Wine: its own copy of the run's template prefix,
# its own Xvfb display and Wine server; screenshots it writes as BMP are turned into PNG.
# Usage: wine-run.sh PROGRAM.exe [ARGS...]   (exit code: the program's)
set -u
source "$(dirname "$0")/wine-common.sh"

# Second stage, on the display xvfb-run made: the program with its own persistent wine server.
if [ -n "${LT_WINE_RUN_INNER:-}" ]; then
  wineserver -p
  wine "$@"
  rc=$?
  wineserver -k 2>/dev/null
  exit $rc
fi

exe=$1; shift
build=$(cd "$(dirname "$exe")" && pwd)
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
template=${LT_WINE_TEMPLATE:-$build/wine/template}
lt_make_template "$template" "$build" || exit 1

work=$(mktemp -d "${TMPDIR:-/tmp}/lt-wine.XXXXXX")
cp -a "$template" "$work/prefix"
export WINEPREFIX=$work/prefix
export LT_SCREENSHOT_DIR=${LT_SCREENSHOT_DIR:-$LT_ROOT/screenshots}
export LT_WORK_DIR=$work
mkdir -p "$LT_SCREENSHOT_DIR"

# A random first display number keeps parallel runs from racing for the same one.
LT_WINE_RUN_INNER=1 xvfb-run -a -n $((100 + RANDOM % 20000)) -s "-screen 0 1024x768x24" "$0" "$exe" "$@"
rc=$?

for bmp in "$LT_SCREENSHOT_DIR"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
rm -rf "$work"
exit $rc
