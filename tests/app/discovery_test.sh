#!/usr/bin/env bash
# Two copies on one machine: a headless host announcing its table to the
# loopback address, and `--find` listing it; with nobody announcing, --find
# says so by its exit code. Nothing leaves the loopback address.
# Usage: discovery_test.sh path/to/velmora
set -u
velmora=$1
work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
waitfor() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; "$@"; }

# A port of our own for the announcements, so parallel runs stay apart.
udp=$((20000 + RANDOM % 30000))
"$velmora" --serve --port 0 --announce-to 127.0.0.1 --discovery-port "$udp" --name "Test table" \
  >"$work/serve.log" 2>&1 &
server=$!
waitfor grep -q "listening on port" "$work/serve.log" || fail "the host did not start: $(cat "$work/serve.log")"
tcp=$(sed -n 's/.*listening on port //p' "$work/serve.log")
version=$("$velmora" --version | cut -d' ' -f2)

timeout 30 "$velmora" --find --timeout 5 --discovery-port "$udp" >"$work/found.txt" 2>"$work/find.log"
rc=$?
[ $rc -eq 0 ] || fail "--find exited $rc: $(cat "$work/find.log")"
printf '127.0.0.1\t%s\tTest table\t0\t0\t%s\n' "$tcp" "$version" >"$work/expected.txt"
cmp -s "$work/found.txt" "$work/expected.txt" || fail "--find printed: $(cat -A "$work/found.txt")"

kill "$server"
wait "$server"
server=
timeout 30 "$velmora" --find --timeout 1 --discovery-port "$udp" >"$work/none.txt" 2>&1
rc=$?
[ $rc -eq 1 ] || fail "--find with no table exited $rc"
[ -s "$work/none.txt" ] && fail "--find with no table printed: $(cat "$work/none.txt")"
echo "discovery: ok"
