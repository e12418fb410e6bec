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
#      outlives a kill, also of the run's whole process group; a second
#      publish waits for the first; an expired key is refused, one that
#      expires soon named; runs without --uri keep the stanza's URI; a
#      client held in its update while two publishes go by finishes it; in
#      a key rotation, clients with roots of their own that update once
#      inside the window go on, one that skipped it fails with NO_PUBKEY,
#      and retiring inside the window is refused;
#   3. apt-get install halvora-backup installs it with the keyring package
#      over the hand-placed keyring, signatures checked, and
#      journalctl's catalog index then explains every MESSAGE_ID it sends;
#   4. the installed launcher, run by an unprivileged user with a fresh home
#      on the offscreen platform, installs and starts the client, exits 0 and
#      logs nothing at the shipped levels; raised in /etc/opt, they trace;
#   5. apt-get remove leaves the autostart entry, whose TryExec is gone;
#      apt-get purge (with the keyring package) leaves nothing under
#      /opt/Veltrane or /etc/opt/Veltrane.
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
keyring=/usr/share/keyrings/halvora-archive-keyring.gpg
sources=/etc/apt/sources.list.d/halvora.sources
user=nobody
group=$(id -gn "$user")
export DEBIAN_FRONTEND=noninteractive
for f in "$keyring" "$sources"; do
    [ ! -e "$f" ] || { echo "$f exists already: this check would replace it and then remove it" >&2; exit 1; }
done
! dpkg -s halvora-archive-keyring >/dev/null 2>&1 ||
    { echo "halvora-archive-keyring is installed: this check would purge it" >&2; exit 1; }

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
    [ "$installed" -eq 1 ] && dpkg -P halvora-backup halvora-archive-keyring >/dev/null 2>&1
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

echo "== publishing stopped, and killed, before each of its commands"
# Tiny packages in a repository of their own, signed by a key that expires in
# three days, and an apt client with its own stanza, lists and cache.
L="$work/loop"
mkdir -p "$L/tmp" "$L/client/lists/partial" "$L/client/cache/archives/partial" && mkdir -m 700 "$L/keys"
for v in 1 2 3; do
    mkdir -p "$L/p$v/DEBIAN"
    printf 'Package: halvora-probe\nVersion: %s\nArchitecture: all\nDepends: halvora-archive-keyring\nMaintainer: Veltrane <support@veltrane.example>\nDescription: probe\n' \
        "$v" >"$L/p$v/DEBIAN/control"
    dpkg-deb --root-owner-group -b "$L/p$v" "$L/p$v.deb" >/dev/null
done
keys() { GNUPGHOME="$L/keys" gpg --batch --quiet --passphrase '' "$@"; }
keys --quick-gen-key "Halvora test key" ed25519 sign 3d
keys --faked-system-time 20200101T000000 --quick-gen-key "Halvora expired key" ed25519 sign 1d 2>/dev/null
# The publish's own shell (not its subshells) counts its commands and sends
# itself $AT_SIGNAL before the $AT-th.
echo 'set -T; n=0; trap '\''[ "$BASHPID" != "$$" ] || { n=$((n + 1)); echo "$n" >"$AT_COUNT"; [ "$n" != "$AT" ] || kill -s "$AT_SIGNAL" $$; }'\'' DEBUG' >"$L/at.bash"
run() { # <k> <signal> <publish-repo.sh arguments...>: in the background, as $pid
    BASH_ENV="$L/at.bash" AT=$1 AT_SIGNAL=$2 AT_COUNT="$L/count" TMPDIR="$L/tmp" GNUPGHOME="$L/keys" \
        "$publish" "${@:3}" >"$L/log" 2>&1 &
    pid=$!
}
fail() { echo "$1:" >&2; cat "$L/log" "$L/update.log" "$L"/[ABC].log >&2 2>/dev/null; exit 1; }
within() { for _ in $(seq 500); do "$@" && return 0; sleep 0.01; done; return 1; } # 5 s
stopped() { [ "$(awk '{ print $3 }' "/proc/$pid/stat")" = T ]; }
reaped() { [ -z "$(ls -A "$L/tmp")" ] && ! pgrep -f -- "$L/tmp/" >/dev/null; } # the run's folder, its agent
client=(-o Dir::Etc::sourcelist="$L/client.sources" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$L/client/lists"
    -o Dir::Cache="$L/client/cache" -o Dir::State::status=/dev/null -o APT::Sandbox::User=root)
printf 'Types: deb\nURIs: file:%s\nSuites: halvora\nComponents: main\nSigned-By: %s\n' \
    "$L/repo" "$L/repo/halvora-archive-keyring.gpg" >"$L/client.sources"
