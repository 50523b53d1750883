#!/bin/bash
# Many tables on one machine: starts N dedicated servers (default 100) on
# loopback, measures them idle, then has one person at each table start a
# game and watch while the computer plays, and measures again. Prints the
# resident memory (mean and largest, MiB) and CPU (per cent of one core,
# mean per table) of each phase. Goal: an idle table within 10 MiB.
# With "ops" each table also serves its metrics (--metrics 127.0.0.1:0) and
# speaks to an Agones SDK sidecar, a stand-in on loopback that answers every
# call (health every 5 s).
# Not run by ctest. Nothing leaves the loopback address.
#   bench/tables.sh [N] [SECONDS] [path/to/velmora-server] [ops]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-100}
seconds=${2:-20}
server=${3:-$here/build/src/app/velmora-server}
ops=${4:-}
[ -x "$server" ] || { echo "tables: no velmora-server at $server (build it first)" >&2; exit 2; }
work=$(mktemp -d)
pids=()
peers=()
cleanup() {
    for p in "${peers[@]}" "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work

extra=()
if [ "$ops" = ops ]; then
    python3 -c '
import http.server, sys
class Sidecar(http.server.BaseHTTPRequestHandler):
    def answer(self):
        self.rfile.read(int(self.headers.get("Content-Length", 0)))
        self.send_response(200); self.send_header("Content-Length", "2"); self.end_headers(); self.wfile.write(b"{}")
    do_POST = do_PUT = answer
    def log_message(self, *args): pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Sidecar)
print(server.server_port, flush=True)
server.serve_forever()' >"$work/sidecar.port" &
    peers+=($!)
    for _ in $(seq 50); do [ -s "$work/sidecar.port" ] && break; sleep 0.1; done
    export AGONES_SDK_HTTP_PORT=$(cat "$work/sidecar.port")
    extra=(--metrics 127.0.0.1:0)
fi
for i in $(seq "$n"); do
    "$server" --port 0 "${extra[@]}" >"$work/$i.log" 2>/dev/null &
    pids+=($!)
done
ports=()
for i in $(seq "$n"); do
    for _ in $(seq 100); do grep -q "listening on port" "$work/$i.log" && break; sleep 0.1; done
    ports+=("$(sed -n 's/.*listening on port //p' "$work/$i.log")")
done
[ ${#ports[@]} -eq "$n" ] || { echo "tables: not every server started" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
cputicks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rsskib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
psskib() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }
# Memory now and CPU over the next $seconds seconds, per table.
measure() {
    local before=() total=0 largest=0 pss=0 cpu=0 i=0
    for p in "${pids[@]}"; do before+=("$(cputicks "$p")"); done
    sleep "$seconds"
    for p in "${pids[@]}"; do
        local rss used
        rss=$(rsskib "$p")
        used=$(( $(cputicks "$p") - before[i] ))
        total=$((total + rss)); cpu=$((cpu + used)); pss=$((pss + $(psskib "$p")))
        [ "$rss" -gt "$largest" ] && largest=$rss
        i=$((i + 1))
    done
    awk -v phase="$1" -v n="$n" -v total="$total" -v largest="$largest" -v pss="$pss" -v cpu="$cpu" \
        -v t="$ticks" -v s="$seconds" \
        'BEGIN { printf "%-8s %3d tables: resident mean %.2f MiB, largest %.2f MiB, PSS mean %.2f MiB; CPU mean %.3f%% of a core per table\n",
                 phase, n, total / n / 1024, largest / 1024, pss / n / 1024, 100 * cpu / t / s / n }'
}

measure idle
# One person per table logs in, starts a game and watches; the computer
# plays. bash's /dev/tcp keeps it to the shell.
for port in "${ports[@]}"; do
    (
        exec 3<>"/dev/tcp/127.0.0.1/$port" || exit 1
        printf 'CMD_logininfo+1+1.0.0+Bench\377' >&3
        sleep 1
        printf 'CMD_startgame+Bench+\377CMD_justwatch+1+1\377' >&3
        exec cat <&3 >/dev/null
    ) &
    peers+=($!)
done
sleep 2
measure playing
