#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, runs the native unit tests
# (with AddressSanitizer and UBSan), then the win32 unit tests and end-to-end drivers under Wine.
# Fails when any test fails; ends with CTest's summary.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-common.sh

bash scripts/setup.sh || exit 1
jobs=$(nproc)

cmake --preset native >/dev/null || exit 1
cmake --build --preset native -j "$jobs" || exit 1
cmake --preset win32 >/dev/null || exit 1
cmake --build --preset win32 -j "$jobs" || exit 1

# One fresh template prefix for this run; every Wine test works on its own copy of it.
export LT_WINE_TEMPLATE=$PWD/build/win32/wine/template
rm -rf "$LT_WINE_TEMPLATE"
lt_make_template "$LT_WINE_TEMPLATE" "$PWD/build/win32" || { echo "could not make the Wine prefix"; exit 1; }
export LT_SCREENSHOT_DIR=$PWD/screenshots
mkdir -p "$LT_SCREENSHOT_DIR"

status=0
ctest --test-dir build/native --output-on-failure -j "$jobs" || status=1
ctest --test-dir build/win32 --output-on-failure -j "$jobs" || status=1
echo "Screenshots: $LT_SCREENSHOT_DIR"
exit $status
