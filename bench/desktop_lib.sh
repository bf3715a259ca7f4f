# shellcheck shell=bash
# Sourced by the benchmark scripts that drive real windows, after lib.sh:
# an Xvfb of their own (from scripts/lib/xvfb.sh), programs on it
# and the pointer at client coordinates of a window.

# The program and the baseline meet a session bus of their own, as on a
# desktop: without one, Qt in the baseline would have dbus-launch start one,
# which would outlive the benchmark.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
  exec dbus-run-session -- "$0" "$@"
fi

# shellcheck disable=SC2154 # repo comes from lib.sh
source "$repo/scripts/lib/xvfb.sh"

# Starts a program with its arguments; its id is in program_pid.
start_measured() {
  "$@" >>"$work_dir/program.log" 2>&1 &
  program_pid=$!
  started_pids+=("$program_pid")
}

# Stops the program started last and reaps it.
stop_measured() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}

# Waits up to $2 ms until window $1 has stood still for 200 ms.
wait_until_still() {
  local deadline=$(($(now_ms) + $2)) place last="" since=""
  for (( ; ; )); do
    place=$(window_geometry "$1")
    if [[ $place != "$last" ]]; then
      last=$place
      since=$(now_ms)
    elif (($(now_ms) - since >= 200)); then
      return
    fi
    (($(now_ms) < deadline)) || fail "window $1 still moving after $2 ms"
    sleep "$POLL_SECONDS"
  done
}

# Waits for the main window (titled ZUMBILO in both programs) to be shown
# and come to rest; prints its id.
main_window_at_rest() {
  local id
  id=$(wait_for_window ZUMBILO 6000)
  wait_until_still "$id" 3000
  echo "$id"
}

# Clicks window $1 at client pixel $2 $3. Not --sync: it waits for a move,
# and when the pointer is already there no move comes for seconds. The X
# server takes the move and the click in order anyway.
click_in() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# A field of /proc/$1/status, in its own unit ("VmHWM" is in kB).
status_field() {
  awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"
}
