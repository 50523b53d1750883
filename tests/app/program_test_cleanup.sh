#!/usr/bin/env bash
# program_test.sh failing early still ends the copy it started. A stand-in
# for the program runs the real one at the first start and fails every later
# start, so the script fails while its first copy is running.
# Usage: program_test_cleanup.sh path/to/program_test.sh path/to/velmora
set -u
script=$1 real=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cat >"$work/velmora" <<STAND_IN
#!/usr/bin/env bash
if [ ! -e "$work/first.pid" ]; then echo \$\$ >"$work/first.pid"; exec "$real" "\$@"; fi
exit 3
STAND_IN
chmod +x "$work/velmora"

bash "$script" "$work/velmora" >"$work/out.log" 2>&1
status=$?
cat "$work/out.log"
[ $status -ne 0 ] || fail "the test passed with a program that fails"
grep -q "FAIL: the second copy did not end at once" "$work/out.log" || fail "it failed for another reason"
[ -s "$work/first.pid" ] || fail "the first copy never started"
first=$(cat "$work/first.pid")
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$first" 2>/dev/null; then
  kill "$first"
  fail "the first copy was left running"
fi
grep -q "unbound variable" "$work/out.log" && fail "the exit trap named an unset variable"
echo "1 passed, 0 failed"
