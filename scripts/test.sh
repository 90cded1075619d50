#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native preset, the fuzz targets and both
# Windows builds, runs the native unit tests (with AddressSanitizer and UBSan), each fuzz target
# for a few seconds (libFuzzer, under the same sanitizers), then the unit tests and
# end-to-end drivers of each Windows build this machine can run under Wine: the 64-bit build
# everywhere, the 32-bit one where the machine runs 32-bit code (elsewhere it is built only).
# Says at the top and at the end which architectures were tested; fails when any test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-common.sh

bash scripts/setup.sh || exit 1
tested=(win64)
skipped=""
why=$(lt_win32_unavailable)
if [ -z "$why" ]; then tested+=(win32); else skipped="win32 (built, not run: $why)"; fi
architectures() { echo "Architectures tested under Wine: ${tested[*]}${skipped:+; skipped: $skipped}"; }
architectures

jobs=$(nproc)
for preset in native fuzz win64 win32; do
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done

export LT_SCREENSHOT_DIR=$PWD/screenshots
mkdir -p "$LT_SCREENSHOT_DIR"
# Both builds run here: the 64-bit drivers also hand a log from the 32-bit program to theirs.
[ ${#tested[@]} -eq 2 ] && export LT_BOTH_ARCHITECTURES=1

status=0 passed=0 failed=0
# Runs one build's tests and adds CTest's counts to the run's.
run_tests() {
  local dir=$1 log summary
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$summary" ]; then status=1; return; fi
  read -r _ _ _ bad _ _ _ _ all <<<"$summary"
  failed=$((failed + bad)) passed=$((passed + all - bad))
}

run_tests build/native
run_tests build/fuzz
for arch in "${tested[@]}"; do
  # One fresh template prefix per build; every Wine test works on its own copy of it.
  export LT_WINE_TEMPLATE=$PWD/build/$arch/wine/template
  rm -rf "$LT_WINE_TEMPLATE"
  if lt_make_template "$LT_WINE_TEMPLATE" "$PWD/build/$arch"; then
    run_tests "build/$arch"
  else
    echo "could not make the $arch Wine prefix"
    status=1
  fi
done

echo "Screenshots: $LT_SCREENSHOT_DIR"
architectures
echo "Tests: $passed passed, $failed failed"
exit $status
