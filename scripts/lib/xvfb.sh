# shellcheck shell=bash
# Sourced by the real-window tests, the benchmarks, the screenshots and the test run's
# Wine desktop: an X server of their own, a window manager and the program on it, all
# stopped when the script exits, however it exits, and waits for what comes to rest.
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

# Runs the command $3... until it succeeds; fails saying $2 once a run begun
# $1 ms after the first has failed too: on a busy machine one run can outlast
# the whole wait, having looked before what it waits for came.
wait_until() {
  local deadline=$(($(now_ms) + $1)) message=$2 began
  shift 2
  until began=$(now_ms) && "$@"; do
    ((began < deadline)) || fail "$message"
    sleep "$POLL_SECONDS"
  done
}

# Starts Xvfb, XVFB_SIZE or 1024x768 large, on a display number it finds
# free, and points DISPLAY at it once it takes clients. It must not reset when
# its last client leaves: a client connecting meanwhile would be turned away.
# Its log of the windows that programs show and hide, on its own clock, is
# $work_dir/windows.log (scripts/lib/window-log): a poll, late on a busy
# machine, cannot tell when a window showed.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${XVFB_SIZE:-1024x768}x24" -nolisten tcp -noreset \
    3>"$work_dir/display" 2>"$work_dir/xvfb.log" &
  started_pids+=("$!")
  wait_until 20000 "no Xvfb" test -s "$work_dir/display"
  DISPLAY=:$(<"$work_dir/display") && export DISPLAY
  "$(dirname "${BASH_SOURCE[0]}")/window-log" "$work_dir/windows.log" 2>"$work_dir/window-log.log" &
  started_pids+=("$!")
  wait_until 5000 "the X server records no window" test -e "$work_dir/windows.log"
}

# Starts the program, the command $@, its output added to program.log; its id is in program_pid.
start_program() {
  "$@" >>"$work_dir/program.log" 2>&1 &
  program_pid=$! && started_pids+=("$program_pid")
}
# Stops the program started last and reaps it.
stop_program() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}

# The id of the visible top-level window whose title is exactly $1.
# xdotool matches titles whatever their case: "Zumbilo" is not "ZUMBILO".
visible_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && echo "$id" && return
  done
  return 0
}
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

# Waits up to $1 ms, and for two looks at least, until the command $2... has held for 300 ms on
# end: at rest. On a busy machine one slow look must not use up the time before a second.
holds() {
  local deadline=$(($(now_ms) + $1)) since looks=0
  since=$(now_ms)
  while (($(now_ms) < deadline || looks < 2)); do
    "${@:2}" || since=$(now_ms)
    (($(now_ms) - since >= 300)) && return
    looks=$((looks + 1))
    sleep "$POLL_SECONDS"
  done
  return 1
}

# Whether what the command $@ prints is what it printed when last asked.
declare -A last_seen
unchanged() {
  local now
  now=$("$@")
  [[ $now == "${last_seen[$*]:-}" ]] || { last_seen[$*]=$now && return 1; }
}

# Waits up to $2 ms until window $1 stands still.
window_at_rest() { holds "$2" unchanged window_geometry "$1" || fail "window $1 still moving after $2 ms"; }

# The About box: the visible window titled ABOUT_TITLE (an ERE; Zumbilo if unset) but the main window $1.
about_box() { xdotool search --onlyvisible --name "^${ABOUT_TITLE:-Zumbilo}\$" | grep -vx "$1" | head -n 1; }

# Starts the window manager $1 in a home of its own, compositing off where it can be,
# and waits until it manages the screen and its panels' free area has settled.
start_window_manager() {
  local wm=$1
  mkdir -p "$work_dir/home" "$work_dir/run" && chmod 700 "$work_dir/run"
  # Helpers that a window manager starts through the session bus see the same.
  local -a env=(HOME="$work_dir/home" XDG_CONFIG_HOME="$work_dir/home/config"
    XDG_CACHE_HOME="$work_dir/home/cache" XDG_DATA_HOME="$work_dir/home/data" XDG_RUNTIME_DIR="$work_dir/run")
  [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] || env "${env[@]}" dbus-update-activation-environment DISPLAY HOME \
    XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_RUNTIME_DIR
  local -a command
  case $wm in
    openbox) command=(openbox --sm-disable) ;;
    # KWin with its default decoration, Breeze; without OpenGL compositing, which Xvfb cannot speed up.
    kwin) command=(env KWIN_COMPOSE=N kwin_x11) ;;
    xfwm4) command=(xfwm4 --compositor=off --sm-client-disable) ;;
    # Mutter always composites, on Xvfb's software OpenGL.
    mutter) command=(mutter --x11 --sm-disable) ;;
    icewm) command=(icewm) ;;
    # No wallpaper: fluxbox's own would be set by a helper that shows an error window here.
    fluxbox) mkdir -p "$work_dir/home/.fluxbox" && echo 'background: none' >"$work_dir/home/.fluxbox/overlay"
      command=(fluxbox) ;;
    *) fail "no window manager \"$wm\"" ;;
  esac
  env "${env[@]}" "${command[@]}" >"$work_dir/$wm.log" 2>&1 &
  started_pids+=("$!")
  managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_until 20000 "$wm did not start" managed
  # Panels (icewm's task bar, fluxbox's tool bar) reserve their room once shown.
  case $wm in icewm | fluxbox) wait_until 10000 "$wm's panel reserved no room" panel_reserved ;; esac
  holds 5000 unchanged work_area || fail "$wm's free area did not settle: $(work_area)"
}

# "x y width height" that the panels leave free; the whole screen until told (KWin).
work_area() {
  xprop -root _NET_WORKAREA | awk -F ' = ' '$2 { split($2, v, ", "); print v[1], v[2], v[3], v[4]; exit 0 } { exit 1 }' ||
    screen_area
}
screen_area() { xwininfo -root | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { print 0, 0, w, $NF }'; }
panel_reserved() { [[ $(work_area) != "$(screen_area)" ]]; }
