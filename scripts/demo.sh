#!/usr/bin/env bash
# Builds the launcher and the sample installation, then runs the real launch
# in a throwaway system root and home directory:
#   1. first installation (the progress dialog is shown),
#   2. a second start with nothing to upgrade,
#   3. with --upgrade: a start against a package with a higher build number.
# With $DISPLAY set the real dialog appears; otherwise the offscreen platform
# is used.
set -euo pipefail
cd "$(dirname "$0")/.."

upgrade=0
keep=0
for arg in "$@"; do
    case "$arg" in
    --upgrade) upgrade=1 ;;
    --keep) keep=1 ;;
    *) echo "usage: $0 [--upgrade] [--keep]" >&2; exit 2 ;;
    esac
done

scripts/setup.sh
cmake --preset debug >/dev/null
cmake --build --preset debug --target halvora_stage -j"$(nproc)"

work=$(mktemp -d /tmp/halvora-demo.XXXXXX)
root="$work/Halvora"
export HOME="$work/home"
mkdir -p "$HOME"
cp -a build/debug/stage "$root"
if [ -z "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi

cleanup() {
    "$HOME/.HalvoraBackup/Halvora.app/package/start-stop" stop 2>/dev/null || true
    if [ "$keep" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "kept: $work"
    fi
}
trap cleanup EXIT

log="$HOME/.HalvoraBackup/log/launcher.log"
run() {
    echo
    echo "== $1"
    local before=0
    [ -f "$log" ] && before=$(wc -l <"$log")
    local start end
    start=$(date +%s%N)
    local rc=0
    "$root/bin/halvora-launcher" || rc=$?
    end=$(date +%s%N)
    printf 'exit code %d after %d ms; new log lines:\n' "$rc" "$(((end - start) / 1000000))"
    tail -n +"$((before + 1))" "$log" | sed 's/^/    /'
    echo "client pid file: $(cat "$HOME/.HalvoraBackup/ui.pid" 2>/dev/null || echo none)"
}

echo "system root: $root"
echo "home:        $HOME"
run "first start: installs the client from the package and starts it"
run "second start: the copy is up to date, the client is started"
if [ "$upgrade" -eq 1 ]; then
    cp build/debug/stage-next/INFO "$root/INFO"
    cp build/debug/stage-next/package/halvora.hpk "$root/package/halvora.hpk"
    run "after a package update: stops the client, upgrades the copy, starts it again"
fi
