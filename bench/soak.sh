#!/bin/bash
# Soak of the computer players: 100,000 four-seat games and 20,000 each at
# two and three seats (seeds 1 and up), every invariant checked after every
# move. Not run by ctest: it takes minutes. Exits 1 if any game broke a
# check or never ended, naming the seeds.
#   bench/soak.sh [path/to/velmora-sim]   (default: build/src/host/velmora-sim)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
sim=${1:-$here/build/src/host/velmora-sim}
[ -x "$sim" ] || { echo "soak: no velmora-sim at $sim (build it first)" >&2; exit 2; }

status=0
for run in "4 100000" "3 20000" "2 20000"; do
    set -- $run
    echo "== $1 seats, $2 games, checked after every move"
    if ! "$sim" --games "$2" --seed 1 --seats "$1" --check-every 1 --keep-going; then
        status=1
    fi
done
exit $status
