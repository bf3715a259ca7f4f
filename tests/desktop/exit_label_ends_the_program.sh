#!/usr/bin/env bash
# A click on the "x" during the title sequence ends the program with status 0
# before any main window is shown; the grey box shows while it is pressed.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"

start_xvfb
start_program "$1"
wait_for_window "$STARTUP_TITLE" 2000 >/dev/null
sleep 0.3 # into the sequence

xdotool mousemove --sync "$EXIT_X" "$EXIT_Y" mousedown 1
deadline=$(($(now_ms) + 1000))
until [[ $(pixel_at "$EXIT_CORNER_X" "$EXIT_CORNER_Y") == "224 224 224" ]]; do
  (($(now_ms) < deadline)) || fail "no grey box behind the pressed \"x\""
  sleep "$POLL_SECONDS"
done
[[ -z $(visible_window "$MAIN_TITLE") ]] || fail "main window shown during the sequence"
xdotool mouseup 1

wait_for_exit 2000
[[ $exit_status == 0 ]] || fail "exit status $exit_status"
