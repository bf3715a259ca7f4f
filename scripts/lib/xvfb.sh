# shellcheck shell=bash
# Sourced by the real-window tests, benchmarks and screenshots: an X server of
# their own and the program on it, stopped when the script exits, however it exits.
set -euo pipefail
readonly POLL_SECONDS=0.05
work_dir=$(mktemp -d)
started_pids=()

# Last started, first stopped: the program before its X server. One that has
# not ended a second after it was asked to (fluxbox can hang in its handler of
# the request) is killed.
stop_everything() {
  local i pid tries
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    pid=${started_pids[i]}
    kill "$pid" 2>/dev/null || true
    for ((tries = 0; tries < 20; tries++)); do
      [[ $(ps -o stat= -p "$pid") == [^Z]* ]] || break # ended, maybe not yet waited for
      sleep "$POLL_SECONDS"
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work_dir"
}
trap stop_everything EXIT

# Says why, then what the program and the servers logged.
fail() {
  echo "FAIL: $*" >&2
  for log in "$work_dir"/*.log; do
    [[ -s $log ]] && { echo "--- ${log##*/}:" && cat "$log"; } >&2
  done
  exit 1
}

now_ms() { date +%s%3N; }

# Runs the command $3... until it succeeds; fails saying $2 after $1 ms.
wait_until() {
  local deadline=$(($(now_ms) + $1)) message=$2
  shift 2
  until "$@"; do
    (($(now_ms) < deadline)) || fail "$message"
    sleep "$POLL_SECONDS"
  done
}

# Starts Xvfb, XVFB_SIZE or 1024x768 large, on a display number it finds
# free, and points DISPLAY at it once it takes clients. It must not reset when
# its last client leaves: a client connecting meanwhile would be turned away.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${XVFB_SIZE:-1024x768}x24" -nolisten tcp -noreset \
    3>"$work_dir/display" 2>"$work_dir/xvfb.log" &
  started_pids+=("$!")
  wait_until 5000 "no Xvfb" test -s "$work_dir/display"
  DISPLAY=:$(<"$work_dir/display") && export DISPLAY
}

# Starts the program under test, the command $@; its id is in program_pid.
start_program() {
  "$@" >"$work_dir/program.log" 2>&1 &
  program_pid=$! && started_pids+=("$program_pid")
}

# The id of the visible top-level window whose title is exactly $1.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }
# Whether a window titled $1 is visible; its id in found_id.
found_window() { found_id=$(visible_window "$1") && [[ -n $found_id ]]; }
gone() { [[ -z $(visible_window "$1") ]]; }

# Waits up to $2 ms for a visible window titled $1 and prints its id, the one
# seen: a window manager may hide a new window again for a moment.
wait_for_window() {
  wait_until "$2" "no window \"$1\" within $2 ms" found_window "$1"
  echo "$found_id"
}
wait_for_no_window() { wait_until "$2" "window \"$1\" still shown after $2 ms" gone "$1"; }

# "x y width height" of a window's client area, in screen pixels.
window_geometry() {
  [[ -n $1 ]] || return 1 # without an id, xwininfo would wait for a click
  xwininfo -id "$1" | awk '/Absolute upper-left|^ *(Width|Height):/ { v = v s $NF; s = " " } END { print v }'
}

# Clicks window $1 at its pixel $2 $3, times SCALE (a Windows program at 192
# dpi: 2). No --sync: it waits for a motion, and none comes when the pointer
# is already there.
click_in() { xdotool mousemove --window "$1" $(($2 * ${SCALE:-1})) $(($3 * ${SCALE:-1})) click 1; }
