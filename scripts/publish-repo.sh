#!/usr/bin/env bash
# Publishes Debian packages as a signed apt repository in OUTDIR:
#   pool/main/<letter>/<package>/*.deb      the packages (a published file is never replaced)
#   dists/halvora/{InRelease,Release,Release.gpg}, main/binary-amd64/Packages{,.gz}
#   halvora-archive-keyring.gpg             the signing key, a binary keyring
#   halvora.sources                         the deb822 stanza for /etc/apt/sources.list.d
# The suite and codename are the vendor's own, "halvora": a pin on Debian's
# suite names never matches this repository.
# It signs with --key KEYID from the caller's GNUPGHOME. Without --key an
# existing repository is signed again with the key of its keyring, which must
# be in GNUPGHOME, and a new one with a throwaway key, for tests only: the
# key changes only when --key names another one.
# Nothing is changed unless every package can be published: a package whose
# Package, Version and Architecture are published with other content, or two
# packages of one file name, are refused.
# usage: scripts/publish-repo.sh OUTDIR DEB... [--key KEYID] [--uri URI]
set -euo pipefail
me=$(basename "$0")
die() { echo "$me: $*" >&2; exit 1; }
usage() { die "usage: $me OUTDIR DEB... [--key KEYID] [--uri URI]"; }

suite=halvora
component=main
arch=amd64
keyring_name=halvora-archive-keyring.gpg
installed_keyring=/etc/apt/keyrings/$keyring_name

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
[ -n "$uri" ] || uri="file:$out"

for tool in apt-ftparchive gpg gpgv; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done

