#!/usr/bin/env bash
# Builds the Debian package build/package/halvora-backup_<version>_amd64.deb
# from a release build without tests and benchmarks. Extra arguments go to
# CMake, e.g. a vendor's client tree instead of the sample client:
#   scripts/package.sh -DHALVORA_CLIENT_TREE=/path/to/tree -DHALVORA_CLIENT_BUILD=412
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build/package
# Debian's hardening flags, as its own packages are built with.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" CFLAGS="$CFLAGS $CPPFLAGS"
cmake --preset release -B "$build" -DHALVORA_BUILD_TESTS=OFF -DHALVORA_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/halvora-backup_*_amd64.deb
