#!/usr/bin/env bash
# Checks a built Debian package the way an administrator meets it, as root:
#   0. with --same-as, a second build of the same commit is the same bytes;
#   1. lintian reports no error; desktop-file-validate passes both entries;
#      Depends names each package once; the version is the packed client's
#      <major>.<minor>.<build>-<revision>, and the changelog's newest entry
#      names it, dated when the package's files are (the commit);
#   2. scripts/publish-repo.sh publishes it as a signed apt repository (a
#      throwaway key) under the vendor's own suite; with its keyring and
#      stanza in place apt refuses an altered InRelease; publishing again
#      without the key, a package of that version with other content, and
#      two packages of one file name are refused and change nothing; an
#      update of that source alone keeps Debian's lists: the whole dependency
#      tree still resolves;
#   3. apt-get install halvora-backup installs it, signatures checked, and
#      journalctl's catalog index then explains every MESSAGE_ID it sends;
#   4. the installed launcher, run by an unprivileged user with a fresh home
#      on the offscreen platform, installs and starts the client, exits 0 and
#      logs nothing at the shipped levels; raised in /etc/opt, they trace;
#   5. apt-get remove leaves the autostart entry, whose TryExec is gone;
#      apt-get purge leaves nothing under /opt/Veltrane or /etc/opt/Veltrane.
# With the build folder it came from, it first checks that
# `DESTDIR=... cmake --install --strip` gives the same tree.
# The client it started is stopped again, and the repository's keyring,
# stanza and lists removed, also when a step fails.
# usage: scripts/check-package.sh <halvora-backup_*.deb> [build folder] [--same-as <other .deb>]
set -euo pipefail
same_as=''
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --same-as) same_as=$2; shift 2 ;;
    *) args+=("$1"); shift ;;
    esac
done
deb=$(realpath "${args[0]}")
build=${args[1]:-}
root=/opt/Veltrane/Halvora
levels=/etc/opt/Veltrane/Halvora/launcher.debug
autostart=/etc/xdg/autostart/halvora-backup.desktop
keyring=/etc/apt/keyrings/halvora-archive-keyring.gpg
sources=/etc/apt/sources.list.d/halvora.sources
user=nobody
group=$(id -gn "$user")
export DEBIAN_FRONTEND=noninteractive
for f in "$keyring" "$sources"; do
    [ ! -e "$f" ] || { echo "$f exists already: this check would replace it and then remove it" >&2; exit 1; }
done

work=$(mktemp -d /tmp/halvora-package-check.XXXXXX)
chmod 755 "$work" # the user's home and the repository (read by apt's _apt) lie inside
home="$work/home"
repo="$work/repo"
# The update of our source alone: Debian's lists stay as they are.
apt_ours=(-o Dir::Etc::sourcelist="$sources" -o Dir::Etc::sourceparts=- -o APT::Get::List-Cleanup=0)
apt_dpkg=(-o Dpkg::Use-Pty=0) # dpkg without a terminal: no per-cent progress in the log
installed=0
configured=0
unconfigure() {
    rm -f "$keyring" "$sources" /var/lib/apt/lists/"$(printf %s "$repo" | tr / _)"_*
    configured=0
}
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
    [ "$configured" -eq 1 ] && unconfigure
    # The agent gpg started for the home without keys would outlive it.
    [ ! -d "$work/gnupg" ] || GNUPGHOME="$work/gnupg" gpgconf --kill gpg-agent 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
as_user() {
    setpriv --reuid="$user" --regid="$group" --clear-groups \
        env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"
}

if [ -n "$same_as" ]; then
    echo "== the same bytes as $same_as"
    if ! cmp "$deb" "$same_as"; then
        ls -l "$deb" "$same_as" >&2
        diff <(ar tv "$deb") <(ar tv "$same_as") >&2 || true
        diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$same_as") >&2 || true
        exit 1
    fi
    echo "$(stat -c %s "$deb") bytes, byte for byte the same"
fi

echo "== lintian"
lintian --fail-on error --info "$deb"

echo "== desktop entries"
dpkg-deb -x "$deb" "$work/content"
entries=("$work/content/usr/share/applications/halvora-backup.desktop" "$work/content$autostart")
desktop-file-validate "${entries[@]}"
for entry in "${entries[@]}"; do
    grep -qx "TryExec=$root/bin/halvora-launcher" "$entry" ||
        { echo "$entry: no TryExec of the launcher" >&2; exit 1; }
done

echo "== version and changelog"
version=$(dpkg-deb -f "$deb" Version)
info() { dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ".$root/INFO" | sed -n "s/^$1=//p"; }
client="$(info major_version).$(info minor_version).$(info build_version)"
[[ "$version" =~ ^"$client"-[1-9][0-9]*$ ]] ||
    { echo "version $version is not the packed client's $client with a revision" >&2; exit 1; }
zcat "$work/content/usr/share/doc/halvora-backup/changelog.Debian.gz" >"$work/changelog"
newest=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
dated=$(date -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%s)
stamp=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk 'NR == 1 { print $4 " " $5 }')
[ "$newest" = "$version" ] && [ "$dated" -eq "$(date -ud "$stamp" +%s)" ] ||
    { echo "the changelog's newest entry is $newest of $(date -ud @"$dated"), the package $version of $stamp" >&2; exit 1; }
echo "$version, dated $(date -ud @"$dated" '+%F %T UTC')"

