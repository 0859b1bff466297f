#!/bin/sh
# Times paced whole-configuration transfers through ser2net on loopback against a direct
# pseudo-terminal: halvorn-sim --paced sends at the real 1200 baud, ser2net (raw and
# telnet(rfc2217) accepters) sits in front of it. Then kills ser2net in the middle of a read.
# Usage: scripts/bench_remote.sh [build-dir]   (default build-link)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-link}
cmake --build "$build" -j2 --target halvorn-sim orbisk-cli orbisk-link-bench >/dev/null
sim=$build/bin/halvorn-sim
cli=$build/bin/orbisk-cli
bench=$build/tests/bench/orbisk-link-bench
ser2net=${SER2NET:-/usr/sbin/ser2net}
# ser2net's default waits two characters' time (17 ms at 1200 baud) after the line goes quiet
# before it sends on: CHARDELAY=true measures that.
chardelay=${CHARDELAY:-false}
tmp=$(mktemp -d)
sim_pid=
s2n_pid=
cleanup() {
  [ -n "$s2n_pid" ] && kill "$s2n_pid" 2>/dev/null || true
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT INT TERM

# A loopback port nothing listens on.
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

"$sim" --sample "$tmp/sample.rcf"
"$sim" --paced --load "$tmp/sample.rcf" --save-on-write "$tmp/saved.rcf" >"$tmp/sim.out" &
sim_pid=$!
i=0
while [ ! -s "$tmp/sim.out" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
pty=$(head -n 1 "$tmp/sim.out")

raw=$(free_port)
rfc=$(free_port)
cat >"$tmp/ser2net.yaml" <<YAML
connection: &raw
  accepter: tcp,127.0.0.1,$raw
  connector: serialdev,$pty,1200n81,local
  options:
    chardelay: $chardelay
connection: &rfc
  accepter: telnet(rfc2217),tcp,127.0.0.1,$rfc
  connector: serialdev,$pty,9600e71,local
  options:
    chardelay: $chardelay
YAML
"$ser2net" -n -u -P "$tmp/ser2net.pid" -c "$tmp/ser2net.yaml" >"$tmp/ser2net.log" 2>&1 &
s2n_pid=$!
sleep 1

# One line per run: what, where, whether the bytes are those of the simulator, seconds.
run() {
  what=$1 label=$2 port=$3
  rm -f "$tmp/saved.rcf"
  if [ "$what" = read ]; then
    line=$("$bench" read "$port" "$tmp/sample.rcf" || true)
    same=$(echo "$line" | grep -q "ok=1" && echo identical || echo DIFFERENT)
  else
    line=$("$bench" write "$port" "$tmp/sample.rcf" || true)
    sleep 0.3
    same=$(cmp -s -i 8 "$tmp/sample.rcf" "$tmp/saved.rcf" && echo identical || echo DIFFERENT)
  fi
  secs=$(echo "$line" | sed -n 's/.*wall_s=\([0-9.]*\).*/\1/p')
  printf '%-6s %-11s %-10s %8s s\n' "$what" "$label" "$same" "$secs"
}

echo "paced at 1200 baud, sample configuration (ser2net chardelay: $chardelay):"
for what in read write; do
  run "$what" "direct pty" "$pty"
  run "$what" "tcp://" "tcp://127.0.0.1:$raw"
  run "$what" "rfc2217://" "rfc2217://127.0.0.1:$rfc"
done

echo "ser2net killed 2 s into a paced read through tcp://:"
rm -f "$tmp/cut.rcf"
"$cli" read --port "tcp://127.0.0.1:$raw" --out "$tmp/cut.rcf" --no-backup 2>"$tmp/cut.err" &
cli_pid=$!
sleep 2
kill -9 "$s2n_pid"
killed=$(date +%s.%N)
status=0
wait "$cli_pid" || status=$?
ended=$(date +%s.%N)
s2n_pid=
echo "  orbisk-cli ended $(echo "$ended - $killed" | bc | sed 's/^\./0./') s after the kill, exit status $status," \
  "file $([ -e "$tmp/cut.rcf" ] && echo KEPT || echo 'not written')"
sed 's/^/  /' "$tmp/cut.err"
