#!/usr/bin/env bash
# INICIAR, then an option picture: a verdict within a second that advances
# exactly one counter (after any ties).
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"

start_xvfb
start_program "$1"
wait_for_main_window_at_rest 4000

welcome=$(region_digest "${STATUS_TEXT[@]}")
click_at "$START_X" "$START_Y"
wait_for_change 1000 "$welcome" "${STATUS_TEXT[@]}"
play_until_a_counter_advances
