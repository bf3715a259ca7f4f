#!/usr/bin/env bash
# The start-up window shows at once, borderless and centred, and about 1.7 s
# later gives way to the main window.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"

start_xvfb
started=$(now_ms)
start_program "$1"

startup=$(wait_for_window "$STARTUP_TITLE" 500)
shown=$(now_ms)
[[ $(window_geometry "$startup") == "$STARTUP_X $STARTUP_Y 521 297" ]] ||
  fail "start-up window at $(window_geometry "$startup")"
borderless "$startup" || fail "the start-up window has a border"
[[ -z $(visible_window "$MAIN_TITLE") ]] || fail "main window shown with the start-up window"

main=$(wait_for_window "$MAIN_TITLE" 4000)
handed_over=$(($(now_ms) - shown))
((handed_over >= 1500 && handed_over <= 3500)) ||
  fail "main window after ${handed_over} ms of the start-up window"
wait_for_no_window "$STARTUP_TITLE" 1000
read -r _ _ width height <<<"$(window_geometry "$main")"
[[ "$width $height" == "417 225" ]] || fail "main window client area ${width} x ${height}"
! borderless "$main" || fail "the main window has no title bar"
echo "start-up window after $((shown - started)) ms, main window ${handed_over} ms later"
