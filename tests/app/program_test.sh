#!/usr/bin/env bash
# The program as a person starts it: one copy per session, and the headless
# host ending cleanly on SIGTERM. Usage: program_test.sh path/to/velmora
set -u
velmora=$1
work=$(mktemp -d)
trap 'kill $first $host 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run HOME=$work QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }

"$velmora" --port 0 >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 50); do [ -S "$work/run/xevlah11" ] && break; sleep 0.1; done
[ -S "$work/run/xevlah11" ] || fail "the first copy did not start answering"

timeout 5 "$velmora" --port 0 >"$work/second.log" 2>&1
[ $? -eq 0 ] || fail "the second copy did not end at once"
kill -0 $first 2>/dev/null || fail "the first copy ended"
[ -e "$work/run/velmora.lock" ] || fail "no velmora lock held"

# Another runtime folder is another session: copies may run side by side.
mkdir -m 700 "$work/run2"
XDG_RUNTIME_DIR=$work/run2 timeout 2 "$velmora" --port 0 >/dev/null 2>&1
[ $? -eq 124 ] || fail "a copy in its own session was refused"

"$velmora" --serve --port 0 >"$work/host.log" 2>&1 &
host=$!
for _ in $(seq 50); do grep -q listening "$work/host.log" && break; sleep 0.1; done
grep -q "Velmora host listening on port" "$work/host.log" || fail "headless host did not start"
kill -TERM $host
wait $host
[ $? -eq 0 ] || fail "headless host did not end cleanly"
echo "1 passed, 0 failed"
