# shellcheck shell=bash
# Sourced after xvfb_lib.sh: where the two windows and their controls lie on
# the 1024 x 768 screen, and the steps of a play. Client pixels are twips / 15.

readonly STARTUP_TITLE=Form1
readonly MAIN_TITLE=ZUMBILO

# Both windows are centred; the main window then slides to rest 16 pixels up.
readonly STARTUP_X=$(((SCREEN_WIDTH - 521) / 2))
readonly STARTUP_Y=$(((SCREEN_HEIGHT - 297) / 2))
readonly MAIN_X=$(((SCREEN_WIDTH - 417) / 2))
readonly MAIN_Y=$(((SCREEN_HEIGHT - 225) / 2 - 16))

# The "x" of the start-up window: its centre, and its top-left pixel.
readonly EXIT_X=$((STARTUP_X + 504)) EXIT_Y=$((STARTUP_Y + 16))
readonly EXIT_CORNER_X=$((STARTUP_X + 496)) EXIT_CORNER_Y=$((STARTUP_Y + 8))

# Click points in the main window at rest. The player's hand lies where
# INICIAR was; the computer's panel is clicked on the rim its hand leaves.
readonly START_X=$((MAIN_X + 92)) START_Y=$((MAIN_Y + 132))
readonly PLAYER_HAND_X=$START_X PLAYER_HAND_Y=$START_Y
readonly PAPER_X=$((MAIN_X + 52)) PAPER_Y=$((MAIN_Y + 92))
readonly RESTART_RIM_X=$((MAIN_X + 244)) RESTART_RIM_Y=$((MAIN_Y + 132))
readonly ABOUT_X=$((MAIN_X + 156)) ABOUT_Y=$((MAIN_Y + 196))

# Screen rectangles (x y width height): the two counters, and the status
# strip between them.
readonly WIN_COUNTER=($((MAIN_X + 8)) $((MAIN_Y + 8)) 57 33)
readonly LOSE_COUNTER=($((MAIN_X + 352)) $((MAIN_Y + 8)) 57 33)
readonly STATUS_TEXT=($((MAIN_X + 65)) $((MAIN_Y + 8)) 287 33)

# Waits for the main window to be shown and to come to rest.
wait_for_main_window_at_rest() {
  local id
  id=$(wait_for_window "$MAIN_TITLE" "$1")
  wait_for_rest "$id" "$MAIN_X $MAIN_Y" 2000
}

# Waits up to $1 ms until the screen rectangle x y width height ($3 to $6)
# no longer has the digest $2.
wait_for_change() {
  local deadline=$(($(now_ms) + $1))
  while [[ $(region_digest "${@:3}") == "$2" ]]; do
    (($(now_ms) < deadline)) || fail "no change at ${*:3} within $1 ms"
    sleep "$POLL_SECONDS"
  done
}

# From the choosing state, plays paper until a verdict advances a counter,
# opening a new play after each tie. Fails unless every verdict comes within
# a second and advances at most one counter.
play_until_a_counter_advances() {
  local choosing win lose blank status changed
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    choosing=$(region_digest "${STATUS_TEXT[@]}")
    win=$(region_digest "${WIN_COUNTER[@]}")
    lose=$(region_digest "${LOSE_COUNTER[@]}")
    click_at "$PAPER_X" "$PAPER_Y"
    # The status clears while the hands shake, then shows the verdict.
    wait_for_change 1000 "$choosing" "${STATUS_TEXT[@]}"
    blank=$(region_digest "${STATUS_TEXT[@]}")
    wait_for_change 1000 "$blank" "${STATUS_TEXT[@]}"
    sleep 0.1 # the counter is painted with the verdict; leave time for both
    changed=0
    [[ $(region_digest "${WIN_COUNTER[@]}") == "$win" ]] || changed=$((changed + 1))
    [[ $(region_digest "${LOSE_COUNTER[@]}") == "$lose" ]] || changed=$((changed + 1))
    case $changed in
      1) return ;;
      0) ;; # a tie: the next play
      *) fail "both counters changed on one verdict" ;;
    esac
    status=$(region_digest "${STATUS_TEXT[@]}")
    click_at "$PLAYER_HAND_X" "$PLAYER_HAND_Y"
    wait_for_change 1000 "$status" "${STATUS_TEXT[@]}"
  done
  fail "ten ties in a row"
}
