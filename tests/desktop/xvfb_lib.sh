# shellcheck shell=bash
# Sourced by the real-window tests: a virtual X screen of their own, the
# program on it, and what can be read back from the screen. Everything
# started here is stopped when the test exits, however it exits.

set -euo pipefail

readonly SCREEN_WIDTH=1024
readonly SCREEN_HEIGHT=768
readonly POLL_SECONDS=0.05

work_dir=$(mktemp -d)
started_pids=()

# The program first, then its X server.
stop_everything() {
  local i
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    kill "${started_pids[i]}" 2>/dev/null || true
    wait "${started_pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work_dir"
}
trap stop_everything EXIT

fail() {
  echo "FAIL: $*" >&2
  if [[ -s $work_dir/program.log ]]; then
    echo "--- program output:" >&2
    cat "$work_dir/program.log" >&2
  fi
  exit 1
}

now_ms() { date +%s%3N; }

# Starts Xvfb and points DISPLAY at it. The display number comes from this
# shell's process id, so tests running side by side never race for one
# number. The server must not reset when its last client leaves: a client
# connecting during the reset is turned away. Its size is XVFB_SIZE
# (WIDTHxHEIGHT) where that is set, else the standard one.
start_xvfb() {
  local size=${XVFB_SIZE:-${SCREEN_WIDTH}x${SCREEN_HEIGHT}} display pid deadline
  for offset in 0 100000 200000; do
    display=$((1000 + $$ + offset))
    [[ -e /tmp/.X$display-lock ]] && continue
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -noreset \
      2>"$work_dir/xvfb.log" &
    pid=$!
    started_pids+=("$pid")
    deadline=$(($(now_ms) + 5000))
    while kill -0 "$pid" 2>/dev/null && (($(now_ms) < deadline)); do
      if xwininfo -root -display ":$display" >/dev/null 2>&1; then
        export DISPLAY=":$display"
        return
      fi
      sleep "$POLL_SECONDS"
    done
  done
  fail "no Xvfb could be started: $(cat "$work_dir/xvfb.log")"
}

# Starts the program under test; its id is in program_pid.
start_program() {
  "$1" >"$work_dir/program.log" 2>&1 &
  program_pid=$!
  started_pids+=("$program_pid")
}

# Prints the id of the visible top-level window whose title is exactly $1.
visible_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# Waits up to $2 ms for a visible window titled $1 and prints its id.
wait_for_window() {
  local deadline=$(($(now_ms) + $2)) id
  for (( ; ; )); do
    id=$(visible_window "$1")
    [[ -n $id ]] && break
    (($(now_ms) < deadline)) || fail "no window \"$1\" within $2 ms"
    sleep "$POLL_SECONDS"
  done
  echo "$id"
}

# Waits up to $2 ms until no window titled $1 is visible.
wait_for_no_window() {
  local deadline=$(($(now_ms) + $2))
  while [[ -n $(visible_window "$1") ]]; do
    (($(now_ms) < deadline)) || fail "window \"$1\" still shown after $2 ms"
    sleep "$POLL_SECONDS"
  done
}

# Prints "x y width height" of a window's client area, in screen pixels.
window_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ { x = $NF }
    /Absolute upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF }
    /^ *Height:/ { h = $NF }
    END { print x, y, w, h }'
}

# Waits up to $3 ms for window $1 to stand at "x y" $2 for 200 ms, so that a
# window merely passing through is not taken to be at rest.
wait_for_rest() {
  local deadline=$(($(now_ms) + $3)) place since=""
  for (( ; ; )); do
    place=$(window_geometry "$1")
    place=${place% * *}
    if [[ $place != "$2" ]]; then
      since=""
    elif [[ -z $since ]]; then
      since=$(now_ms)
    elif (($(now_ms) - since >= 200)); then
      return
    fi
    (($(now_ms) < deadline)) || fail "window at $place, not at rest at $2, after $3 ms"
    sleep "$POLL_SECONDS"
  done
}

# True when the window asks the window manager for no decorations at all.
borderless() {
  local flags decorations
  # flags, functions, decorations, input mode, status
  read -r flags _ decorations _ <<<"$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
  (((flags & 2) != 0 && decorations == 0))
}

# The raw RGB bytes of the screen rectangle x y width height, as a digest.
region_digest() {
  import -silent -window root -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | md5sum | cut -d ' ' -f 1
}

# Prints "red green blue" of the screen pixel at x y.
pixel_at() {
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 rgb:- | od -An -tu1 | xargs
}

# No --sync: it waits for a motion event, and there is none when the pointer
# is already there. The server handles the move and the click in order.
click_at() {
  xdotool mousemove "$1" "$2" click 1
}

# Prints how many pixels of the screen rectangle x y width height have
# exactly the colour red green blue ($5 to $7).
count_colour() {
  import -silent -window root -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
    awk -v r="$5" -v g="$6" -v b="$7" '$1 == r && $2 == g && $3 == b { n++ } END { print n + 0 }'
}

# Starts the accessibility bus of the session bus this test runs in, so that
# the program, started after it, shows its controls to assistive technology.
start_accessibility_bus() {
  [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || fail "no session bus: run the test under dbus-run-session"
  /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work_dir/atspi.log" &
  started_pids+=("$!")
  local deadline=$(($(now_ms) + 5000))
  until dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    (($(now_ms) < deadline)) || fail "no accessibility bus: $(cat "$work_dir/atspi.log")"
    sleep "$POLL_SECONDS"
  done
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Waits up to $1 ms for the program to end; its status is then in exit_status.
wait_for_exit() {
  local deadline=$(($(now_ms) + $1))
  while kill -0 "$program_pid" 2>/dev/null; do
    (($(now_ms) < deadline)) || fail "program still running after $1 ms"
    sleep "$POLL_SECONDS"
  done
  exit_status=0
  wait "$program_pid" || exit_status=$?
}
