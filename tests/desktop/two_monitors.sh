#!/usr/bin/env bash
# Two monitors under a window manager: 1280 x 1024 on the left, the primary
# 2560 x 1440 on the right, the pointer on it. Both windows open centred on
# the primary monitor, the main window's frame resting 16 pixels above its
# centre. After a restart with the pointer moved to the left monitor, the
# main window opens centred there.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"
source "$here/window_manager_lib.sh"

readonly LEFT="0 0 1280 1024" PRIMARY="1280 0 2560 1440"

XVFB_SIZE=3840x1440 start_xvfb
# Xvfb's one output goes to the primary monitor.
xrandr --setmonitor left 1280/338x1024/270+0+0 none >/dev/null
xrandr --setmonitor '*primary' 2560/677x1440/381+1280+0 screen >/dev/null
start_window_manager
xdotool mousemove 2560 720
start_program "$1"

startup=$(wait_for_window "$STARTUP_TITLE" 2000)
expect_centred "start-up window" "$(frame_geometry "$startup")" "$PRIMARY" 0 1
main=$(wait_for_window "$MAIN_TITLE" 4000)
expect_centred "main window's frame" "$(frame_at_rest "$main" 2000)" "$PRIMARY" 16 1

read -r x y _ _ <<<"$(window_geometry "$main")"
click_at $((x + RESTART_RIM_X - MAIN_X)) $((y + RESTART_RIM_Y - MAIN_Y))
startup=$(wait_for_window "$STARTUP_TITLE" 1000)
xdotool mousemove 640 512
expect_centred "replayed start-up window" "$(frame_geometry "$startup")" "$PRIMARY" 0 1
main=$(wait_for_window "$MAIN_TITLE" 4000)
expect_centred "main window after the restart" "$(frame_at_rest "$main" 2000)" "$LEFT" 16 1
