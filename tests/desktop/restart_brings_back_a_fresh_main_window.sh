#!/usr/bin/env bash
# "(REINICIAR)" after a play replays the start-up window, then brings back a
# main window whose counters read as in a fresh one.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"

start_xvfb
start_program "$1"
wait_for_main_window_at_rest 4000

fresh_win=$(region_digest "${WIN_COUNTER[@]}")
fresh_lose=$(region_digest "${LOSE_COUNTER[@]}")
welcome=$(region_digest "${STATUS_TEXT[@]}")
click_at "$START_X" "$START_Y"
wait_for_change 1000 "$welcome" "${STATUS_TEXT[@]}"
play_until_a_counter_advances

click_at "$RESTART_RIM_X" "$RESTART_RIM_Y"
wait_for_window "$STARTUP_TITLE" 1000 >/dev/null
[[ -z $(visible_window "$MAIN_TITLE") ]] || fail "main window still shown with the start-up window"
kill -0 "$program_pid" || fail "the program ended during the restart"

xdotool mousemove 0 0
wait_for_main_window_at_rest 4000
wait_for_no_window "$STARTUP_TITLE" 1000
[[ $(region_digest "${WIN_COUNTER[@]}") == "$fresh_win" ]] || fail "wins counter not back at 0"
[[ $(region_digest "${LOSE_COUNTER[@]}") == "$fresh_lose" ]] || fail "losses counter not back at 0"
[[ $(region_digest "${STATUS_TEXT[@]}") == "$welcome" ]] || fail "status not back at BIENVENIDO"
