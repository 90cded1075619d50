#!/usr/bin/env bash
# Runs one Windows test executable under Wine: the Wine of its build's architecture, its own
# copy of the run's template prefix, its own Xvfb display and Wine server; screenshots it
# writes as BMP are turned into PNG.
# Usage: wine-run.sh PROGRAM.exe [ARGS...]   (exit code: the program's)
# A program may ask to be killed and started again in the same prefix (exit code 75, below).
set -u
source "$(dirname "$0")/wine-common.sh"

# Second stage, on the display xvfb-run made: the program with its own persistent wine server.
# A program that exits with 75 asks for a crash: the Wine server is killed with every program
# still running in the prefix, then the program runs again, with LT_WINE_RESTARTED=1.
if [ -n "${LT_WINE_RUN_INNER:-}" ]; then
  wineserver -p
  wine "$@"
  rc=$?
  if [ $rc -eq 75 ]; then
    wineserver -k 2>/dev/null
    wineserver -w
    wineserver -p
    LT_WINE_RESTARTED=1 wine "$@"
    rc=$?
  fi
  wineserver -k 2>/dev/null
  exit $rc
fi

exe=$1; shift
build=$(cd "$(dirname "$exe")" && pwd)
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
lt_use_arch "$(lt_build_arch "$build")"
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
