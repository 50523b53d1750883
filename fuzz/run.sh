#!/usr/bin/env bash
# fuzz/run.sh BUILD_DIR NAME SECONDS [WORK_DIR]
# Runs the target fuzz_NAME for SECONDS over its committed seeds (which hold
# every input that once failed) plus what earlier runs found in WORK_DIR,
# with the command-name dictionary. A failing input is kept in
# WORK_DIR/crashes and the run fails; the last line sums the run up.
#
# libFuzzer's 1 s limit is wall time, so on a busy machine (or under nice) a
# quick input can be stopped as a hang. A timeout is therefore tried again
# alone: only one that still takes over a second counts; one that does not
# is moved to WORK_DIR/busy and fuzzing goes on for the time that is left.
set -uo pipefail
build=$1 name=$2 seconds=$3
here=$(cd "$(dirname "$0")" && pwd)
work=${4:-$build/work/$name}
target=$build/fuzz_$name
mkdir -p "$work/corpus" "$work/crashes" "$work/busy"
log=$work/last.log
: >"$log.all"

# A timeout input that finishes within the limit at least once in three
# tries alone is the machine's load, not a hang.
recurs() {
  local try
  for try in 1 2 3; do
    "$target" -timeout=1 -runs=1 "$1" >/dev/null 2>&1 && return 1
  done
  return 0
}

deadline=$((SECONDS + seconds)) runs=0 busy=0 status=0
while left=$((deadline - SECONDS)); [ "$left" -gt 0 ]; do
  "$target" -max_total_time="$left" -timeout=1 -rss_limit_mb=2048 \
    -dict="$build/velmora.dict" -artifact_prefix="$work/crashes/" -print_final_stats=1 \
    "$work/corpus" "$here/corpus/$name" >"$log" 2>&1
  status=$?
  cat "$log" >>"$log.all"
  runs=$((runs + $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1 | grep . || echo 0)))
  [ "$status" -eq 0 ] && break
  input=$(ls -t "$work"/crashes/timeout-* 2>/dev/null | head -1)
  grep -q 'libFuzzer: timeout' "$log" && [ -n "$input" ] && ! recurs "$input" || break
  mv "$input" "$work/busy/" && busy=$((busy + 1)) status=0
done
edges=$(grep -oE 'cov: [0-9]+' "$log.all" | tail -1 | cut -d' ' -f2)
rate=$((runs / (seconds > 0 ? seconds : 1)))
if [ "$status" -ne 0 ]; then
  tail -60 "$log"
  echo "fuzz_$name FAILED after ${runs} inputs; input kept in $work/crashes:" $(ls "$work/crashes")
  exit 1
fi
echo "fuzz_$name: ${seconds} s, ${runs} inputs, ${rate} exec/s, ${edges:-?} edges, no findings" \
  "(${busy} timeouts did not recur alone)"
