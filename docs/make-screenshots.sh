#!/usr/bin/env bash
# Makes the pictures of the launcher's progress dialog in the README: each is
# the whole screen in the middle of a real installation of the sample
# package, with the dialog where the window system put it.
#   dialog-enu.png, dialog-deu.png   X11 (Xvfb, 640x360 at 96 dpi) with a window
#                                    manager that draws only the buttons a window
#                                    allows (icewm), in English and in German
#   dialog-enu-scale2.png            the same at 192 dpi (1280x720), which the
#                                    toolkit scales by 2
#   dialog-enu-wayland.png,          Wayland: weston's kiosk shell (pixman
#   dialog-enu-wayland-scale2.png    renderer, in Xvfb), scale 1 and 2
# usage: docs/make-screenshots.sh [build directory]   (default: build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}

scripts/setup.sh --with-tools
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target halvora_stage dialog-screenshot -j2

work=$(mktemp -d /tmp/halvora-screenshots.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A copy of the staged installation with the tool as its launcher, and a
# fresh home; the stand-in client the installation starts is stopped after.
prepare() { # <name>
    cp -a "$build/stage" "$work/root-$1"
    cp "$build/docs/screenshot/dialog-screenshot" "$work/root-$1/bin/"
    mkdir -p "$work/home-$1"
}
stop_client() { # <name>
    HOME="$work/home-$1" "$work/home-$1/.HalvoraBackup/Halvora.app/package/start-stop" stop 2>/dev/null || true
}

shoot_x11() { # <language env> <output> [dpi]
    local dpi=${3:-96} size=640x360
    [ "$dpi" -gt 96 ] && size=1280x720
    prepare "$2"
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY HOME="$work/home-$2" LANG="$1" LC_ALL="$1" LANGUAGE= \
        xvfb-run -a -s "-screen 0 ${size}x24 -dpi $dpi" bash -c '
            icewm 2>/dev/null & wm=$!
            sleep 2  # windows mapped before the manager runs get no frame
            "$1" "$2" 40; rc=$?
            kill $wm; exit $rc' shot "$work/root-$2/bin/dialog-screenshot" "$PWD/docs/$2"
    stop_client "$2"
}

shoot_wayland() { # <language env> <output> <scale>
    prepare "$2"
    mkdir -m 700 "$work/runtime-$2"
    # weston's kiosk shell centres a window of fixed size on the output. It
    # shows a new window only when a seat activates it, and the headless
    # back-end has none: weston runs in a window of an X server of its own
    # instead (no window manager), whose keyboard and pointer are the seat.
    # The X screen is larger than weston's window, so that the pointer, in
    # the middle of the screen, is outside it and no cursor is drawn.
    # --debug offers the screenshooter to weston-screenshooter.
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home-$2" LANG="$1" LC_ALL="$1" LANGUAGE= \
        XDG_RUNTIME_DIR="$work/runtime-$2" \
        xvfb-run -a -s "-screen 0 3000x1600x24" bash -c '
            socket=halvora-shot
            weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so \
                --width=640 --height=360 --scale="$3" --socket=$socket \
                --idle-time=0 --debug >"$4" 2>&1 & weston=$!
            for _ in $(seq 100); do
                [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
                sleep 0.1
            done
            sleep 1 # the shell draws its background
            WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$1" "$2" 40; rc=$?
            kill $weston; wait $weston
            [ $rc = 0 ] || cat "$4" >&2
            exit $rc' shot "$work/root-$2/bin/dialog-screenshot" "$PWD/docs/$2" "$3" \
        "$work/weston-$2.log"
    stop_client "$2"
}

shoot_x11 en_US.UTF-8 dialog-enu.png
shoot_x11 de_DE.UTF-8 dialog-deu.png
shoot_x11 en_US.UTF-8 dialog-enu-scale2.png 192
shoot_wayland en_US.UTF-8 dialog-enu-wayland.png 1
shoot_wayland en_US.UTF-8 dialog-enu-wayland-scale2.png 2
