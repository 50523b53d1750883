#!/bin/bash
# Start-up of the game against an empty Qt 6 main window, one run each in
# turn (so a busy machine weighs on both alike), five rounds, under a private
# Xvfb. Reports the median of each figure and the game's margin over the
# empty window: time to the first mapped window, resident memory 3 s after
# the start, CPU ticks from 3 s to 8 s (idle); also the CPU time spent until
# the map, which a busy machine disturbs less than the wall-clock time, and the
# time until the window first shows anything (its first paint). Not run by ctest.
#   bench/startup.sh [build-dir] [rounds]     (default: build, 5)
# Goals: map <= empty + 15 ms, resident <= empty + 6 MiB, 0 idle ticks.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rounds=${2:-5}
game=$build/src/app/velmora
empty=$build/bench/bench_emptywindow
probe=$build/bench/bench_startprobe
for f in "$game" "$empty" "$probe"; do
    [ -x "$f" ] || { echo "startup: missing $f (cmake --build $build --target velmora bench_emptywindow bench_startprobe)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The game's settings, tally and single-copy lock stay in the scratch folder.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

exec 3> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/displayfd")

run() {  # name program...
    local name=$1; shift
    "$probe" "$@" 2>> "$work/$name.stderr" | sed "s/^/$name /" >> "$work/results"
}
: > "$work/results"
for r in $(seq "$rounds"); do
    run empty "$empty"
    # Port 0: the solo game's host takes any free port, never the real one.
    run game "$game" --port 0
done

median() {  # name key
    grep "^$1 " "$work/results" | tr ' ' '\n' | sed -n "s/^$2=//p" | sort -g |
        awk '{v[NR]=$1} END {if (NR==0) print "nan"; else if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'
}
echo "rounds: $rounds (median of each)"
printf '%-22s %10s %10s %10s\n' "" empty game "game-empty"
for key in ms_to_map cpu_ms_to_map ms_to_paint rss_kib idle_ticks; do
    e=$(median empty $key); g=$(median game $key)
    printf '%-22s %10s %10s %10s\n' "$key" "$e" "$g" "$(awk -v a="$g" -v b="$e" 'BEGIN{printf "%+.1f", a-b}')"
done
e=$(median empty ms_to_map); g=$(median game ms_to_map)
em=$(median empty rss_kib); gm=$(median game rss_kib); gi=$(median game idle_ticks)
awk -v e="$e" -v g="$g" -v em="$em" -v gm="$gm" -v gi="$gi" 'BEGIN {
    printf "ratio map %.2f, resident %.2f\n", g/e, gm/em
    ok = (g <= e + 15) && (gm <= em + 6*1024) && (gi == 0)
    printf "goals (map +15 ms, resident +6 MiB, 0 idle ticks): %s\n", ok ? "met" : "NOT met"
}'
echo "all runs:"; cat "$work/results"
