#!/usr/bin/env bash
# Builds the release preset's install benchmark and runs it under the build
# lock, so that nothing else runs meanwhile.
# usage: bench/install-bench.sh [repetitions [format]]
# With a format (say "zst") only the rows whose label contains it are run;
# BENCH_VERBOSE=1 prints every upgrade and its paired bsdtar -xf.
# The packages are cached in build/release/install-bench-work (the xz ones
# take minutes to make); delete that directory to rebuild them.
set -euo pipefail
cd "$(dirname "$0")/.."
reps=${1:-5}
only=${2:-}
command -v bsdtar >/dev/null || { echo "bsdtar missing: scripts/setup.sh --with-tools" >&2; exit 2; }
mkdir -p build/release/install-bench-work
flock /tmp/halvora-build.lock sh -c "cmake --preset release >/dev/null &&
  cmake --build --preset release -j2 --target install_bench &&
  build/release/bench/install_bench build/release/install-bench-work $reps \"$only\""
