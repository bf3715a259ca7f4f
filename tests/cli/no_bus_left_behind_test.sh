#!/usr/bin/env bash
# Without a session bus (none named, none in XDG_RUNTIME_DIR), none that the game
# had started for its display is left running.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

# The ids of the dbus-launch and dbus-daemon processes started for this display.
buses_for_display() {
  local pid
  for pid in $(pgrep -x 'dbus-launch|dbus-daemon'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid"
  done
}

unset DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR=$work_dir
start_xvfb
start_program "$1"
wait_for_window ZUMBILO 6000 >/dev/null
kill "$program_pid"
wait "$program_pid" || true
mapfile -t left < <(buses_for_display)
if ((${#left[@]} > 0)); then
  started_pids+=("${left[@]}")
  fail "left running: $(ps -o args= -p "${left[*]}")"
fi
