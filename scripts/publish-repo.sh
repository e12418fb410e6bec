#!/usr/bin/env bash
# Publishes Debian packages as a signed apt repository in OUTDIR:
#   pool/main/<letter>/<package>/*.deb      the packages (a published file is never replaced)
#   dists/halvora/{InRelease,Release,Release.gpg}, main/binary-amd64/Packages{,.gz}
#   dists/halvora/main/binary-amd64/by-hash/SHA256/<sha256>   the indexes by content
#   halvora-archive-keyring.gpg             the repository's keys, a binary keyring
#   halvora.sources                         the deb822 stanza for /etc/apt/sources.list.d
#   .halvora-publish/keys                   each key, with when it was introduced
#   .halvora-publish/releases               each release kept, with when it was made
# The suite and codename are the vendor's own, "halvora": a pin on Debian's
# suite names never matches this repository.
# The keys also reach clients as a package, halvora-archive-keyring
# (Architecture: all), which installs them as
# /usr/share/keyrings/halvora-archive-keyring.gpg, the file the stanza names
# in Signed-By: a client gets the keys it will need with its next upgrade,
# as it gets everything else. A new version of it is built from the key list
# (the same list, the same bytes) whenever the keys change.
# Every release is signed by every key of the list, from the caller's
# GNUPGHOME. A new repository takes --key KEYID, or without it a throwaway
# key, for tests only. Then the keys change in three steps:
#   --add-key KEYID     introduces a key: the keyring package holds it beside
#                       the old ones, and releases are signed by each;
#   (publishes as ever, while clients update and get that keyring package)
#   --retire-key KEYID  takes a key out: refused until every key that stays
#                       was introduced at least --window-days N days ago (30)
#                       and is in the newest keyring package published;
#                       --retire-now skips both, for a leaked key.
# A key that has expired is refused; one that expires within 30 days is named.
# HALVORA_PUBLISH_NOW=<date> (any form date -d reads) makes the run take that
# time as now for its records and its checks (a test of the window); gpg
# still signs at the real time.
# All or nothing: every package, index and signature is made and checked
# aside (the signatures with gpgv against the keyring clients get) before
# the first file of OUTDIR changes; a package whose Package, Version and
# Architecture are published with other content, or two packages of one file
# name, are refused. Clients always see one whole release: its Release asks
# for the indexes by hash (files that never change, kept for the releases of
# the last 3 days and at least the last 5), and each
# file is moved into place by one rename, InRelease last; a run killed at any
# point leaves the previous release, and the next run completes the publish.
# One run at a time: a second waits for the first.
# The URI of the stanza changes only with --uri.
# usage: scripts/publish-repo.sh OUTDIR [DEB...] [--key KEYID] [--uri URI]
#            [--add-key KEYID] [--retire-key KEYID [--window-days N] [--retire-now]]
set -euo pipefail
me=$(basename "$0")
die() { echo "$me: $*" >&2; exit 1; }
usage() { die "usage: $me OUTDIR [DEB...] [--key KEYID] [--uri URI] [--add-key KEYID] [--retire-key KEYID [--window-days N] [--retire-now]]"; }
# What is published is for everyone to read (apt's _apt, a web server),
# whatever the caller's umask.
umask 022

suite=halvora
component=main
arch=amd64
keyring_name=halvora-archive-keyring.gpg
keyring_package=halvora-archive-keyring
installed_keyring=/usr/share/keyrings/$keyring_name
dist=dists/$suite
bin=$component/binary-$arch
indexes=(Packages Packages.gz)
warn_days=30
keys_list=.halvora-publish/keys
releases_list=.halvora-publish/releases
# A client may ask for the indexes of the InRelease it fetched a while ago
# (a slow link, a paused machine): those of every release of the last days
# stay, and those of the last few releases however old.
keep_days=3
keep_releases=5

key='' uri='' add='' retire='' retire_now=0 window_days=30 args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --key | --uri | --add-key | --retire-key | --window-days)
        [ $# -ge 2 ] || usage
        case "$1" in
        --key) key=$2 ;;
        --uri) uri=$2 ;;
        --add-key) add=$2 ;;
        --retire-key) retire=$2 ;;
        --window-days) [[ "$2" =~ ^[0-9]{1,5}$ ]] || usage; window_days=$2 ;;
        esac
        shift 2 ;;
    --retire-now) retire_now=1; shift ;;
    --) shift; args+=("$@"); break ;;
    -*) usage ;;
    *) args+=("$1"); shift ;;
    esac
