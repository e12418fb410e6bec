#!/usr/bin/env bash
# Checks a built Debian package the way an administrator meets it, as root:
#   1. lintian reports no error; desktop-file-validate passes both entries;
#   2. dpkg -i installs it;
#   3. the installed launcher, run by an unprivileged user with a fresh home
#      on the offscreen platform, installs and starts the client and exits 0;
#   4. dpkg -P removes it and leaves nothing under /opt/Veltrane.
# With the build folder it came from, it first checks that
# `DESTDIR=... cmake --install --strip` gives the same tree.
# The client it started is stopped again, also when a step fails.
# usage: scripts/check-package.sh <halvora-backup_*.deb> [build folder]
set -euo pipefail
deb=$(realpath "$1")
build=${2:-}
root=/opt/Veltrane/Halvora
user=nobody
group=$(id -gn "$user")

work=$(mktemp -d /tmp/halvora-package-check.XXXXXX)
chmod 755 "$work" # the user's home lies inside
home="$work/home"
installed=0
stop_client() {
    local script="$home/.HalvoraBackup/Halvora.app/package/start-stop"
    [ -x "$script" ] && as_user "$script" stop || true
    local pid
    pid=$(sed -n 's/^pid=//p' "$home/.HalvoraBackup/ui.pid" 2>/dev/null || true)
    for _ in $(seq 50); do
        [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
}
cleanup() {
    stop_client
    # A failed check leaves the machine as it found it.
    [ "$installed" -eq 1 ] && dpkg -P halvora-backup >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
as_user() {
    setpriv --reuid="$user" --regid="$group" --clear-groups \
        env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"
}

echo "== lintian"
lintian --fail-on error --info "$deb"

echo "== desktop entries"
dpkg-deb -x "$deb" "$work/content"
desktop-file-validate "$work/content/usr/share/applications/halvora-backup.desktop" \
    "$work/content/etc/xdg/autostart/halvora-backup.desktop"

listing() { # every path with its type, mode and link target
    (cd "$1" && find . -printf '%p %y %m %l\n' | LC_ALL=C sort)
}
if [ -n "$build" ]; then
    echo "== cmake --install into a DESTDIR"
    DESTDIR="$work/destdir" cmake --install "$build" --strip >/dev/null
    diff <(listing "$work/content") <(listing "$work/destdir")
    diff -r --no-dereference "$work/content" "$work/destdir"
fi

echo "== dpkg -i"
installed=1
dpkg -i "$deb"

echo "== first start as $user"
mkdir -p "$home"
chown "$user:$group" "$home"
# The launcher's own descriptors only: none of this script's (a lock held by
# a caller, say) may stay open in the client it leaves running.
rc=0
as_user "$root/bin/halvora-launcher" 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&- || rc=$?
[ "$rc" -eq 0 ] || { echo "the launcher exited with $rc" >&2; exit 1; }
app="$home/.HalvoraBackup/Halvora.app"
[ -x "$app/bin/halvora-backup-ui" ] || { echo "the client was not installed" >&2; exit 1; }
grep -qx "build_version=$(sed -n 's/^build_version=//p' "$root/INFO")" "$app/INFO" ||
    { echo "the installed copy is not the packaged build" >&2; exit 1; }
pid=$(sed -n 's/^pid=//p' "$home/.HalvoraBackup/ui.pid")
kill -0 "$pid" || { echo "the client is not running" >&2; exit 1; }
# A good first start says nothing at the shipped levels.
log="$home/.HalvoraBackup/log/launcher.log"
if grep -q '\[DEBUG\]\|\[INFO\]\|\[ERROR\]' "$log" 2>/dev/null; then
    echo "the shipped log levels let through:" >&2
    cat "$log" >&2
    exit 1
fi
[ "$(stat -c %U "/proc/$pid")" = "$user" ] || { echo "the client runs as another user" >&2; exit 1; }
echo "client $pid runs as $user"
stop_client

echo "== dpkg -P"
dpkg -P halvora-backup
installed=0
if [ -e /opt/Veltrane ]; then
    echo "left behind:" >&2
    find /opt/Veltrane >&2
    exit 1
fi
echo "package check passed"
