#!/usr/bin/env bash
# Usage: window_manager.sh WINDOW_MANAGER PROGRAM [busy]
# A player's desktop under one window manager (openbox, kwin, xfwm4, mutter, icewm or
# fluxbox), on one 1280 x 1024 monitor with the pointer in its middle; with "busy",
# every core kept busy from before the program starts. The start-up window opens
# centred on what the panels leave free (give or take 1 pixel) and the main window's
# whole frame comes to rest 16 pixels above the centre (give or take 2); after INICIAR
# "?" opens the About box centred over the main frame (give or take 4), which Return
# closes; (REINICIAR) replays the start-up window and the main frame comes to rest in
# its place again.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/desktop_lib.sh"

wm=$1
XVFB_SIZE=1280x1024 start_xvfb
start_window_manager "$wm"
[[ ${3:-} != busy ]] || keep_cores_busy 60
area=$(work_area)
xdotool mousemove 640 512
start_program "$2"
expect_both_windows_centred "$area" 1 2
first_startup=$startup_frame first_rest=$main_frame

status() {
  local x y
  read -r x y _ <<<"$(window_geometry "$main")"
  region_digest $((x + 65)) $((y + 8)) 287 33
}
welcome=$(status)
status_changed() { [[ $(status) != "$welcome" ]]; }
click_in "$main" 92 132 # INICIAR
wait_until 2000 "INICIAR did not start a play" status_changed

click_in "$main" 156 196 # ?
wait_until 4000 "no About box" about_box >/dev/null
about=$(about_box)
expect_centred "About box's frame" "$about" "$main_frame" 0 4
about_frame=$(frame_geometry "$about")
about_active() { [[ $(xdotool getactivewindow) == "$about" ]]; }
wait_until 2000 "the About box is not active" about_active
xdotool key Return
wait_until 2000 "the main window is not active again after the About box" main_active

click_in "$main" 324 132 # (REINICIAR)
wait_for_no_window ZUMBILO 2000
expect_both_windows_centred "$area" 1 2
echo "$wm${3:+ ($3)}: free area $area; start-up window at $first_startup, main frame at rest at $first_rest;" \
  "About box at $about_frame; after (REINICIAR) start-up window at $startup_frame, main frame at $main_frame"
