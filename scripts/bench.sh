#!/usr/bin/env bash
# Builds the benchmarks (optimised, native) and runs them all; extra arguments go to each.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
cmake --preset bench >/dev/null && cmake --build --preset bench -j "$(nproc)" >/dev/null || exit 1
status=0
for b in $(find build/bench/bench -type f -name 'bench_*' -perm -u+x | sort); do
  echo "== $b"
  "$b" "$@" || status=1
done
exit $status
