#!/usr/bin/env bash
# xsession.sh COMMAND [ARGS...]
# Runs COMMAND on a private Xvfb display with mwm as its window manager and returns its status.
# Screen 0 is 24-bit TrueColor; screen 1 is 8-bit PseudoColor, for colormap work.
set -uo pipefail

tmp=$(mktemp -d)
cleanup() {
  # The command first (it may still be running when the script is interrupted), then the window
  # manager and the server.
  [ -n "${cmd_pid:-}" ] && kill "$cmd_pid" 2>/dev/null
  # mwm can hang in its SIGTERM handler while the server goes away: no handler for KILL.
  [ -n "${wm_pid:-}" ] && kill -KILL "$wm_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Starts Xvfb on a free display and mwm on it; false when either does not come up.
start_session() {
  rm -f "$tmp/fd"
  mkfifo "$tmp/fd"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 -screen 1 800x600x8 \
    3>"$tmp/fd" </dev/null >"$tmp/xvfb.log" 2>&1 &
  x_pid=$!
  read -r -t 20 num <"$tmp/fd" || { echo "xsession: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$num"

  mwm </dev/null >"$tmp/mwm.log" 2>&1 &
  wm_pid=$!
  # mwm announces itself with _MOTIF_WM_INFO on the root window once it manages the screen; the
  # server must still be ours, not another one that owns the number.
  for _ in $(seq 1 200); do
    kill -0 "$x_pid" 2>/dev/null || break
    xprop -root _MOTIF_WM_INFO 2>/dev/null | grep -q '= 0x' && kill -0 "$x_pid" 2>/dev/null && return 0
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "xsession: mwm did not start on $DISPLAY" >&2
  return 1
}

# A server or window manager that fails to come up (a display taken at the same moment, a
# stray kill) gets two more tries before the command is given up.
for attempt in 1 2 3; do
  start_session && break
  cat "$tmp/mwm.log" "$tmp/xvfb.log" >&2 2>/dev/null
  [ -n "${wm_pid:-}" ] && kill -KILL "$wm_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  wait 2>/dev/null
  wm_pid= x_pid=
  [ "$attempt" = 3 ] && exit 1
done

# In the background, so that an interrupt reaches the traps at once rather than after the command.
"$@" <&0 &
cmd_pid=$!
wait "$cmd_pid"
status=$?
cmd_pid=
exit $status
