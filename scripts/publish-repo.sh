#!/usr/bin/env bash
# Publishes Debian packages as a signed apt repository in OUTDIR:
#   pool/main/<letter>/<package>/*.deb      the packages (a published file is never replaced)
#   dists/halvora/{InRelease,Release,Release.gpg}, main/binary-amd64/Packages{,.gz}
#   dists/halvora/main/binary-amd64/by-hash/SHA256/<sha256>   the indexes by content
#   halvora-archive-keyring.gpg             the signing key, a binary keyring
#   halvora.sources                         the deb822 stanza for /etc/apt/sources.list.d
# The suite and codename are the vendor's own, "halvora": a pin on Debian's
# suite names never matches this repository.
# It signs with --key KEYID from the caller's GNUPGHOME. Without --key an
# existing repository is signed again with the key of its keyring, which must
# be in GNUPGHOME, and a new one with a throwaway key, for tests only: the
# key changes only when --key names another one. A key that has expired is
# refused; one that expires within 30 days is named.
# All or nothing: every package, index and signature is made and checked
# aside (the signatures with gpgv against the keyring clients get) before
# the first file of OUTDIR changes; a package whose Package, Version and
# Architecture are published with other content, or two packages of one file
# name, are refused. Clients always see one whole release: its Release asks
# for the indexes by hash (files that never change, those of the previous
# release kept), and each file is moved into place by one rename, InRelease
# last; a run killed at any point leaves the previous release, and the next
# run completes the publish. One run at a time: a second waits for the first.
# The URI of the stanza changes only with --uri.
# usage: scripts/publish-repo.sh OUTDIR DEB... [--key KEYID] [--uri URI]
set -euo pipefail
me=$(basename "$0")
die() { echo "$me: $*" >&2; exit 1; }
usage() { die "usage: $me OUTDIR DEB... [--key KEYID] [--uri URI]"; }
# What is published is for everyone to read (apt's _apt, a web server),
# whatever the caller's umask.
umask 022

suite=halvora
component=main
arch=amd64
keyring_name=halvora-archive-keyring.gpg
installed_keyring=/etc/apt/keyrings/$keyring_name
dist=dists/$suite
bin=$component/binary-$arch
indexes=(Packages Packages.gz)
warn_days=30

key='' uri='' args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --key) [ $# -ge 2 ] || usage; key=$2; shift 2 ;;
    --uri) [ $# -ge 2 ] || usage; uri=$2; shift 2 ;;
    --) shift; args+=("$@"); break ;;
    -*) usage ;;
    *) args+=("$1"); shift ;;
    esac
