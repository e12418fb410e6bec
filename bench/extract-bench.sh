#!/usr/bin/env bash
# Builds the package-unpacking benchmark in Release and runs it once.
# usage: bench/extract-bench.sh [build-dir] [repetitions]
# The built archives are cached in <build-dir>/extract-bench-work (the xz one
# takes minutes to make); delete that directory to rebuild them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
reps=${2:-3}
command -v bsdtar >/dev/null || { echo "bsdtar missing: apt-get install libarchive-tools" >&2; exit 2; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DHALVORA_BUILD_BENCH=ON \
  -DHALVORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target extract_bench -j2
"$build/bench/extract_bench" "$build/extract-bench-work" "$reps"