echo "== Depends"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends"
# A package named twice is redundant, or an alternative to one that is
# required anyway (and may conflict with it).
twice=$(tr ',|' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//' | sort | uniq -d)
[ -z "$twice" ] || { echo "named more than once: $twice" >&2; exit 1; }

listing() { # every path with its type, mode and link target
    (cd "$1" && find . -printf '%p %y %m %l\n' | LC_ALL=C sort)
}
if [ -n "$build" ]; then
    echo "== cmake --install into a DESTDIR"
    DESTDIR="$work/destdir" cmake --install "$build" --strip >/dev/null
    diff <(listing "$work/content") <(listing "$work/destdir")
    diff -r --no-dereference "$work/content" "$work/destdir"
fi

echo "== signed repository"
publish="$(dirname "$0")/publish-repo.sh"
"$publish" "$repo" "$deb"
configured=1
install -D -m 644 "$repo/halvora-archive-keyring.gpg" "$keyring"
install -D -m 644 "$repo/halvora.sources" "$sources"
suite=$(sed -n 's/^Suites: //p' "$sources")
case "$suite" in
stable | oldstable | testing | unstable | sid | experimental | *-updates | *-security | *-backports | bookworm*)
    echo "the repository's suite is one of Debian's: $suite" >&2; exit 1 ;;
esac
inrelease="$repo/dists/$suite/InRelease"
for field in Suite Codename; do
    grep -qx "$field: $suite" "$inrelease" || { echo "InRelease has no $field: $suite" >&2; exit 1; }
done
cp "$inrelease" "$work/InRelease"
sed -i 's/^Label: .*/&, altered/' "$inrelease"
if apt-get update -q "${apt_ours[@]}" >"$work/altered.log" 2>&1 || ! grep -q BADSIG "$work/altered.log"; then
    echo "apt did not refuse an altered InRelease:" >&2
    cat "$work/altered.log" >&2
    exit 1
fi
echo "apt refuses an altered InRelease: $(grep -o 'BADSIG [0-9A-F]*' "$work/altered.log" | head -1)"
cp "$work/InRelease" "$inrelease"

refused() { # <what> <expected line> <publish-repo.sh arguments...>
    local what=$1 line=$2 before
    shift 2
    before=$(cd "$repo" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
    if "$publish" "$repo" "$@" >"$work/refused.log" 2>&1 || ! grep -q -- "$line" "$work/refused.log"; then
        echo "$what was not refused with '$line':" >&2
        cat "$work/refused.log" >&2
        exit 1
    fi
    [ "$(cd "$repo" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)" = "$before" ] ||
        { echo "$what was refused, but the repository changed" >&2; exit 1; }
    echo "refused, nothing changed: $(tail -1 "$work/refused.log")"
}
echo "== publishing again without --key (the throwaway key is gone)"
mkdir -m 700 "$work/gnupg"
(export GNUPGHOME="$work/gnupg"; refused "a key not at hand" "whose secret key is not in" "$deb")
echo "== the same version with other content, two packages of one file name"
other="$work/other"
mkdir "$other"
dpkg-deb -R "$deb" "$other/tree"
echo "rebuilt" >>"$other/tree/usr/share/doc/halvora-backup/copyright"
mkdir "$other/a" "$other/b"
dpkg-deb --root-owner-group -Znone -b "$other/tree" "$other/a/halvora-backup-rebuilt.deb" >/dev/null
cp "$deb" "$other/b/$(basename "$deb")"
cp "$other/a/halvora-backup-rebuilt.deb" "$other/a/$(basename "$deb")"
refused "a version with other content" "with other content" "$other/a/halvora-backup-rebuilt.deb"
refused "two packages of one file name" "two packages named" "$other/b/$(basename "$deb")" "$other/a/$(basename "$deb")"
rm -rf "$other"

echo "== apt-get update of the repository alone (clients still update)"
apt-get update "${apt_ours[@]}"
# From an empty system: every dependency must come from Debian's lists.
apt-get install -s --no-install-recommends -o Dir::State::status=/dev/null halvora-backup \
    >"$work/resolve.log" 2>&1 || { cat "$work/resolve.log" >&2; exit 1; }
echo "an empty system would install $(grep -c '^Inst ' "$work/resolve.log") packages, among them:"
grep '^Inst halvora-backup ' "$work/resolve.log"

echo "== apt-get install"
installed=1
apt-get install -y "${apt_dpkg[@]}" halvora-backup
apt-cache policy halvora-backup

echo "== the journal catalog"
# systemd's trigger on /usr/lib/systemd/catalog compiles it into the index
# that journalctl -x reads.
"$(dirname "$0")/check-catalog.sh" --installed

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

echo "== second start, the launcher's log level raised in $levels"
sed -i 's/^launcher_debug=.*/launcher_debug=7/' "$levels"
as_user "$root/bin/halvora-launcher" 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&- >/dev/null ||
    { echo "the second start failed" >&2; exit 1; }
grep -q '\[DEBUG\]' "$log" || { echo "the launcher did not read $levels" >&2; exit 1; }
stop_client

echo "== apt-get remove"
apt-get remove -y "${apt_dpkg[@]}" halvora-backup
# The entry is a conffile, kept until the purge: logins skip it by its TryExec.
[ -f "$autostart" ] || { echo "apt-get remove took the conffile $autostart" >&2; exit 1; }
tryexec=$(sed -n 's/^TryExec=//p' "$autostart")
[ -n "$tryexec" ] && [ ! -e "$tryexec" ] ||
    { echo "after the removal $autostart still names a launcher that is there" >&2; exit 1; }

echo "== apt-get purge"
apt-get purge -y "${apt_dpkg[@]}" halvora-backup
installed=0
unconfigure
for dir in /opt/Veltrane /etc/opt/Veltrane; do
    if [ -e "$dir" ]; then
        echo "left behind:" >&2
        find "$dir" >&2
        exit 1
    fi
done
echo "package check passed"
