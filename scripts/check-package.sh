#!/usr/bin/env bash
# Checks a built Debian package the way an administrator meets it, as root:
#   0. with --same-as, a second build of the same commit is the same bytes;
#      with --rebuild-in DIR, package.sh run in DIR under umask 027 packs a
#      vendor's tree when given one and then, without arguments, the sample
#      again, to the same bytes; the package's folders are 0755 and its
#      files 0644 or 0755;
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
#      tree still resolves; a publish stopped before any one of its commands
#      leaves a repository a client updates from, as does one killed there,
#      after which the next run publishes; nothing of a throwaway key
#      outlives a kill; a second publish waits for the first; an expired
#      key is refused, one that expires soon named; runs without --uri keep
#      the stanza's URI;
#   3. apt-get install halvora-backup installs it, signatures checked;
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
#            [--rebuild-in <another build folder>]
set -euo pipefail
same_as='' rebuild_in=''
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --same-as) same_as=$2; shift 2 ;;
    --rebuild-in) rebuild_in=$(realpath -m "$2"); shift 2 ;;
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
    for home in "$work/gnupg" "$work/loop/keys"; do
        [ ! -d "$home" ] || GNUPGHOME="$home" gpgconf --kill gpg-agent 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
as_user() {
    setpriv --reuid="$user" --regid="$group" --clear-groups \
        env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"
}

same_bytes() { # <other .deb>
    echo "== the same bytes as $1"
    if ! cmp "$deb" "$1"; then
        ls -l "$deb" "$1" >&2
        diff <(ar tv "$deb") <(ar tv "$1") >&2 || true
        diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$1") >&2 || true
        exit 1
    fi
    echo "$(stat -c %s "$deb") bytes, byte for byte the same: sha256 $(sha256sum <"$deb" | cut -d' ' -f1)"
}
[ -z "$same_as" ] || same_bytes "$same_as"
info() { # <.deb> <field of the packed client's INFO>
    dpkg-deb --fsys-tarfile "$1" | tar -xOf - ".$root/INFO" | sed -n "s/^$2=//p"
}
if [ -n "$rebuild_in" ]; then
    echo "== in $rebuild_in under umask 027: a vendor's client, then without arguments the sample's"
    vendor="$work/vendor"
    mkdir -p "$vendor/bin" "$vendor/package"
    install -m 755 /bin/true "$vendor/bin/halvora-backup-ui"
    install -m 755 "$(dirname "$0")/../sample/start-stop" "$vendor/package/start-stop"
    printf '[Version]\nmajor_version=5\nminor_version=2\nbuild_version=102\nicon_overlay_version=1\n' >"$vendor/INFO"
    package=("$(dirname "$0")/package.sh" --build-dir "$rebuild_in")
    theirs=$(umask 027 && "${package[@]}" -DHALVORA_CLIENT_TREE="$vendor" -DHALVORA_CLIENT_BUILD=102 2>"$work/rebuild.log") ||
        { cat "$work/rebuild.log" >&2; exit 1; }
    [ "$(dpkg-deb -f "$theirs" Version)" = 5.2.102-1 ] && [ "$(info "$theirs" build_version)" = 102 ] ||
        { echo "$theirs is not the vendor's client 5.2 build 102" >&2; exit 1; }
    ours=$(umask 027 && "${package[@]}" 2>"$work/rebuild.log") || { cat "$work/rebuild.log" >&2; exit 1; }
    same_bytes "$ours"
fi

echo "== lintian"
lintian --fail-on error --info "$deb"

echo "== modes"
# Folders 0755, files 0644 or 0755, as in Debian's own packages, whoever
# built it: a folder a umask narrowed would lock every user out.
odd=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv | awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x|lrwxrwxrwx)$/')
[ -z "$odd" ] || { echo "modes other than 0755 folders and 0644 or 0755 files:" >&2; echo "$odd" >&2; exit 1; }

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
client="$(info "$deb" major_version).$(info "$deb" minor_version).$(info "$deb" build_version)"
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