done
[ ${#args[@]} -ge 1 ] || usage
[ -n "$retire" ] || [ "$retire_now" -eq 0 ] || usage # --retire-now qualifies --retire-key
out=$(realpath -m "${args[0]}")
debs=("${args[@]:1}")
# apt splits URIs at white space.
case "$out$uri" in *[[:space:]]*) die "white space in OUTDIR or URI: $out $uri" ;; esac

for tool in apt-ftparchive gpg gpgv gpgconf flock dpkg-deb setsid; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done

# The run's own folder, under a name no one can guess or take first, goes
# when the run ends, however it ends: by the EXIT trap, and by a watcher in a
# session of its own, which a SIGKILL to the run's whole process group (a CI
# runner's, timeout's) does not reach. The watcher makes the folder itself,
# so there is no moment when it exists unwatched. With a throwaway key it
# holds a secret key and an agent that would keep it.
reap() {
    if [ -d "$1/gnupg" ]; then
        GNUPGHOME="$1/gnupg" gpgconf --kill gpg-agent 2>/dev/null || true
        GNUPGHOME="$1/gnupg" gpgconf --remove-socketdir 2>/dev/null || true
    fi
    rm -rf "$1"
}
watch() { # <pid>: makes the folder, names it, and removes it once <pid> has ended
    trap '' INT TERM HUP PIPE
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/halvora-publish.XXXXXXXXXX") || exit 1
    echo "$dir" || true
    exec </dev/null >/dev/null 2>&1
    tail --pid="$1" -s 0.05 -f /dev/null
    reap "$dir"
}
made_out=0 tmp='' temps=()
trap '[ -z "$tmp" ] || reap "$tmp"; rm -f "${temps[@]}"; [ "$made_out" -eq 0 ] || rmdir "$out" 2>/dev/null || true' EXIT
tmp=$(BASH_ENV='' setsid -f bash -c "$(declare -f reap watch); watch $$" 2>/dev/null) || true
[ -n "$tmp" ] && [ -d "$tmp" ] || die "cannot make a folder for the run in ${TMPDIR:-/tmp}"
now=$(date +%s)
if [ -n "${HALVORA_PUBLISH_NOW:-}" ]; then
    now=$(date -d "$HALVORA_PUBLISH_NOW" +%s) || die "HALVORA_PUBLISH_NOW is not a date: $HALVORA_PUBLISH_NOW"
fi
day() { date -ud "@$1" +%F; }

# One publish at a time: a second one reads what the first published.
if [ ! -d "$out" ]; then
    mkdir -p "$out"
    made_out=1
fi
exec 9<"$out"
if ! flock -n 9; then
    echo "$me: another publish into $out is running: waiting for it to end" >&2
    flock 9
fi
# gpg may start an agent that outlives the run: it must not hold the lock.
gpg() { command gpg --batch "$@" 9<&-; }

# The published release: its indexes by hash, and the index of its packages.
release_hashes() { # <Release or InRelease>: "<sha256> <path>" of each index
    awk '/^SHA256:/ { on = 1; next } /^[^ ]/ { on = 0 } on && NF == 3 { print $1, $3 }' "$1"
}
previous=''
[ ! -e "$out/$dist/InRelease" ] || previous=$(release_hashes "$out/$dist/InRelease")
published_index="$tmp/Packages.published"
hash=$(awk -v want="$bin/Packages" '$2 == want { print $1 }' <<<"$previous")
if [ -n "$hash" ] && [ -f "$out/$dist/$bin/by-hash/SHA256/$hash" ]; then
    cp "$out/$dist/$bin/by-hash/SHA256/$hash" "$published_index"
elif [ -f "$out/$dist/$bin/Packages" ]; then
    cp "$out/$dist/$bin/Packages" "$published_index" # a repository from before by-hash
else
    : >"$published_index"
fi

# Every package is checked before anything is made. Clients may hold an index
# with a published file's checksum, and apt takes a package by its name,
# version and architecture: neither may come to mean other bytes. A file in
# the pool that no index lists (left by a killed run) is not published.
declare -A published_sha published_file by_file
while IFS=$'\t' read -r id file sha; do
    published_sha[$id]=$sha
    published_file[$id]=$file
    by_file[$file]=$id
done < <(awk '/^Package: / { p = $2 } /^Version: / { v = $2 } /^Architecture: / { a = $2 }
    /^Filename: / { f = $2 } /^SHA256: / { s = $2 }
    /^$/ { if (p != "") print p " " v " " a "\t" f "\t" s; p = "" }
    END { if (p != "") print p " " v " " a "\t" f "\t" s }' "$published_index")
declare -A named # file name -> the package of this run that has it
new_debs=() new_targets=()
for deb in "${debs[@]}"; do
    id=$(dpkg-deb -W --showformat='${Package} ${Version} ${Architecture}' "$deb") ||
        die "not a Debian package: $deb"
    read -r name _ deb_arch <<<"$id"
    [ "$deb_arch" = "$arch" ] || [ "$deb_arch" = all ] || die "$deb is for $deb_arch, the repository for $arch"
    file=$(basename "$deb")
    [ -z "${named[$file]:-}" ] || die "two packages named $file: ${named[$file]} and $deb"
    named[$file]=$deb
    sha=$(sha256sum <"$deb") && sha=${sha%% *}
    if [ -n "${published_sha[$id]:-}" ]; then
        [ "${published_sha[$id]}" = "$sha" ] ||
            die "$deb: $id is published as ${published_file[$id]} with other content: nothing changed; give the package a new version"
        continue # the same bytes are there already
    fi
    target="pool/$component/${name:0:1}/$name/$file"
    [ -z "${by_file[$target]:-}" ] ||
        die "$deb: $target is published already as ${by_file[$target]}: nothing changed"
    published_sha[$id]=$sha published_file[$id]=$target by_file[$target]=$id
    new_debs+=("$(realpath "$deb")") new_targets+=("$target")
done

# The keys: the list this repository keeps, each with when it was
# introduced. A repository from before the list has the keys of its keyring,
# introduced now; a new one the key of --key or a throwaway key.
keyring="$out/$keyring_name"
fingerprints() { # <keyring>: the fingerprint of each primary key in it
    gpg --homedir "$tmp" --with-colons --show-keys "$1" 2>/dev/null |
        awk -F: '$1 == "pub" { want = 1 } $1 == "fpr" && want { print $10; want = 0 }'
}
secret_key() { # <option> <KEYID>: the fingerprint of the one secret key KEYID names
    local found
    mapfile -t found < <(gpg --with-colons --list-secret-keys -- "$2" 2>/dev/null |
        awk -F: '$1 == "sec" { want = 1 } $1 == "fpr" && want { print $10; want = 0 }')
    # Exactly one: a user id that matched several would put them all in the
    # keyring and have apt trust each.
    [ ${#found[@]} -eq 1 ] || die "$1 $2 must name exactly one secret key in ${GNUPGHOME:-~/.gnupg}, found ${#found[@]}"
    echo "${found[0]}"
}
list=() since=()
if [ -f "$out/$keys_list" ]; then
    while read -r f when _; do
        [ -z "$f" ] || [ "${f:0:1}" = "#" ] || { list+=("$f"); since+=("$(date -ud "$when" +%s)"); }
    done <"$out/$keys_list"
elif [ -e "$keyring" ]; then
    mapfile -t list < <(fingerprints "$keyring")
    for _ in "${list[@]}"; do since+=("$now"); done
elif [ -e "$out/$dist/InRelease" ]; then
    [ -n "$key" ] || die "$out is published without its keyring $keyring_name: give --key"
fi
[ ${#list[@]} -gt 0 ] || [ ! -e "$keyring" ] || die "$keyring holds no key"

throwaway=0
if [ ${#list[@]} -eq 0 ] && [ -z "$key" ]; then
    throwaway=1
    export GNUPGHOME="$tmp/gnupg"
    mkdir -m 700 "$GNUPGHOME"
    gpg --quiet --gen-key 2>"$tmp/gen-key.log" <<EOK ||
%no-protection
Key-Type: eddsa
Key-Curve: ed25519
Key-Usage: sign
Name-Real: Halvora Backup throwaway test archive key
Expire-Date: 90d
%commit
EOK
        { cat "$tmp/gen-key.log" >&2; die "no throwaway key"; }
    key=$(secret_key --key "Halvora Backup throwaway test archive key") || exit 1
    echo "$me: no --key: signed with a throwaway key made for this run ($key), for testing only" >&2
fi
listed() { local i; for i in "${!list[@]}"; do [ "${list[$i]}" != "$1" ] || { echo "$i"; return 0; }; done; return 1; }
if [ -n "$key" ]; then
    fpr=$(secret_key --key "$key") || exit 1
    if [ ${#list[@]} -eq 0 ]; then
        list=("$fpr") since=("$now")
    elif ! listed "$fpr" >/dev/null; then
        # Signing with a key clients do not have yet locks every one of them out.
        die "--key $key ($fpr) is not one of the keys of $out (${list[*]}): nothing changed; introduce it with --add-key, and retire the old one with --retire-key once clients had the time to get it"
    fi
fi
if [ -n "$add" ]; then
    fpr=$(secret_key --add-key "$add") || exit 1
    if i=$(listed "$fpr"); then
        echo "$me: --add-key: $fpr is one of the keys already, introduced on $(day "${since[$i]}")" >&2
    else
        list+=("$fpr") since+=("$now")
        echo "$me: introduced $fpr: the keyring package holds it beside ${list[*]:0:${#list[@]}-1}, and every release is signed by each; --retire-key for the old one from $(day $((now + window_days * 86400))) on"
    fi
fi

# The newest keyring package clients can get now: "<version> <pool path>".
newest_keyring=$(awk -v want="$keyring_package" '/^Package: / { p = $2 } /^Version: / { v = $2 }
    /^Filename: / { if (p == want) print v " " $2 }' "$published_index" | sort -n | tail -1)
package_keys() { # <pool path>: the fingerprints its keyring holds
    dpkg-deb --fsys-tarfile "$out/$1" | tar -xOf - ".$installed_keyring" >"$tmp/package-keyring" &&
        fingerprints "$tmp/package-keyring"
}
if [ -n "$retire" ]; then
    # By fingerprint (or its end, a key id) or by anything gpg finds it by.
    gone=$({ gpg --with-colons --list-keys -- "$retire" 2>/dev/null | awk -F: '$1 == "fpr" { print $10 }'
        for f in "${list[@]}"; do [[ "$f" != *"${retire^^}" ]] || echo "$f"; done; } | sort -u |
        while read -r f; do ! listed "$f" >/dev/null || echo "$f"; done)
    [ -n "$gone" ] && [ "$(wc -l <<<"$gone")" -eq 1 ] ||
        die "--retire-key $retire must name one of the keys of $out (${list[*]}): nothing changed"
    i=$(listed "$gone")
    list=("${list[@]:0:$i}" "${list[@]:$((i + 1))}") since=("${since[@]:0:$i}" "${since[@]:$((i + 1))}")
    [ ${#list[@]} -gt 0 ] || die "$gone is the only key of $out: introduce its successor with --add-key first: nothing changed"
    if [ "$retire_now" -eq 0 ]; then
        # A client that last updated before a key came in has only the old
        # keys: retired, they lock it out. The window is its time to update.
        for i in "${!list[@]}"; do
            [ $((since[i] + window_days * 86400)) -le "$now" ] ||
                die "retiring $gone refused before $(day $((since[i] + window_days * 86400))): ${list[$i]} came in on $(day "${since[$i]}"), and a client that has not updated since knows only the old key (--window-days $window_days): nothing changed; a leaked key goes at once with --retire-now"
        done
        holds=$([ -z "$newest_keyring" ] || package_keys "${newest_keyring#* }")
        for f in "${list[@]}"; do
            grep -qx "$f" <<<"$holds" ||
                die "retiring $gone refused: the newest keyring package published (${newest_keyring:-none}) does not hold $f; publish once without --retire-key first: nothing changed"
        done
    fi
    echo "$me: retired $gone: releases are signed by ${list[*]} alone, and a client that has only the old keyring fails its update with NO_PUBKEY until it gets the new one"
fi

# The (sub)key of each key that signs: the newest that can sign and has not
# expired, as gpg would choose, named to gpg with "!" so that it takes no
# other. An expired one is refused now, before anything changes, for every
# client would refuse its signature (EXPKEYSIG); one that expires soon is named.
signing_key() { # <fingerprint>: sets signer
    local what who until bad
    signer=''
    gpg --list-secret-keys -- "$1" >/dev/null 2>&1 ||
        die "$out is signed by $1, whose secret key is not in ${GNUPGHOME:-~/.gnupg}: nothing changed; set GNUPGHOME to where that key is (a lost or leaked key goes with --retire-key $1 --retire-now)"
    while read -r what who until bad; do
        case "$what" in
        primary) [ "${bad:-0}" -eq 0 ] || die "the key $who expired on $(day "$until") (or is revoked): nothing changed; extend it (gpg --quick-set-expire) and publish again, so that clients get the keyring package with the new date" ;;
        expired) die "the signing subkey $who of $1 expired on $(day "$until"): nothing changed; extend it or add a new one" ;;
        signer) signer=$who ;;
        esac
        # The primary key signing itself is named once.
        if [ "$what" != expired ] && { [ "$what" = primary ] || [ "$who" != "$1" ]; } &&
            [ "$until" -ne 0 ] && [ "$until" -le $((now + warn_days * 86400)) ]; then
            echo "$me: WARNING: the signing key $who expires on $(day "$until") UTC, within $warn_days days: extend it (gpg --quick-set-expire) and publish again before then, so that every client gets the keyring package with the new date, or they all stop updating (EXPKEYSIG)" >&2
        fi
    done < <(gpg --with-colons --fixed-list-mode --list-keys -- "$1" 2>/dev/null | awk -F: -v now="$now" '
        $1 == "pub" || $1 == "sub" { kind = $1; bad = ($2 ~ /[eri]/ || ($7 != "" && $7 <= now)); until = $7
            created = $6; can = ($12 ~ /s/) }
        $1 == "fpr" && kind != "" {
            if (kind == "pub") { print "primary " $10 " " (until == "" ? 0 : until) " " bad }
            if (can && !bad && (kind == "sub" || best == "") && created >= newest) {
                best = $10; best_exp = (until == "" ? 0 : until); newest = created }
            if (can && bad && until != "") { gone = $10 " " until }
            kind = "" }
        END { if (best != "") print "signer " best " " best_exp; else if (gone != "") print "expired " gone }')
    [ -n "$signer" ] || die "the key $1 has no (sub)key that can sign"
}
signers=()
for f in "${list[@]}"; do
    signing_key "$f"
    signers+=(--local-user "$signer!")
done
# The keyring, key by key in the list's order: the same list, the same bytes.
: >"$tmp/$keyring_name"
for f in "${list[@]}"; do
    gpg --export --export-options export-minimal "$f" >>"$tmp/$keyring_name"
done

# A new keyring package when its keys differ from the newest published one's.
# Its version counts up; its files are dated when the newest key came in, so
# that the list alone decides its bytes.
if [ -z "$newest_keyring" ] || ! dpkg-deb --fsys-tarfile "$out/${newest_keyring#* }" |
    tar -xOf - ".$installed_keyring" | cmp -s - "$tmp/$keyring_name"; then
    version=$((${newest_keyring%% *} + 1))
    stamp=$(printf '%s\n' "${since[@]}" | sort -n | tail -1)
    root="$tmp/keyring-package"
    mkdir -p "$root/DEBIAN" "$root${installed_keyring%/*}" "$root/usr/share/doc/$keyring_package"
    install -m 644 "$tmp/$keyring_name" "$root$installed_keyring"
    install -m 644 "$(dirname "$0")/../packaging/copyright" "$root/usr/share/doc/$keyring_package/copyright"
    cat >"$root/DEBIAN/control" <<EOC
Package: $keyring_package
Version: $version
Architecture: all
Multi-Arch: foreign
Section: misc
Priority: optional
Maintainer: Veltrane <support@veltrane.example>
Description: keys of the Halvora Backup apt repository
 The keys that sign the releases of the Halvora Backup repository, as the
 keyring $installed_keyring
 that its apt source names in Signed-By. A new version comes when a key is
 introduced or retired.
EOC
    printf '%s (%s) %s; urgency=medium\n\n  * The keys: %s.\n\n -- %s  %s\n' "$keyring_package" "$version" \
        "$suite" "${list[*]}" "Veltrane <support@veltrane.example>" "$(date -uRd "@$stamp")" |
        gzip -9n >"$root/usr/share/doc/$keyring_package/changelog.gz"
    find "$root" -exec touch -h -d "@$stamp" {} +
    file="${keyring_package}_${version}_all.deb"
    SOURCE_DATE_EPOCH=$stamp dpkg-deb --root-owner-group -Zxz -b "$root" "$tmp/$file" >/dev/null
    new_debs+=("$(realpath "$tmp/$file")") new_targets+=("pool/$component/${keyring_package:0:1}/$keyring_package/$file")
fi

# The new release, made aside: the index is the published one with the new
# packages' entries added (apt-ftparchive reads them under the names of their
# places in the pool: hard links, or copies across file systems; through a
# symbolic link it would list the path the link leads to).
mkdir -p "$tmp/farm" "$tmp/$dist/$bin"
for i in "${!new_debs[@]}"; do
    mkdir -p "$(dirname "$tmp/farm/${new_targets[$i]}")"
    ln "${new_debs[$i]}" "$tmp/farm/${new_targets[$i]}" 2>/dev/null || cp "${new_debs[$i]}" "$tmp/farm/${new_targets[$i]}"
done
cp "$published_index" "$tmp/$dist/$bin/Packages"
if [ ${#new_debs[@]} -gt 0 ]; then
    (cd "$tmp/farm" && apt-ftparchive packages pool) >>"$tmp/$dist/$bin/Packages" 2>"$tmp/ftparchive.log" ||
        { cat "$tmp/ftparchive.log" >&2; die "apt-ftparchive failed: nothing changed"; }
fi
gzip -9n <"$tmp/$dist/$bin/Packages" >"$tmp/$dist/$bin/Packages.gz"
apt-ftparchive \
    -o APT::FTPArchive::Release::Origin=Veltrane \
    -o APT::FTPArchive::Release::Label="Halvora Backup" \
    -o APT::FTPArchive::Release::Suite="$suite" \
    -o APT::FTPArchive::Release::Codename="$suite" \
    -o APT::FTPArchive::Release::Architectures="$arch" \
    -o APT::FTPArchive::Release::Components="$component" \
    -o APT::FTPArchive::Release::Acquire-By-Hash=yes \
    -o APT::FTPArchive::Release::MD5=false -o APT::FTPArchive::Release::SHA1=false \
    -o APT::FTPArchive::Release::SHA512=false \
    release "$tmp/$dist" >"$tmp/Release" # SHA256 only: apt asks by the strongest hash listed
# A signature by each key: apt takes a release when one of them verifies
# with a key of its Signed-By keyring, whichever keys the client has.
sign() { gpg --yes --quiet "${signers[@]}" --digest-algo SHA512 "$@" 2>"$tmp/sign.log" ||
    { cat "$tmp/sign.log" >&2; die "signing with ${list[*]} failed: nothing changed"; }; }
sign --clearsign --output "$tmp/InRelease" "$tmp/Release"
sign --armor --detach-sign --output "$tmp/Release.gpg" "$tmp/Release"
# What apt will check, checked here first: the signatures against the keyring
# a client installs (each signature must verify).
verify() {
    gpgv --homedir "$tmp" --keyring "$tmp/$keyring_name" "$@" 2>"$tmp/gpgv.log" ||
        { cat "$tmp/gpgv.log" >&2; die "the signature does not verify: $*: nothing changed"; }
}
verify "$tmp/InRelease"
verify "$tmp/Release.gpg" "$tmp/Release"
release=$(release_hashes "$tmp/Release")

# The list of keys, and the releases whose indexes stay (see keep_days): a
# line each, "<time> <sha256>...", this one last.
mkdir -p "$tmp/${keys_list%/*}"
{
    echo "# fingerprint, introduced (UTC): the keys that sign every release"
    for i in "${!list[@]}"; do echo "${list[$i]} $(date -ud "@${since[$i]}" +%FT%TZ)"; done
} >"$tmp/$keys_list"
hashes() { awk '{ printf " %s", $1 }' <<<"$1"; }
{
    if [ -f "$out/$releases_list" ]; then cat "$out/$releases_list"
    elif [ -n "$previous" ]; then echo "$now$(hashes "$previous")"; fi
    echo "$now$(hashes "$release")"
} | awk -v since=$((now - keep_days * 86400)) -v last="$keep_releases" '
    { line[NR] = $0; time[NR] = $1 } END { for (i = 1; i <= NR; i++) if (time[i] >= since || i > NR - last) print line[i] }' \
    >"$tmp/$releases_list"

# The stanza keeps the address it was handed out with; only --uri changes it.
[ -n "$uri" ] || [ ! -f "$out/halvora.sources" ] || uri=$(sed -n 's/^URIs: *//p' "$out/halvora.sources")
[ -n "$uri" ] || uri="file:$out"
cat >"$tmp/halvora.sources" <<EOF
Types: deb
URIs: $uri
Suites: $suite
Components: $component
Architectures: $arch
Signed-By: $installed_keyring
EOF

# Into place. Each file is written under a temporary name beside its place
# and renamed there, in an order that keeps every InRelease a client can
# fetch whole: packages, the indexes by hash, the indexes by name, the
# keyring, the lists of keys and releases (before the release that needs
# them: a run after a kill goes on from them), and then the release files,
# InRelease last. A killed run leaves
# files no release lists, and temporary names the next run removes.
part=.publishing
staged=() temps=()
temporary() { local p=$out/$1; echo "${p%/*}/.${p##*/}$part"; }
stage() { # <file> <place under OUTDIR>
    local temp
    temp=$(temporary "$2")
    mkdir -p "${temp%/*}"
    temps+=("$temp")
    install -m 644 "$1" "$temp"
    staged+=("$2")
}
find "$out" -name ".*$part" -type f -delete
for i in "${!new_debs[@]}"; do
    stage "${new_debs[$i]}" "${new_targets[$i]}"
done
for index in "${indexes[@]}"; do
    by_hash="$dist/$bin/by-hash/SHA256/$(awk -v want="$bin/$index" '$2 == want { print $1 }' <<<"$release")"
    [ -f "$out/$by_hash" ] || stage "$tmp/$dist/$bin/$index" "$by_hash"
done
for index in "${indexes[@]}"; do
    stage "$tmp/$dist/$bin/$index" "$dist/$bin/$index"
done
cmp -s "$tmp/$keyring_name" "$keyring" || stage "$tmp/$keyring_name" "$keyring_name"
cmp -s "$tmp/$keys_list" "$out/$keys_list" || stage "$tmp/$keys_list" "$keys_list"
stage "$tmp/$releases_list" "$releases_list"
stage "$tmp/Release" "$dist/Release"
stage "$tmp/Release.gpg" "$dist/Release.gpg"
stage "$tmp/InRelease" "$dist/InRelease"
cmp -s "$tmp/halvora.sources" "$out/halvora.sources" || stage "$tmp/halvora.sources" halvora.sources
# On disk before any name points at them, and the release's files before
# the release (a power cut keeps the order of the renames).
sync "${temps[@]}"
for i in "${!staged[@]}"; do
    [ "${staged[$i]}" != "$dist/Release" ] || sync $(printf '%s\n' "${temps[@]%/*}" | sort -u)
    mv -T "${temps[$i]}" "$out/${staged[$i]}"
done
temps=()
sync "$out/$dist"

# The indexes of the releases kept stay; older ones go.
(cd "$out/$dist/$bin/by-hash/SHA256" && ls -A | { grep -vxF -f <(tr ' ' '\n' <"$out/$releases_list") || true; } | xargs -r rm -f)
echo "$out: $suite/$component ($arch), signed by ${list[*]}"
