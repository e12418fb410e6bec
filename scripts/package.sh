#!/usr/bin/env bash
# Builds the Debian package halvora-backup_<version>_amd64.deb from a release
# build without tests and benchmarks, and prints its path. Without arguments
# it packs the sample client; a vendor's client tree, and a revision above 1
# for a release that changes only the launcher, come from the arguments alone
# (CMake options; the build folder's cache is not asked):
#   scripts/package.sh [--build-dir DIR] [-DHALVORA_CLIENT_TREE=/path/to/tree
#       -DHALVORA_CLIENT_BUILD=412] [-DHALVORA_PACKAGE_REVISION=2]
# The package of one commit is the same bytes in every build folder: its
# times are the commit's (SOURCE_DATE_EPOCH, unless the caller sets it) and
# no path of the machine is compiled in.
set -euo pipefail
cd "$(dirname "$0")/.."
# The package's folders and files take their modes from the staging tree,
# which the caller's umask would narrow (under umask 027 every folder would
# be drwxr-x--- and lock every user out of the launcher): folders 0755 and
# files 0644 or 0755, as in Debian's own packages, whoever builds.
umask 022
build=build/package
if [ "${1:-}" = --build-dir ]; then
    [ $# -ge 2 ] || { echo "usage: $0 [--build-dir DIR] [-DOPTION=VALUE...]" >&2; exit 2; }
    build=$2
    shift 2
fi
scripts/setup.sh >&2
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) ||
        { echo "$0: not a git checkout: set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
# Debian's hardening flags, as its own packages are built with; its
# reproducible-build flags (on by default) map this folder to "."; the build
# folder, which may lie inside it, maps to "." too (later maps are tried
# first).
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
map="-ffile-prefix-map=$(realpath -m "$build")=."
# Given on the command line, as every option here: a cache made earlier
# keeps nothing of its own (the environment's flags count only once).
cmake --preset release -B "$build" -DHALVORA_BUILD_TESTS=OFF -DHALVORA_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS $map" -DCMAKE_C_FLAGS="$CFLAGS $CPPFLAGS $map" \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DHALVORA_CLIENT_TREE= -DHALVORA_CLIENT_BUILD= -DHALVORA_PACKAGE_REVISION=1 "$@" >&2
cmake --build "$build" -j"$(nproc)" >&2
deb=$(cd "$build" && cpack -G DEB | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
[ -f "$deb" ] || { echo "$0: cpack named no package" >&2; exit 1; }
echo "$deb"
