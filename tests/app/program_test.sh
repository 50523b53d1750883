#!/usr/bin/env bash
# The program as a person starts it: one copy per session, also when two
# starts race, and the headless host ending cleanly on SIGTERM.
# Usage: program_test.sh path/to/velmora
set -u
velmora=$1
work=$(mktemp -d)
started=()  # every copy this script started, ended on any way out
cleanup() {
  for p in "${started[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run HOME=$work QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
# Polls up to five seconds for a command to succeed.
waitfor() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; "$@"; }
alive() { kill -0 "$1" 2>/dev/null; }

"$velmora" --port 0 >"$work/first.log" 2>&1 &
first=$!
started+=("$first")
waitfor test -S "$work/run/xevlah11" || fail "the first copy did not start answering"

timeout 5 "$velmora" --port 0 >"$work/second.log" 2>&1
[ $? -eq 0 ] || fail "the second copy did not end at once"
alive "$first" || fail "the first copy ended"
[ -e "$work/run/velmora.lock" ] || fail "no velmora lock held"
kill "$first"

# Two starts at the same moment in a fresh session: one ends, one stays, and
# the one that stays answers the next start.
both() { alive "$a" && alive "$b"; }
for round in 1 2 3; do
  run="$work/race$round"
  mkdir -m 700 "$run"
  XDG_RUNTIME_DIR=$run "$velmora" --port 0 >"$work/a.log" 2>&1 &
  a=$!
  XDG_RUNTIME_DIR=$run "$velmora" --port 0 >"$work/b.log" 2>&1 &
  b=$!
  started+=("$a" "$b")
  for _ in $(seq 100); do both || break; sleep 0.1; done
  both && fail "two quick starts left two copies running (round $round)"
  if alive "$a"; then stays=$a ended=$b; else stays=$b ended=$a; fi
  wait "$ended"
  [ $? -eq 0 ] || fail "the copy that gave way did not end cleanly (round $round)"
  alive "$stays" || fail "neither copy stayed (round $round)"
  XDG_RUNTIME_DIR=$run timeout 5 "$velmora" --port 0 >/dev/null 2>&1
  [ $? -eq 0 ] || fail "the copy that stayed does not answer (round $round)"
  kill "$stays"
done

# Another runtime folder is another session: copies may run side by side.
mkdir -m 700 "$work/run2"
XDG_RUNTIME_DIR=$work/run2 timeout 2 "$velmora" --port 0 >/dev/null 2>&1
[ $? -eq 124 ] || fail "a copy in its own session was refused"

"$velmora" --serve --port 0 >"$work/host.log" 2>&1 &
host=$!
started+=("$host")
waitfor grep -q "Velmora host listening on port" "$work/host.log" || fail "headless host did not start"
kill -TERM "$host"
wait "$host"
[ $? -eq 0 ] || fail "headless host did not end cleanly"
# SIGTERM ends a window at a running game without asking: the question is
# for the player's own close. A stranger owns a headless table and starts a
# game; the window joins it as the second player.
"$velmora" --serve --port 0 >"$work/table.log" 2>&1 &
table=$!
started+=("$table")
waitfor grep -q "Velmora host listening on port" "$work/table.log" || fail "the table did not start"
port=$(sed -n 's/.*listening on port \([0-9]*\).*/\1/p' "$work/table.log" | head -1)
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'CMD_logininfo+1+1.0.0+Ann\377\377CMD_startgame+Ann+\377' >&3
"$velmora" Bob 127.0.0.1 false --port "$port" >"$work/window.log" 2>&1 &
window=$!
started+=("$window")
# A window's start (display, fonts, first picture) takes longer on a busy machine.
for _ in $(seq 200); do grep -q "place 2: logged in" "$work/table.log" && break; sleep 0.1; done
grep -q "place 2: logged in" "$work/table.log" || fail "the window did not join"
sleep 1  # the snapshot that follows the login tells the window of the game
kill -TERM "$window"
for _ in $(seq 50); do alive "$window" || break; sleep 0.1; done
alive "$window" && fail "SIGTERM did not end the window at a running game"
exec 3>&-
kill "$table"
echo "1 passed, 0 failed"
