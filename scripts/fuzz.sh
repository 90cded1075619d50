#!/usr/bin/env bash
# Runs one libFuzzer target of the fuzz build for SECONDS, from its seeds and regression inputs
# (tests/fuzz/corpus/TARGET), what earlier runs found (the build's corpus/TARGET) and the seeds
# the build made (the build's seeds/TARGET), with its dictionary (tests/fuzz/TARGET.dict) when
# it has one. A crash, a sanitizer report or a broken property fails it; the input is left in
# the build's artifacts/. CTest runs each target this way for a few seconds; longer runs by
# hand, for example: nice -n 19 scripts/fuzz.sh fuzz_calendar_file 600
# Usage: fuzz.sh TARGET SECONDS [BUILD_DIR]   (BUILD_DIR: build/fuzz)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
target=$1 seconds=$2 build=${3:-$root/build/fuzz}
bin=$build/tests/fuzz
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$bin/artifacts/$target-")
[ -f "$root/tests/fuzz/$target.dict" ] && options+=(-dict="$root/tests/fuzz/$target.dict")
corpora=("$bin/corpus/$target" "$root/tests/fuzz/corpus/$target")
[ -d "$bin/seeds/$target" ] && corpora+=("$bin/seeds/$target")
mkdir -p "$bin/corpus/$target" "$bin/artifacts"
exec "$bin/$target" "${options[@]}" "${corpora[@]}"
