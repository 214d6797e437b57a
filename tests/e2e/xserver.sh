# What the scripts that drive the program in a real X server share, sourced by them: start_x
# starts Xvfb, one full-HD screen, on the first free display, exports DISPLAY and sets
# xvfb_pid; begin_run gives the run its folder and its clean-up.
start_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: a server that resets when its last client leaves refuses the next one meanwhile.
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      kill -0 "$xvfb_pid" 2>/dev/null || break # lost the display to another server
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
  done
  echo "no X server could be started" >&2
  return 1
}

stop_x() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}

# A fresh folder for the run in $work; on exit the program in $app_pid, if started, and the X
# server are stopped and the folder removed.
begin_run() {
  work=$(mktemp -d)
  app_pid=
  trap end_run EXIT
}

end_run() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  stop_x
  rm -rf "$work"
}
