#!/usr/bin/env bash
# Two monitors under openbox: 1280 x 1024 on the left, the primary 2560 x 1440
# on the right with the pointer on it. Both windows open centred on the primary;
# started again with the pointer on the left monitor, the program opens there.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/desktop_lib.sh"

XVFB_SIZE=3840x1440 start_xvfb
# Xvfb's one output goes to the primary monitor.
xrandr --setmonitor left 1280/338x1024/270+0+0 none >/dev/null
xrandr --setmonitor '*primary' 2560/677x1440/381+1280+0 screen >/dev/null
start_window_manager openbox
xdotool mousemove 2560 720
start_program "$1"
expect_both_windows_centred "1280 0 2560 1440" 1

kill "$program_pid"
xdotool mousemove 640 512
start_program "$1"
expect_centred "start-up window on the left monitor" "$(wait_for_window Form1 2000)" "0 0 1280 1024" 0 1
