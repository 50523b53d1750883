#!/usr/bin/env bash
# bench/fuzz.sh HOURS — runs every fuzz target for HOURS (fractions allowed),
# one after another on one core, keeping what each finds: new inputs in
# build/fuzz/work/NAME/corpus, failing ones in build/fuzz/work/NAME/crashes.
# Commit a failing input to fuzz/corpus/NAME with its fix.
set -uo pipefail
cd "$(dirname "$0")/.."
hours=${1:?usage: bench/fuzz.sh HOURS}
build=build/fuzz
cxx=$(command -v clang++ || command -v clang++-14) || { echo "needs clang++ (scripts/setup.sh)"; exit 1; }
cmake -DSOURCE_DIR="$PWD/fuzz" -DBINARY_DIR="$PWD/$build" -DCXX="$cxx" -P fuzz/build.cmake || exit 1
names=($(ls fuzz/corpus))  # one target per seed folder
seconds=$(awk -v h="$hours" -v n=${#names[@]} 'BEGIN { printf "%d", h * 3600 / n }')
failed=0
for name in "${names[@]}"; do
  fuzz/run.sh "$build" "$name" "$seconds" || failed=1
done
exit $failed