echo "== publishing killed, or stopped while a client updates, at every command"
# A repository of tiny packages beside the real one, signed by a test key
# that expires in three days, with an apt client of its own (its lists,
# cache and stanza under $loop: the system's lists stay untouched).
loop="$work/loop"
mkdir -p "$loop/tmp" "$loop/client/lists/partial" "$loop/client/cache/archives/partial"
mkdir -m 700 "$loop/keys"
for v in 1 2 3; do
    mkdir -p "$loop/probe-$v/DEBIAN"
    printf 'Package: halvora-probe\nVersion: %s\nArchitecture: all\nMaintainer: Veltrane <support@veltrane.example>\nDescription: probe\n' \
        "$v" >"$loop/probe-$v/DEBIAN/control"
    dpkg-deb --root-owner-group -b "$loop/probe-$v" "$loop/probe_$v.deb" >/dev/null
done
keys() { GNUPGHOME="$loop/keys" gpg --batch --quiet --passphrase '' "$@"; }
keys --quick-gen-key "Halvora test archive key" ed25519 sign 3d
keys --faked-system-time 20200101T000000 --quick-gen-key "Halvora expired test key" ed25519 sign 1d 2>/dev/null
test_fpr=$(keys --with-colons --list-keys "Halvora test archive key" | awk -F: '$1 == "fpr" { print $10; exit }')
# Counts the commands of the script's own shell (not its subshells) and
# sends it $HALVORA_SIGNAL just before the $HALVORA_AT-th; the count so far
# is in $HALVORA_COUNT.
cat >"$loop/at.bash" <<'END'
set -T
halvora_n=0
trap '[ "$BASHPID" != "$$" ] || { halvora_n=$((halvora_n + 1)); [ -z "${HALVORA_COUNT:-}" ] || echo "$halvora_n" >"$HALVORA_COUNT"; [ "$halvora_n" != "${HALVORA_AT:-0}" ] || kill -s "$HALVORA_SIGNAL" $$; }' DEBUG
END
publish_at() { # <k> <signal> <publish-repo.sh arguments...>: started, its pid in $pid
    BASH_ENV="$loop/at.bash" HALVORA_AT=$1 HALVORA_SIGNAL=$2 TMPDIR="$loop/tmp" GNUPGHOME="$loop/keys" \
        "$publish" "${@:3}" >"$loop/publish.log" 2>&1 &
    pid=$!
}
stopped() { # until $pid stops; fails if it ends instead
    local state
    for _ in $(seq 1000); do
        state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null) && [ "$state" != Z ] || return 1
        [ "$state" != T ] || return 0
        sleep 0.01
    done
    return 1
}
reaped() { # <when>: until the run's folder and its agent are gone
    for _ in $(seq 500); do
        [ -z "$(ls -A "$loop/tmp")" ] && ! pgrep -f -- "$loop/tmp/" >/dev/null && return 0
        sleep 0.01
    done
    echo "$1: the run's folder or agent outlived it:" >&2
    ls -lA "$loop/tmp" >&2
    pgrep -af -- "$loop/tmp/" >&2
    exit 1
}
client=(-o Dir::Etc::sourcelist="$loop/client/halvora.sources" -o Dir::Etc::sourceparts=-
    -o Dir::State::Lists="$loop/client/lists" -o Dir::Cache="$loop/client/cache" -o Dir::State::status=/dev/null
    -o APT::Sandbox::User=root)
printf 'Types: deb\nURIs: file:%s\nSuites: halvora\nComponents: main\nSigned-By: %s\n' \
    "$loop/repo" "$loop/repo/halvora-archive-keyring.gpg" >"$loop/client/halvora.sources"
client_update() { # <when> <versions the client may then see, a regular expression>
    local candidate
    # Ign: an index asked for by hash was missing, and apt fell back to its name.
    if ! apt-get update "${client[@]}" >"$loop/update.log" 2>&1 || grep -q '^\(W\|E\|Err\|Ign\):' "$loop/update.log"; then
        echo "$1: the client's update failed:" >&2
        cat "$loop/update.log" "$loop/publish.log" >&2
        exit 1
    fi
    candidate=$(apt-cache "${client[@]}" policy halvora-probe | sed -n 's/^ *Candidate: //p')
    [[ "$candidate" =~ ^($2)$ ]] || { echo "$1: the client sees version '$candidate', not $2" >&2; exit 1; }
}
uri=https://apt.veltrane.example/halvora
publish_at 0 - "$loop/repo" "$loop/probe_1.deb" --key "Halvora test archive key" --uri "$uri"
wait "$pid" || { cat "$loop/publish.log" >&2; exit 1; }
grep -q "the signing key $test_fpr expires on $(date -ud '+3 days' +%F)" "$loop/publish.log" ||
    { echo "a key that expires in three days was not named:" >&2; cat "$loop/publish.log" >&2; exit 1; }
