#!/usr/bin/env bash
# Makes docs/dialog-enu.png and docs/dialog-deu.png: the launcher's progress
# dialog in the middle of a real installation of the sample package, shown on
# an Xvfb display with a window manager that draws only the buttons a window
# allows (icewm: the dialog gets a title bar with its icon and system menu,
# and no minimise, maximise or close button) and read back from it, once in English and once in German; and
# docs/dialog-enu-scale2.png, the English one on a screen of 192 dpi, which
# the toolkit scales by 2.
# usage: docs/make-screenshots.sh [build directory]   (default: build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}

scripts/setup.sh --with-tools
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target halvora_stage dialog-screenshot -j2

work=$(mktemp -d /tmp/halvora-screenshots.XXXXXX)
trap 'rm -rf "$work"' EXIT

shoot() { # <language env> <output> [dpi]
    local root="$work/root-$2" home="$work/home-$2" dpi=${3:-96}
    local size=640x360
    [ "$dpi" -gt 96 ] && size=1280x720
    cp -a "$build/stage" "$root"
    cp "$build/docs/screenshot/dialog-screenshot" "$root/bin/"
    mkdir -p "$home"
    env -u QT_QPA_PLATFORM HOME="$home" LANG="$1" LC_ALL="$1" LANGUAGE= \
        xvfb-run -a -s "-screen 0 ${size}x24 -dpi $dpi" bash -c '
            icewm 2>/dev/null & wm=$!
            sleep 2  # windows mapped before the manager runs get no frame
            "$1" "$2" 40; rc=$?
            kill $wm; exit $rc' shot "$root/bin/dialog-screenshot" "$PWD/docs/$2"
    # The stand-in client the installation started has done its part.
    HOME="$home" "$home/.HalvoraBackup/Halvora.app/package/start-stop" stop 2>/dev/null || true
}

shoot en_US.UTF-8 dialog-enu.png
shoot de_DE.UTF-8 dialog-deu.png
shoot en_US.UTF-8 dialog-enu-scale2.png 192
