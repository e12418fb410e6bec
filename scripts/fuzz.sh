#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset and runs each one for a
# bounded time; fails on a crash, a leak, undefined behaviour or an entry
# unpacked outside its folder. What a run found is kept under
# build/fuzz/runs (<target>-crash-*, <target>-leak-*). The files the targets
# write go to a folder of this run's own in memory, removed at the end.
# usage: scripts/fuzz.sh [seconds per target]   (default: 24)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${1:-24}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

# Absolute paths: the extractor target works in a folder of its own.
bin=$PWD/build/fuzz/fuzz
out=$PWD/build/fuzz/runs
rm -rf "$out"
mkdir -p "$out/extractor-seeds" "$out/record-seeds" "$out/marker_pid-seeds"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=$out
TMPDIR=$(mktemp -d "$shm/halvora-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
"$bin/make_extractor_seeds" "$out/extractor-seeds"
"$bin/make_own_file_seeds" "$out/record-seeds" "$out/marker_pid-seeds"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for target in config ustring extractor record marker_pid; do
  seeds=("$PWD/tests/fuzz/$target")
  [ -d "$out/$target-seeds" ] && seeds+=("$out/$target-seeds")
  mkdir -p "$out/$target-corpus"
  echo "== $target: $seconds s"
  # The first folder collects what the run discovers; the seeds stay as they are.
  if ! "$bin/${target}_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -close_fd_mask=1 -artifact_prefix="$out/$target-" \
      "$out/$target-corpus" "${seeds[@]}" >"$out/$target.log" 2>&1; then
    tail -n 60 "$out/$target.log"
    echo "fuzz: $target failed; the input is under $out" >&2
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb' \
    "$out/$target.log" || true
done
