#!/usr/bin/env bash
# Start-up time to the first shown window, wake-ups of the idle clock, and resident memory,
# CPU and wake-ups of a running game, for the built program on its own X server (Xvfb), in a
# working folder with the bundled data.
#
#   bench/startup_memory.sh build/src/shogi-clock [runs]
set -euo pipefail
app=$(realpath "$1")
runs=${2:-10}
data=$(cd "$(dirname "$0")/../data" && pwd)
work=$(mktemp -d)
cp -r "$data/bmp" "$data/sound" "$data/対局者.txt" "$work/"
source "$(dirname "$0")/../tests/e2e/xserver.sh"
trap 'stop_x; rm -rf "$work"' EXIT
start_x
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

ms() { date +%s%3N; }
times=()
for _ in $(seq "$runs"); do
  start=$(ms)
  (cd "$work" && exec "$app" >/dev/null 2>&1) &
  pid=$!
  # Polled every 20 ms: faster polling floods the X server's connection queue.
  until xdotool search --onlyvisible --name 'バンクロ７' >/dev/null 2>&1; do sleep 0.02; done
  times+=($(($(ms) - start)))
  kill $pid
  wait $pid 2>/dev/null || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to the first shown window over $runs runs:" \
  "median $(echo "$sorted" | sed -n "$(((runs + 1) / 2))p") ms," \
  "worst $(echo "$sorted" | tail -n 1) ms"

# Context switches of all the program's threads: each is a wake-up.
switches() { cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
wakeups() { # per second over the given seconds
  local before=$(switches)
  sleep "$1"
  awk -v n=$(($(switches) - before)) -v s="$1" 'BEGIN {printf "%.1f", n / s}'
}

# The clock idle, waiting for a game, with the audio device open.
(cd "$work" && exec "$app" >/dev/null 2>&1) &
pid=$!
until main=$(xdotool search --onlyvisible --name 'バンクロ７' 2>/dev/null); do sleep 0.05; done
sleep 2
echo "wake-ups of the idle clock over 20 s: $(wakeups 20) per second"

# A running game: S, 対局開始 (its middle, in pixels), then twenty seconds of clock.
xdotool windowfocus --sync "$main" key s
sleep 1
settings=$(xdotool search --onlyvisible --name '^対局設定$')
xdotool windowfocus --sync "$settings" mousemove --window "$settings" 216 280 click 1
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
running=$(wakeups 20)
cpu=$(awk -v t=$(($(ticks) - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", 100 * t / hz / 20}')
echo "resident memory of a running game: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status)," \
  "peak $(awk '/VmHWM/ {print $2, $3}' /proc/$pid/status); over 20 s of it: CPU $cpu% of one core," \
  "$running wake-ups per second"
kill $pid