tmp=$(mktemp -d /tmp/halvora-publish.XXXXXX)
throwaway=0
cleanup() {
    # The throwaway key's agent would outlive its home.
    [ "$throwaway" -eq 0 ] || GNUPGHOME="$tmp/gnupg" gpgconf --kill gpg-agent 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# Every package is checked before anything is made or copied. Clients may hold an
# index with a published file's checksum, and apt takes a package by its
# name, version and architecture: neither may come to mean other bytes.
identity() { dpkg-deb -W --showformat='${Package} ${Version} ${Architecture}' "$1"; }
declare -A published # "package version architecture" -> a file of the pool
if [ -d "$out/pool" ]; then
    while IFS= read -r -d '' file; do
        published["$(identity "$file")"]=$file
    done < <(find "$out/pool" -name '*.deb' -type f -print0)
fi
declare -A named # file name -> the package of this run that has it
targets=()
for deb in "${debs[@]}"; do
    name=$(dpkg-deb -f "$deb" Package) || die "not a Debian package: $deb"
    deb_arch=$(dpkg-deb -f "$deb" Architecture)
    [ "$deb_arch" = "$arch" ] || [ "$deb_arch" = all ] || die "$deb is for $deb_arch, the repository for $arch"
    file=$(basename "$deb")
    [ -z "${named[$file]:-}" ] || die "two packages named $file: ${named[$file]} and $deb"
    named[$file]=$deb
    id=$(identity "$deb")
    same=${published[$id]:-}
    [ -z "$same" ] || cmp -s "$deb" "$same" ||
        die "$deb: $id is published as ${same#"$out/"} with other content: nothing changed; give the package a new version"
    published[$id]=$deb
    target="pool/$component/${name:0:1}/$name/$file"
    # The same bytes published under another name are there already.
    [ -z "$same" ] || [ "$same" = "$out/$target" ] || target=''
    targets+=("$target")
done
keyring="$out/$keyring_name"
published_fpr=''
if [ -e "$keyring" ]; then
    published_fpr=$(gpg --homedir "$tmp" --batch --with-colons --show-keys "$keyring" 2>/dev/null |
        awk -F: '$1 == "fpr" { print $10; exit }') || true
    [ -n "$published_fpr" ] || die "$keyring holds no key"
elif [ -e "$out/dists/$suite/InRelease" ]; then
    [ -n "$key" ] || die "$out is published without its keyring $keyring_name: give --key"
fi

if [ -z "$key" ] && [ -n "$published_fpr" ]; then
    # Clients trust only the published key: signing with any other locks
    # every one of them out.
    gpg --batch --list-secret-keys -- "$published_fpr" >/dev/null 2>&1 ||
        die "$out is signed by $published_fpr, whose secret key is not in ${GNUPGHOME:-~/.gnupg}: nothing changed; set GNUPGHOME to where that key is, or give --key to change to a new key on purpose"
    key=$published_fpr
elif [ -z "$key" ]; then
    throwaway=1
    export GNUPGHOME="$tmp/gnupg"
    mkdir -m 700 "$GNUPGHOME"
    gpg --batch --quiet --gen-key 2>"$tmp/gen-key.log" <<EOF ||
%no-protection
Key-Type: eddsa
Key-Curve: ed25519
Key-Usage: sign
Name-Real: Halvora Backup throwaway test archive key
Expire-Date: 7d
%commit
EOF
        { cat "$tmp/gen-key.log" >&2; die "no throwaway key"; }
fi
# Exactly one key: a user id that matched several would export them all into
# the keyring and have apt trust each.
mapfile -t fprs < <(gpg --batch --with-colons --list-secret-keys ${key:+-- "$key"} 2>/dev/null |
    awk -F: '$1 == "sec" { want = 1 } $1 == "fpr" && want { print $10; want = 0 }')
[ ${#fprs[@]} -eq 1 ] || die "--key $key must name exactly one secret key in ${GNUPGHOME:-~/.gnupg}, found ${#fprs[@]}"
fpr=${fprs[0]}
[ "$throwaway" -eq 0 ] || echo "$me: no --key: signed with a throwaway key made for this run ($fpr), for testing only" >&2

for i in "${!debs[@]}"; do
    [ -n "${targets[$i]}" ] || continue
    target="$out/${targets[$i]}"
    [ ! -e "$target" ] || continue
    mkdir -p "$(dirname "$target")"
    install -m 644 "${debs[$i]}" "$target.new"
    mv "$target.new" "$target"
done

# The indexes are made aside, so that Release lists only them (never the
# Release already published), and moved in just before the signed files.
dist="dists/$suite"
bin="$component/binary-$arch"
mkdir -p "$tmp/$dist/$bin"
(cd "$out" && apt-ftparchive packages "pool/$component") >"$tmp/$dist/$bin/Packages" 2>"$tmp/ftparchive.log" ||
    { cat "$tmp/ftparchive.log" >&2; exit 1; }
gzip -9n <"$tmp/$dist/$bin/Packages" >"$tmp/$dist/$bin/Packages.gz"

apt-ftparchive \
    -o APT::FTPArchive::Release::Origin=Veltrane \
    -o APT::FTPArchive::Release::Label="Halvora Backup" \
    -o APT::FTPArchive::Release::Suite="$suite" \
    -o APT::FTPArchive::Release::Codename="$suite" \
    -o APT::FTPArchive::Release::Architectures="$arch" \
    -o APT::FTPArchive::Release::Components="$component" \
    release "$tmp/$dist" >"$tmp/Release"
sign() { gpg --batch --yes --quiet --local-user "$fpr" --digest-algo SHA512 "$@"; }
sign --clearsign --output "$tmp/InRelease" "$tmp/Release"
sign --armor --detach-sign --output "$tmp/Release.gpg" "$tmp/Release"
gpg --batch --export --export-options export-minimal "$fpr" >"$tmp/$keyring_name"
# What apt will check, checked here first: the signatures against the keyring
# a client installs.
verify() {
    gpgv --homedir "$tmp" --keyring "$tmp/$keyring_name" "$@" 2>"$tmp/gpgv.log" ||
        { cat "$tmp/gpgv.log" >&2; die "the signature does not verify: $*"; }
}
verify "$tmp/InRelease"
verify "$tmp/Release.gpg" "$tmp/Release"
chmod 644 "$tmp/$dist/$bin"/Packages* "$tmp/Release" "$tmp/InRelease" "$tmp/Release.gpg" "$tmp/$keyring_name"
mkdir -p "$out/$dist/$bin"
mv "$tmp/$dist/$bin"/Packages* "$out/$dist/$bin/"
mv "$tmp/Release" "$tmp/Release.gpg" "$tmp/InRelease" "$out/$dist/"
mv "$tmp/$keyring_name" "$out/"

cat >"$tmp/halvora.sources" <<EOF
Types: deb
URIs: $uri
Suites: $suite
Components: $component
Architectures: $arch
Signed-By: $installed_keyring
EOF
chmod 644 "$tmp/halvora.sources"
mv "$tmp/halvora.sources" "$out/"
echo "$out: $suite/$component ($arch), signed by $fpr"
if [ -n "$published_fpr" ] && [ "$published_fpr" != "$fpr" ]; then
    echo "$me: the signing key changed from $published_fpr to $fpr: every client must install the new $keyring_name as $installed_keyring before its next apt-get update"
fi
