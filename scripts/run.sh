#!/usr/bin/env bash
# Runs a program under Wine: scripts/run.sh [linetally|yearboard]
# Installs and builds what is missing, keeps a Wine prefix in build/run/prefix and the program
# folder in build/run/<program>/. With $DISPLAY it starts the program there; without one it uses
# a virtual display, shows the program at work and saves a screenshot.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-common.sh

program=${1:-linetally}
case "$program" in
  linetally) exe=Linetally.exe targets=(Linetally linetally_demo) ;;
  yearboard) exe=Yearboard.exe targets=(Yearboard calendar_standin) ;;
  *) echo "usage: scripts/run.sh [linetally|yearboard]" >&2; exit 2 ;;
esac

bash scripts/setup.sh || exit 1
cmake --preset win32 >/dev/null || exit 1
for t in "${targets[@]}"; do
  cmake --build --preset win32 -j "$(nproc)" --target "$t" >/dev/null || { echo "build of $t failed" >&2; exit 1; }
done
build=$PWD/build/win32
lt_make_template "$PWD/build/run/prefix" "$build" || exit 1
export WINEPREFIX=$PWD/build/run/prefix

folder=$PWD/build/run/$program
mkdir -p "$folder"
cp "$build/bin/$exe" "$folder/"
for extra in "$build"/bin/*.hlp; do [ -e "$extra" ] && cp "$extra" "$folder/"; done

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting $exe from $folder"
  exec wine "$folder/$exe"
fi

shot=$PWD/build/run/$program.png
export LT_RUN_FOLDER=$folder LT_RUN_EXE=$exe LT_RUN_SHOT=$shot LT_RUN_PROGRAM=$program
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  if [ "$LT_RUN_PROGRAM" = linetally ]; then
    # The demo starts Linetally and logs a five-second debug session, as a user would.
    wine build/win32/bin/linetally_demo.exe "$(echo "Z:$LT_RUN_FOLDER/$LT_RUN_EXE" | tr / \\\\)"
  else
    wine "$LT_RUN_FOLDER/$LT_RUN_EXE" & sleep 8
  fi
  import -window root "$LT_RUN_SHOT"
  wineserver -k'
echo "Screenshot: $shot"
echo "Program folder: $folder"
