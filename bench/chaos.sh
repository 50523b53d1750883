#!/bin/bash
# Crash and resume at scale: velmora-server with a person at every seat, each
# watching while the computer plays, is killed with SIGKILL at random moments
# N times (default 20) and resumed from its state file each time; every seat
# comes back with its token and the table it is shown is checked against the
# file (the 108 cards, each hand, stage, laid group and score, the turn);
# after the last resume the game is played to its end. Prints one line:
#   resumed K of N, games ended G, cards intact K
# Runs the server at --pace 250 (a game in a few seconds) and kills it on
# average once a second. Not run by ctest. Nothing leaves the loopback address.
#   bench/chaos.sh [N] [path/to/velmora-server]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-20}
server=${2:-$here/build/src/app/velmora-server}
chaos=$here/build/bench/bench_chaos
[ -x "$server" ] || { echo "chaos: no velmora-server at $server (build it first)" >&2; exit 2; }
[ -x "$chaos" ] || { echo "chaos: no $chaos (cmake --build build --target bench_chaos)" >&2; exit 2; }
exec "$chaos" "$n" "$server" --pace "${CHAOS_PACE:-250}" --mean-ms "${CHAOS_MEAN_MS:-1000}"
