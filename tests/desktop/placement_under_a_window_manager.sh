#!/usr/bin/env bash
# Under a window manager, on one 1280 x 1024 monitor: the borderless start-up
# window is centred; the main window's whole frame, title bar included, comes
# to rest centred and 16 pixels above the centre; the About box opens centred
# over the main window's frame.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"
source "$here/window_manager_lib.sh"

readonly MONITOR="0 0 1280 1024"

XVFB_SIZE=1280x1024 start_xvfb
start_window_manager
start_program "$1"

startup=$(wait_for_window "$STARTUP_TITLE" 2000)
expect_centred "start-up window" "$(frame_geometry "$startup")" "$MONITOR" 0 2

main=$(wait_for_window "$MAIN_TITLE" 4000)
frame=$(frame_at_rest "$main" 2000)
read -r _ _ _ height <<<"$frame"
((height > 225)) || fail "the main window has no title bar: frame $frame"
expect_centred "main window's frame" "$frame" "$MONITOR" 16 2

# INICIAR, then "?": the click points of the standard screen, taken from the
# main window's corner.
read -r x y _ _ <<<"$(window_geometry "$main")"
click_at $((x + START_X - MAIN_X)) $((y + START_Y - MAIN_Y))
click_at $((x + ABOUT_X - MAIN_X)) $((y + ABOUT_Y - MAIN_Y))
about=$(wait_for_another_window Zumbilo "$main" 2000)
expect_centred "About box's frame" "$(frame_at_rest "$about" 2000)" "$frame" 0 4
echo "main window's frame at $frame"
