#!/usr/bin/env bash
# Wayland alone (weston, headless, no XWayland) hears both windows' titles in turn;
# (REINICIAR) and the start-up window's "x", pressed as a screen reader does (headless
# weston has no input to drive), end the game with status 0. It prints nothing.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/../../scripts/lib/xvfb.sh"

unset DISPLAY
chmod 700 "$work_dir"
export XDG_RUNTIME_DIR=$work_dir WAYLAND_DISPLAY=zumbilo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Every request weston hears, in its trace.
WAYLAND_DEBUG=server weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config \
  --idle-time=0 >"$work_dir/weston.trace" 2>&1 &
started_pids+=("$!")
wait_until 10000 "weston did not start" test -S "$work_dir/$WAYLAND_DISPLAY"
start_program "$1"

titles() { grep -ao '\.set_title("[^"]*")' "$work_dir/weston.trace" | cut -d '"' -f 2 | paste -sd ' '; }
titled() { [[ $(titles) == "$1" ]]; }
press() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo "$1" 2>/dev/null; }
wait_until 5000 "no start-up window: titles $(titles)" titled "Zumbilo"
wait_until 5000 "no main window after it: titles $(titles)" titled "Zumbilo ZUMBILO"
wait_until 5000 "(REINICIAR) could not be pressed" press "(REINICIAR)"
wait_until 2000 "no start-up window again: titles $(titles)" titled "Zumbilo ZUMBILO Zumbilo"
# Pressed, the "x" ends the game before it can answer; missed under load, the
# main window is back, and restarted once more.
ended() {
  press x || press "(REINICIAR)"
  [[ $(ps -o stat= -p "$program_pid") != [^Z]* ]]
}
wait_until 10000 "the \"x\" could not be pressed" ended
wait "$program_pid" || fail "the game ended with status $?"
[[ ! -s $work_dir/program.log ]] || fail "the game printed: $(cat "$work_dir/program.log")"
