#!/usr/bin/env bash
# A long game on the real window code in its own X server: a move every few seconds by a key
# press (xdotool), a pause of a few seconds every ten minutes. soak-probe prints a line a
# minute: resident memory, wake-ups, and the lateness of the counted seconds.
#
#   bench/soak.sh <build folder> [minutes]     (default 120)
set -euo pipefail
build=$(realpath "$1")
minutes=${2:-120}
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/xserver.sh"
begin_run

start_x
cp -r "$root/data/bmp" "$root/data/sound" "$work/"
(cd "$work" && SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec "$build/bench/soak-probe" "$minutes") &
app_pid=$!
until wid=$(xdotool search --onlyvisible --name '^バンクロ７$' 2>/dev/null | tail -n 1) && [ -n "$wid" ]; do
  sleep 0.2
done

end=$((SECONDS + minutes * 60))
next_pause=$((SECONDS + 600))
key=space
while kill -0 "$app_pid" 2>/dev/null && [ $SECONDS -lt "$end" ]; do
  sleep $((2 + RANDOM % 5))
  xdotool windowfocus --sync "$wid" key "$key" 2>/dev/null || true
  [ "$key" = space ] && key=Return || key=space
  if [ $SECONDS -ge "$next_pause" ]; then
    xdotool windowfocus --sync "$wid" key p 2>/dev/null || true
    sleep 5
    pause=$(xdotool search --onlyvisible --name '^対局中断ﾒﾆｭｰ$' 2>/dev/null | tail -n 1 || true)
    [ -n "$pause" ] && xdotool windowfocus --sync "$pause" key F2 2>/dev/null || true
    next_pause=$((SECONDS + 600))
  fi
done
wait "$app_pid" || true
