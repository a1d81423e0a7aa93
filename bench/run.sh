#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them one after another; each
# prints its own figures next to the reference it is measured against.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTIVRA_BENCH=ON -DTIVRA_TESTS=OFF -DTIVRA_GUI=OFF >/dev/null
cmake --build build-bench -j "$(nproc)"
for b in build-bench/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