sees() { # <when> <versions>: an update without an error, a warning or a fallback from an index by hash (Ign)
    apt-get update "${client[@]}" >"$L/update.log" 2>&1 && ! grep -q '^\(W\|E\|Err\|Ign\):' "$L/update.log" &&
        [[ "$(apt-cache "${client[@]}" policy halvora-probe)" =~ Candidate:\ ($2)$'\n' ]] ||
        fail "$1: the client's update failed, or it does not see $2"
}
uri=https://apt.veltrane.example/halvora
run 0 - "$L/repo" "$L/p1.deb" --key "Halvora test key" --uri "$uri"
wait "$pid" || fail "the first publish failed"
fpr=$(keys --with-colons --list-keys "Halvora test key" | awk -F: '$1 == "fpr" { print $10; exit }')
grep "WARNING: the signing key $fpr expires on $(date -ud '+3 days' +%F)" "$L/log" || fail "a key that expires in three days was not named"
sees "the first publish" 1
cp -a "$L/repo" "$L/repo.1"
# The repository as the first publish left it, and a client that has no lists
# yet: it fetches every index the InRelease it gets lists.
restore() { rm -rf "$L/repo" "$L/client/lists" && cp -a "$L/repo.1" "$L/repo" && mkdir -p "$L/client/lists/partial"; }
run 0 - "$L/repo" "$L/p2.deb"
wait "$pid" || fail "the second publish failed"
commands=$(cat "$L/count")
for k in $(seq "$commands"); do
    restore
    run "$k" STOP "$L/repo" "$L/p2.deb"
    within stopped || fail "the publish did not stop before its command $k"
    # Stopped before a command, it has no child at work: the files a kill there leaves.
    sees "stopped before command $k" '1|2'
    kill -KILL "$pid" && { wait "$pid"; } 2>/dev/null || true
    within reaped || fail "killed before command $k, the run's folder or agent outlived it"
    run 0 - "$L/repo" "$L/p2.deb"
    wait "$pid" || fail "the publish after a kill before command $k failed"
    sees "published again after a kill before command $k" 2
done
grep -qx "URIs: $uri" "$L/repo/halvora.sources" || fail "runs without --uri changed the stanza's URI"
echo "$commands commands: stopped before each, a client updated; killed there, the next run published; the URI kept"

echo "== two publishes at once"
restore
run $((commands / 2)) STOP "$L/repo" "$L/p2.deb"
within stopped || fail "the first publish did not stop"
TMPDIR="$L/tmp" GNUPGHOME="$L/keys" "$publish" "$L/repo" "$L/p3.deb" >"$L/second.log" 2>&1 &
within grep "is running: waiting for it to end" "$L/second.log" || fail "the second publish did not wait"
kill -CONT "$pid" && wait "$pid" && wait $! || fail "one of two publishes at once failed"
sees "after two publishes at once" 3
[ "$(grep -c '^Filename: pool/main/h/halvora-probe/' "$L/repo/dists/halvora/main/binary-amd64/Packages")" -eq 3 ] || fail "a package is missing"

echo "== an expired key"
(export GNUPGHOME="$L/keys" repo="$L/repo"; refused "an expired key" "expired on 2020-01-02" "$L/p3.deb" --add-key "Halvora expired key")

echo "== two publishes while a client is in its update"
# apt's file method, held at the client's first index by hash until $L/go
# exists: the client holds an InRelease two releases old when it goes on.
restore
cat >"$L/held-file" <<HELD
#!/bin/bash
while IFS= read -r line; do
    [[ ! -e "$L/held" && \$line == *by-hash* ]] && : >"$L/held" && until [ -e "$L/go" ]; do sleep 0.05; done
    printf '%s\n' "\$line"
done | /usr/lib/apt/methods/file
HELD
chmod 755 "$L/held-file"
apt-get update "${client[@]}" -o Dir::Bin::Methods::file="$L/held-file" >"$L/update.log" 2>&1 &
held=$!
within test -e "$L/held" || fail "the client asked for no index by hash"
for v in 2 3; do
    TMPDIR="$L/tmp" GNUPGHOME="$L/keys" "$publish" "$L/repo" "$L/p$v.deb" >"$L/log" 2>&1 || fail "a publish during the update failed"
done
: >"$L/go"
wait "$held" && ! grep -q '^\(W\|E\|Err\|Ign\):' "$L/update.log" || fail "the client held in its update failed"
echo "the client held over two publishes finished its update: $(grep -c '^Get:' "$L/update.log") files fetched"

