#!/usr/bin/env bash
# Builds the launcher and runs the whole test suite with ctest.
# usage: scripts/test.sh [debug|release|asan]   (default: debug)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
preset=${1:-debug}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