done
[ ${#args[@]} -ge 2 ] || usage
out=$(realpath -m "${args[0]}")
debs=("${args[@]:1}")
# apt splits URIs at white space.
case "$out$uri" in *[[:space:]]*) die "white space in OUTDIR or URI: $out $uri" ;; esac

for tool in apt-ftparchive gpg gpgv gpgconf flock; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done

# The run's own folder goes when the run ends, however it ends: by the EXIT
# trap, and by a watcher where a SIGKILL leaves no trap to run. With a
# throwaway key it holds a secret key and an agent that would keep it.
tmp="${TMPDIR:-/tmp}/halvora-publish.$$"
reap() {
    if [ -d "$1/gnupg" ]; then
        GNUPGHOME="$1/gnupg" gpgconf --kill gpg-agent 2>/dev/null || true
        GNUPGHOME="$1/gnupg" gpgconf --remove-socketdir 2>/dev/null || true
    fi
    rm -rf "$1"
}
(trap '' INT TERM HUP; tail --pid=$$ -s 0.05 -f /dev/null; reap "$tmp") </dev/null >/dev/null 2>&1 &
made_out=0
temps=()
trap 'reap "$tmp"; rm -f "${temps[@]}"; [ "$made_out" -eq 0 ] || rmdir "$out" 2>/dev/null || true' EXIT
mkdir -m 700 "$tmp" || die "cannot make $tmp"

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

keyring="$out/$keyring_name"
published_fpr=''
if [ -e "$keyring" ]; then
    published_fpr=$(gpg --homedir "$tmp" --with-colons --show-keys "$keyring" 2>/dev/null |
        awk -F: '$1 == "fpr" { print $10; exit }') || true
    [ -n "$published_fpr" ] || die "$keyring holds no key"
elif [ -e "$out/$dist/InRelease" ]; then
    [ -n "$key" ] || die "$out is published without its keyring $keyring_name: give --key"
fi

throwaway=0
if [ -z "$key" ] && [ -n "$published_fpr" ]; then
    # Clients trust only the published key: signing with any other locks
    # every one of them out.
    gpg --list-secret-keys -- "$published_fpr" >/dev/null 2>&1 ||
        die "$out is signed by $published_fpr, whose secret key is not in ${GNUPGHOME:-~/.gnupg}: nothing changed; set GNUPGHOME to where that key is, or give --key to change to a new key on purpose"
    key=$published_fpr
elif [ -z "$key" ]; then
    throwaway=1
    export GNUPGHOME="$tmp/gnupg"
    mkdir -m 700 "$GNUPGHOME"
    gpg --quiet --gen-key 2>"$tmp/gen-key.log" <<EOF ||
%no-protection
Key-Type: eddsa
Key-Curve: ed25519
Key-Usage: sign
Name-Real: Halvora Backup throwaway test archive key
Expire-Date: 90d
%commit
EOF
        { cat "$tmp/gen-key.log" >&2; die "no throwaway key"; }
fi
# Exactly one key: a user id that matched several would export them all into
# the keyring and have apt trust each.
mapfile -t fprs < <(gpg --with-colons --list-secret-keys ${key:+-- "$key"} 2>/dev/null |
    awk -F: '$1 == "sec" { want = 1 } $1 == "fpr" && want { print $10; want = 0 }')
[ ${#fprs[@]} -eq 1 ] || die "--key $key must name exactly one secret key in ${GNUPGHOME:-~/.gnupg}, found ${#fprs[@]}"
fpr=${fprs[0]}
[ "$throwaway" -eq 0 ] || echo "$me: no --key: signed with a throwaway key made for this run ($fpr), for testing only" >&2

# The (sub)key that signs: the newest that can sign and has not expired, as
# gpg would choose, named to gpg with "!" so that it takes no other. An
# expired one is refused now, before anything changes, for every client
# would refuse its signature (EXPKEYSIG); one that expires soon is named.
now=$(date +%s)
signing=$(gpg --with-colons --fixed-list-mode --list-keys -- "$fpr" 2>/dev/null | awk -F: -v now="$now" '
    $1 == "pub" || $1 == "sub" { kind = $1; bad = ($2 ~ /[eri]/ || ($7 != "" && $7 <= now)); until = $7
        created = $6; can = ($12 ~ /s/) }
    $1 == "fpr" && kind != "" {
        if (kind == "pub") { print "primary " $10 " " (until == "" ? 0 : until) " " bad }
        if (can && !bad && (kind == "sub" || best == "") && created >= newest) {
            best = $10; best_exp = (until == "" ? 0 : until); newest = created }
        if (can && bad && until != "") { gone = $10 " " until }
        kind = "" }
    END { if (best != "") print "signer " best " " best_exp; else if (gone != "") print "expired " gone }')
day() { date -ud "@$1" +%F; }
signer=''
while read -r what who until bad; do
    case "$what" in
    primary) [ "${bad:-0}" -eq 0 ] || die "the key $who expired on $(day "$until") (or is revoked): nothing changed; extend it (gpg --quick-set-expire) and hand clients the new $keyring_name" ;;
    expired) die "the signing subkey $who of $fpr expired on $(day "$until"): nothing changed; extend it or add a new one" ;;
    signer) signer=$who ;;
    esac
    # The primary key signing itself is named once.
    if [ "$what" != expired ] && { [ "$what" = primary ] || [ "$who" != "$fpr" ]; } &&
        [ "$until" -ne 0 ] && [ "$until" -le $((now + warn_days * 86400)) ]; then
        echo "$me: WARNING: the signing key $who expires on $(day "$until") UTC, within $warn_days days: extend it (gpg --quick-set-expire) and have every client install the new $keyring_name before then, or they all stop updating (EXPKEYSIG)" >&2
    fi
done <<<"$signing"
[ -n "$signer" ] || die "the key $fpr has no (sub)key that can sign"

# The new release, made aside: the index is the published one with the new
# packages' entries added (apt-ftparchive reads them through links named as
# their place in the pool will be).
mkdir -p "$tmp/farm" "$tmp/$dist/$bin"
for i in "${!new_debs[@]}"; do
    mkdir -p "$(dirname "$tmp/farm/${new_targets[$i]}")"
    ln -s "${new_debs[$i]}" "$tmp/farm/${new_targets[$i]}"
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
sign() { gpg --yes --quiet --local-user "$signer!" --digest-algo SHA512 "$@" 2>"$tmp/sign.log" ||
    { cat "$tmp/sign.log" >&2; die "signing with $signer failed: nothing changed"; }; }
sign --clearsign --output "$tmp/InRelease" "$tmp/Release"
sign --armor --detach-sign --output "$tmp/Release.gpg" "$tmp/Release"
gpg --export --export-options export-minimal "$fpr" >"$tmp/$keyring_name"
# What apt will check, checked here first: the signatures against the keyring
# a client installs.
verify() {
    gpgv --homedir "$tmp" --keyring "$tmp/$keyring_name" "$@" 2>"$tmp/gpgv.log" ||
        { cat "$tmp/gpgv.log" >&2; die "the signature does not verify: $*: nothing changed"; }
}
verify "$tmp/InRelease"
verify "$tmp/Release.gpg" "$tmp/Release"
release=$(release_hashes "$tmp/Release")

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
# keyring and then the release files, InRelease last. A killed run leaves
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

# The indexes of this release and of the previous one stay: a client that
# fetched the previous InRelease a moment ago still finds what it lists.
for file in "$out/$dist/$bin/by-hash/SHA256"/*; do
    hash=${file##*/}
    grep -q "^$hash " <<<"$release
$previous" || rm -f "$file"
done
echo "$out: $suite/$component ($arch), signed by $fpr"
if [ -n "$published_fpr" ] && [ "$published_fpr" != "$fpr" ]; then
    echo "$me: the signing key changed from $published_fpr to $fpr: every client must install the new $keyring_name as $installed_keyring before its next apt-get update"
fi
