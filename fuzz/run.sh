#!/usr/bin/env bash
# fuzz/run.sh BUILD_DIR NAME SECONDS [WORK_DIR]
# Runs the target fuzz_NAME for SECONDS over its committed seeds (which hold
# every input that once failed) plus what earlier runs found in WORK_DIR,
# with the command-name dictionary. A failing input is kept in
# WORK_DIR/crashes and the run fails; the last line sums the run up.
set -uo pipefail
build=$1 name=$2 seconds=$3
here=$(cd "$(dirname "$0")" && pwd)
work=${4:-$build/work/$name}
mkdir -p "$work/corpus" "$work/crashes"
log=$work/last.log
"$build/fuzz_$name" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
  -dict="$build/velmora.dict" -artifact_prefix="$work/crashes/" -print_final_stats=1 \
  "$work/corpus" "$here/corpus/$name" >"$log" 2>&1
status=$?
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
edges=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
if [ "$status" -ne 0 ]; then
  tail -60 "$log"
  echo "fuzz_$name FAILED after ${runs:-?} inputs; input kept in $work/crashes:" $(ls "$work/crashes")
  exit 1
fi
echo "fuzz_$name: ${seconds} s, ${runs} inputs, ${rate} exec/s, ${edges} edges, no findings"
