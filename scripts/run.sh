#!/usr/bin/env bash
# Runs a program under Wine: scripts/run.sh [--arch win32|win64] [linetally|yearboard]
# Installs and builds what is missing, keeps a Wine prefix per architecture in
# build/run/<arch>/prefix and the program folder in build/run/<program>/ (both builds share
# it, as they share a log on Windows). The 32-bit build runs where the machine runs 32-bit
# code, the 64-bit one elsewhere, unless --arch chooses. With $DISPLAY it starts the program
# there; without one it uses a virtual display, shows the program at work and saves screenshots.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-common.sh

usage() { echo "usage: scripts/run.sh [--arch win32|win64] [linetally|yearboard]" >&2; exit 2; }
arch=""
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) [ $# -ge 2 ] || usage; arch=$2; shift 2 ;;
    --arch=*) arch=${1#--arch=}; shift ;;
    -*) usage ;;
    *) break ;;
  esac
done
program=${1:-linetally}
case "$program" in
  linetally) exe=Linetally.exe targets=(Linetally linetally_demo ras_standin) ;;
  yearboard) exe=Yearboard.exe targets=(Yearboard calendar_standin) ;;
  *) usage ;;
esac

bash scripts/setup.sh || exit 1
why=$(lt_win32_unavailable)
case "$arch" in
  "") if [ -z "$why" ]; then arch=win32; else arch=win64; echo "Running the 64-bit build: $why"; fi ;;
  win32) [ -z "$why" ] || { echo "The 32-bit build cannot run: $why" >&2; exit 1; } ;;
  win64) ;;
  *) usage ;;
esac
cmake --preset "$arch" >/dev/null || exit 1
for t in "${targets[@]}"; do
  cmake --build --preset "$arch" -j "$(nproc)" --target "$t" >/dev/null || { echo "build of $t failed" >&2; exit 1; }
done
build=$PWD/build/$arch
lt_use_arch "$arch"
lt_make_template "$PWD/build/run/$arch/prefix" "$build" || { echo "could not make the Wine prefix" >&2; exit 1; }
export WINEPREFIX=$PWD/build/run/$arch/prefix

folder=$PWD/build/run/$program
mkdir -p "$folder"
cp "$build/bin/$exe" "$folder/"
for extra in "$build"/bin/*.hlp; do [ -e "$extra" ] && cp "$extra" "$folder/"; done

# Linetally in this prefix (never the user's own registry): a sample telecom service on the
# first run, and the remote-access stand-in listing the connections of build/run/linetally/dial.txt.
dial=$folder/dial.txt
if [ "$program" = linetally ]; then
  wineserver -p
  wine reg query 'HKCU\Software\Corvane\Linetally' >/dev/null 2>&1 ||
    wine regedit /S "$(winepath -w scripts/linetally-sample.reg)" >/dev/null 2>&1
  wine reg add 'HKCU\Software\RasStandin' /v ScriptFile /d "$(winepath -w "$dial")" /f >/dev/null 2>&1
  wineserver -k
fi

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting $exe from $folder"
  if [ "$program" = linetally ]; then
    : >"$dial"
    echo "To dial, list a connection:  echo '0 0x1001 0x2000 Office link' > $dial"
    echo "and to hang up:              echo '0 none' > $dial   (format: tools/ras-standin/ras_script.h)"
  fi
  exec wine "$folder/$exe"
fi

export LT_RUN_FOLDER=$folder LT_RUN_EXE=$exe LT_RUN_PROGRAM=$program LT_SCREENSHOT_DIR=$PWD/build/run LT_RUN_BUILD=$build
rm -f "$LT_SCREENSHOT_DIR/$program"*.png
xvfb-run -a -n $((100 + RANDOM % 20000)) -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  if [ "$LT_RUN_PROGRAM" = linetally ]; then
    # Dials a named connection through the stand-in and screenshots it on line and logged.
    wine "$LT_RUN_BUILD/bin/linetally_demo.exe" "$(winepath -w "$LT_RUN_FOLDER/$LT_RUN_EXE")" \
      "$(winepath -w "$LT_RUN_FOLDER/dial.txt")"
  else
    wine "$LT_RUN_FOLDER/$LT_RUN_EXE" & sleep 8
    import -window root "$LT_SCREENSHOT_DIR/$LT_RUN_PROGRAM.png"
  fi
  rc=$?
  wineserver -k
  exit $rc'
rc=$?
for bmp in "$LT_SCREENSHOT_DIR"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
for shot in "$LT_SCREENSHOT_DIR/$program"*.png; do [ -e "$shot" ] && echo "Screenshot: $shot"; done
echo "Program folder: $folder"
exit $rc