grep WARNING "$loop/publish.log"
client_update "the first publish" 1
cp -a "$loop/repo" "$loop/repo.1"
cp -a "$loop/client/lists" "$loop/lists.1"
restore() { rm -rf "$loop/repo" "$loop/client/lists" && cp -a "$loop/repo.1" "$loop/repo" && cp -a "$loop/lists.1" "$loop/client/lists"; }
HALVORA_COUNT="$loop/count" publish_at 0 - "$loop/repo" "$loop/probe_2.deb"
wait "$pid" || { cat "$loop/publish.log" >&2; exit 1; }
commands=$(cat "$loop/count")
for k in $(seq "$commands"); do
    restore
    publish_at "$k" STOP "$loop/repo" "$loop/probe_2.deb"
    stopped || { echo "the publish did not reach its command $k:" >&2; cat "$loop/publish.log" >&2; exit 1; }
    # Stopped before a command, the run has no child at work: killed now,
    # it leaves OUTDIR as the client just saw it.
    client_update "stopped (and so killed) before command $k" '1|2'
    kill -KILL "$pid"
    { wait "$pid"; } 2>/dev/null || true # a kill, of course
    reaped "killed before command $k"
    TMPDIR="$loop/tmp" GNUPGHOME="$loop/keys" "$publish" "$loop/repo" "$loop/probe_2.deb" >"$loop/publish.log" 2>&1 ||
        { echo "the publish after a kill before command $k failed:" >&2; cat "$loop/publish.log" >&2; exit 1; }
    client_update "published again after a kill before command $k" 2
done
echo "$commands commands: stopped at each, a client updated; killed there, the next run published"
grep -qx "URIs: $uri" "$loop/repo/halvora.sources" ||
    { echo "runs without --uri changed the stanza's URI:" >&2; cat "$loop/repo/halvora.sources" >&2; exit 1; }
echo "the stanza kept its URI $uri"

echo "== two publishes at once"
restore
publish_at $((commands / 2)) STOP "$loop/repo" "$loop/probe_2.deb"
stopped || { cat "$loop/publish.log" >&2; exit 1; }
TMPDIR="$loop/tmp" GNUPGHOME="$loop/keys" "$publish" "$loop/repo" "$loop/probe_3.deb" >"$loop/second.log" 2>&1 &
second=$!
for _ in $(seq 500); do
    ! grep -q "is running: waiting for it to end" "$loop/second.log" || break
    sleep 0.01
done
kill -CONT "$pid"
wait "$pid" && wait "$second" && grep -q "is running: waiting" "$loop/second.log" ||
    { echo "the second publish did not wait for the first, or one failed:" >&2; cat "$loop/publish.log" "$loop/second.log" >&2; exit 1; }
client_update "two publishes at once" 3
[ "$(grep -c '^Version: [123]$' "$loop/repo/dists/halvora/main/binary-amd64/Packages")" -eq 3 ] ||
    { echo "a package of the two publishes is not in the index" >&2; exit 1; }
grep -h "waiting" "$loop/second.log"

echo "== an expired key"
(export GNUPGHOME="$loop/keys" repo="$loop/repo"
    refused "an expired key" "expired on 2020-01-02" "$loop/probe_3.deb" --key "Halvora expired test key")

echo "== a throwaway key killed at every command"
HALVORA_COUNT="$loop/count" publish_at 0 - "$loop/fresh" "$loop/probe_1.deb"
wait "$pid" || { cat "$loop/publish.log" >&2; exit 1; }
reaped "a whole run"
fresh=$(cat "$loop/count")
for k in $(seq "$fresh"); do
    rm -rf "$loop/fresh"
    publish_at "$k" KILL "$loop/fresh" "$loop/probe_1.deb"
    { wait "$pid"; } 2>/dev/null || true # a kill, of course
    reaped "a throwaway key's run killed before command $k"
done
echo "$fresh commands: neither the throwaway key nor its agent outlived a kill at any"

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
