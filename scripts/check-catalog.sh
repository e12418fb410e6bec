#!/usr/bin/env bash
# Every MESSAGE_ID the launcher sends to the journal has an entry in the
# catalog the package installs, and every entry there is one it sends: the
# catalog is compiled by journalctl itself (in a scratch root) and listed.
# With --installed, the ids are also looked up in this machine's catalog
# index, which the installed package must have brought up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
catalog=packaging/halvora-launcher.catalog
sent=$(grep -ohE '"[0-9a-f]{32}"' launcher/install/outcome-journal.cpp | tr -d '"' | sort -u)
[ "$(wc -w <<<"$sent")" -eq 6 ] || { echo "expected six MESSAGE_IDs in the code, found: $sent" >&2; exit 1; }
root=$(mktemp -d /tmp/halvora-catalog.XXXXXX)
trap 'rm -rf "$root"' EXIT
install -D -m 644 "$catalog" "$root/usr/lib/systemd/catalog/halvora-launcher.catalog"
journalctl --root="$root" --update-catalog
compare() { # <where> <ids listed there>
    local missing
    missing=$(comm -23 <(echo "$sent") <(sort -u <<<"$2"))
    [ -z "$missing" ] || { echo "$1 explains no entry with MESSAGE_ID $missing" >&2; exit 1; }
}
listed=$(journalctl --root="$root" --list-catalog | awk '{print $1}')
compare "$catalog" "$listed"
extra=$(comm -13 <(echo "$sent") <(sort -u <<<"$listed"))
[ -z "$extra" ] || { echo "$catalog explains ids the launcher never sends: $extra" >&2; exit 1; }
if [ "${1:-}" = "--installed" ]; then
    compare "the installed catalog index" "$(journalctl --list-catalog | awk '{print $1}')"
fi
echo "catalog: $(wc -l <<<"$sent") MESSAGE_IDs, each explained"