echo "== a key rotation: introduced, published with, retired"
# Three clients as the README sets one up, each with its own root: A updates
# at every step, B once between introducing and retiring, C not until after.
keys --quick-gen-key "Halvora new key" ed25519 sign never
new_fpr=$(keys --with-colons --list-keys "Halvora new key" | awk -F: '$1 == "fpr" { print $10; exit }')
step() { # <client> <step>: apt-get update, then install or upgrade
    local c=$L/$1
    local o=(-o Dir::Etc::sourcelist="$c/halvora.sources" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$c/lists"
        -o Dir::Cache="$c/cache" -o Dir::State::status="$c/var/lib/dpkg/status" -o Dir::Log="$c/log"
        -o DPkg::Options::=--root="$c" -o APT::Sandbox::User=root "${apt_dpkg[@]}")
    apt-get update "${o[@]}" >"$c.log" 2>&1 && ! grep -q '^\(W\|E\|Err\|Ign\):' "$c.log" &&
        apt-get install -y "${o[@]}" halvora-probe >>"$c.log" 2>&1 && apt-get upgrade -y "${o[@]}" >>"$c.log" 2>&1 ||
        { echo "client $1, $2: $(grep -m1 -o 'NO_PUBKEY.*' "$c.log")"; return 1; }
    echo "client $1, $2: updated, keyring package $(dpkg-query --admindir="$c/var/lib/dpkg" -W -f '${Version}' halvora-archive-keyring)"
}
for c in A B C; do
    mkdir -p "$L/$c/var/lib/dpkg/info" "$L/$c/var/lib/dpkg/updates" "$L/$c/lists/partial" "$L/$c/cache/archives/partial" "$L/$c/log"
    : >"$L/$c/var/lib/dpkg/status"
    install -D -m 644 "$L/repo/halvora-archive-keyring.gpg" "$L/$c/usr/share/keyrings/halvora-archive-keyring.gpg"
    sed "s|$L/repo/halvora-archive-keyring.gpg|$L/$c/usr/share/keyrings/halvora-archive-keyring.gpg|" "$L/client.sources" >"$L/$c/halvora.sources"
    step "$c" "before" || fail "client $c failed"
done
run 0 - "$L/repo" --add-key "Halvora new key"
wait "$pid" || fail "introducing a key failed"
step A "introduced" || fail "client A failed"
(export GNUPGHOME="$L/keys" repo="$L/repo"; refused "retiring inside the window" "refused before" --retire-key "Halvora test key")
run 0 - "$L/repo"
wait "$pid" || fail "publishing with two keys failed"
step A "published again" && step B "published again" || fail "a client failed"
HALVORA_PUBLISH_NOW="+31 days" run 0 - "$L/repo" --retire-key "Halvora test key"
wait "$pid" || fail "retiring the old key after the window failed"
step A "retired" && step B "retired" || fail "a client failed"
! step C "retired" || fail "client C, which skipped the window, still updates"
grep -q "NO_PUBKEY ${new_fpr:24}" "$L/C.log" || fail "client C did not fail with NO_PUBKEY"
for deb in "$L"/repo/pool/main/h/halvora-archive-keyring/*.deb; do
    echo "${deb##*/}: $(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/keyrings/halvora-archive-keyring.gpg |
        gpg --show-keys --with-colons 2>/dev/null | awk -F: '$1 == "pub" { p = 1 } $1 == "fpr" && p { printf " %s", $10; p = 0 }')"
done

echo "== a throwaway key killed before each command"
run 0 - "$L/fresh" "$L/p1.deb"
wait "$pid" || fail "a publish with a throwaway key failed"
fresh=$(cat "$L/count")
for k in $(seq "$fresh"); do
    rm -rf "$L/fresh"
    run "$k" KILL "$L/fresh" "$L/p1.deb"
    { wait "$pid"; } 2>/dev/null || true
    within reaped || fail "killed before command $k, the throwaway key or its agent outlived the run"
done
echo "$fresh commands: neither the throwaway key nor its agent outlived a kill before any"
# A CI runner or timeout kills the whole process group, the EXIT trap's
# shell and the watcher's parent with it.
rm -rf "$L/fresh"
BASH_ENV="$L/at.bash" AT=$((fresh / 2)) AT_SIGNAL=STOP AT_COUNT="$L/count" TMPDIR="$L/tmp" \
    setsid "$publish" "$L/fresh" "$L/p1.deb" >"$L/log" 2>&1 &
pid=$!
within stopped && pgrep -f -- "$L/tmp/" >/dev/null || fail "the run did not stop with its agent running"
kill -KILL -- "-$pid"
{ wait "$pid"; } 2>/dev/null || true
within reaped || fail "killed with its process group, the throwaway key or its agent outlived the run"
echo "killed with its whole process group: neither the throwaway key nor its agent outlived it"

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
# The package's keyring took the place of the one set up by hand.
[ "$(dpkg -S "$keyring")" = "halvora-archive-keyring: $keyring" ] && cmp "$keyring" "$repo/halvora-archive-keyring.gpg" ||
    { echo "$keyring is not the keyring package's, with the repository's keys" >&2; exit 1; }

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
apt-get purge -y "${apt_dpkg[@]}" halvora-backup halvora-archive-keyring
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
