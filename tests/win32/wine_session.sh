#!/usr/bin/env bash
# The Windows program under Wine at 96 or 192 dpi (every size doubled), under a window manager,
# played with a real pointer and keyboard: both windows placed on what its panel leaves free
# (Windows' work area, which Wine takes from it); the pixel tables and the captions' ink on the
# screen; the shell's About box, modal to the main window, with both lines; a play by click and
# two by key, each verdict with its counter; (REINICIAR) bringing both windows back with the
# counters at 0; the "x" ending the program with status 0.
# Usage: wine_session.sh zumbilo.exe zumbilo_window_texts.exe zumbilo_pixel_points.exe DPI WM
#   WINEPREFIX: this test's and DPI's alone, as Wine keeps the monitors of its first X server.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/../desktop/desktop_lib.sh"
exe=$1 window_texts=$2 pixel_points=$3
export WINE_DPI=$4 SCALE=$(($4 / 96)) XVFB_SIZE=$((1024 * $4 / 96))x$((768 * $4 / 96))
wine_run=$here/../../scripts/lib/wine-run
# The pictures' points, in the main window's client pixels.
readonly PAPER=(52 92) ABOUT=(156 196) PLAYER_HAND=(92 132) REINICIAR=(324 132)

export WINEPREFIX=${WINEPREFIX:?a Wine prefix for this test alone}
trap 'wineserver -k 2>/dev/null || true; stop_everything' EXIT
start_xvfb
start_window_manager "$5"
area=$(work_area)
if [[ ! -d $WINEPREFIX ]]; then
  "$wine_run" wineboot >"$work_dir/wineboot.log" 2>&1 || fail "the Wine prefix could not be made"
fi
start_program "$wine_run" "$exe"

# Frames as Wine has them: above 100 % larger than openbox's, whose title bar keeps its size. One
# that openbox leaves unframed, the start-up window's, is its X window: read at once, as it lives
# 1.7 s and a Wine program can take one of them under load.
frame_geometry() {
  if xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = 0, 0, 0, 0$'; then
    window_geometry "$1"
  else
    "$wine_run" "$window_texts" "$(xdotool getwindowname "$1")" | tr -d '\r' | sed -n 's/^frame //p'
  fi
}

computer_hand() { main_digest 248 56 153 153; }

# Fails unless the $1 window, as cropped to $work_dir/$1.png, shows the pixel tests' colours where they check.
expect_table_colours() {
  local x y colour format="" expected="" got
  while read -r x y colour; do format+="$x,$y=%[hex:p{$x,$y}] " expected+="$x,$y=$colour "; done \
    < <("$wine_run" "$pixel_points" "$1" "$SCALE" | tr -d '\r')
  got=$(convert "$work_dir/$1.png" -format "$format" info:)
  [[ $got == "$expected" ]] || fail "the $1 window's colours are $got, not $expected"
}
# Fails unless the main window's client rectangle $1 $2 $3 $4 holds over 10 (× SCALE²) pixels of colour $5.
expect_ink() {
  crop_of "$main" "${@:1:4}" "$work_dir/ink.png"
  (($(convert "$work_dir/ink.png" -fill white +opaque "$5" -fill black -opaque "$5" \
    -format '%[fx:int(w*h*(1-mean))]' info:) > 10 * SCALE ** 2)) || fail "no ink of $5 in $*"
}

# The first start waits for Wine to start too.
expect_both_windows_centred "$area" 1 2 20000
welcome_counters=$(counters)
crop_of "$main" 0 0 417 225 "$work_dir/main.png"
expect_table_colours main
expect_ink 8 8 57 33 black && expect_ink 352 8 57 33 black && expect_ink 65 8 287 33 black # counters, status
expect_ink 16 56 153 153 'rgb(128,0,0)' # INICIAR

start_playing
holds 1000 unchanged main_status || fail "INICIAR did not settle on a status"
choosing=$(main_status)
choosing_status() { [[ $(main_status) == "$choosing" ]]; }

# The About box: owned by the main window, which takes no input while it is open.
ABOUT_TITLE="(About|Acerca de) Zumbilo"
click_in "$main" "${ABOUT[@]}"
wait_until 4000 "no About box" about_box "$main" >/dev/null
about=$(xdotool getwindowname "$(about_box "$main")")
"$wine_run" "$window_texts" "$about" | tr -d '\r' >"$work_dir/about.txt" || fail "no window \"$about\" in Wine"
expected_about=$'owner ZUMBILO\nowner enabled 0\ntext Velmarin\nZumbilo: Versión 3.5'
[[ $(head -n 2 "$work_dir/about.txt" && grep -A1 -x 'text Velmarin' "$work_dir/about.txt") == "$expected_about" ]] ||
  fail "the About box says: $(<"$work_dir/about.txt")"
# Out of the way of the paper, which would start a play if the main window took the click.
xdotool windowmove "$(about_box "$main")" $((600 * SCALE)) $((500 * SCALE))
click_in "$main" "${PAPER[@]}"
# Asked again while it stays: under load a first request was seen to go unanswered.
about_closed() { [[ -z $(about_box "$main") ]] || { "$wine_run" "$window_texts" "$about" close && false; }; }
wait_until 8000 "the About box did not close" about_closed
holds 1000 choosing_status || fail "a click on the main window played, at once or once the About box closed"

# Plays figure $1 (0 paper, 1 scissors, 2 rock) chosen by the command $2..., a real click or
# key; keeps the player's hand, the computer's mirrored, the status and the counter that moved;
# then the next play, from the player's hand.
play() {
  local -a before after
  read -r -a before <<<"$(counters)"
  "${@:2}"
  xdotool mousemove 0 0
  chosen() { ! choosing_status; }
  wait_until 2000 "figure $1 not chosen" chosen
  holds 3000 unchanged computer_hand || fail "the computer's hand did not settle"
  crop_of "$main" 16 56 153 153 "$work_dir/figure$1.png"
  crop_of "$main" 248 56 153 153 "$work_dir/computer$1.png"
  mogrify -flop "$work_dir/computer$1.png"
  verdict_status[$1]=$(main_status)
  read -r -a after <<<"$(counters)"
  counter_moved[$1]="$([[ ${before[0]} == "${after[0]}" ]] || echo wins)$([[ ${before[1]} == "${after[1]}" ]] || echo losses)"
  click_in "$main" "${PLAYER_HAND[@]}"
  holds 2000 choosing_status || fail "no next play"
}
declare -a verdict_status counter_moved
play 0 click_in "$main" "${PAPER[@]}"
play 1 xdotool key 5
play 2 xdotool key 9

# Each verdict as the figures call it: the computer's figure is the one whose player's picture is
# most like its hand mirrored; the counter that moved is the verdict's, and the same verdict reads
# the same, another verdict otherwise.
difference() { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true; }
same() { [[ $1 == "$2" ]] && echo 1 || echo 0; }
declare -A status_of
for figure in 0 1 2; do
  best=
  for candidate in 0 1 2; do
    d=$(difference "$work_dir/computer$figure.png" "$work_dir/figure$candidate.png")
    if [[ -z $best ]] || ((d < least)); then best=$candidate least=$d; fi
  done
  verdict=$(((figure - best + 3) % 3)) # 0 a draw, 1 a win, 2 a loss
  expected_move=("" wins losses)
  [[ ${counter_moved[figure]} == "${expected_move[verdict]}" ]] ||
    fail "figure $figure against $best moved \"${counter_moved[figure]}\", not \"${expected_move[verdict]}\""
  for other in "${!status_of[@]}"; do
    [[ $(same "$other" "$verdict") == $(same "${status_of[$other]}" "${verdict_status[figure]}") ]] ||
      fail "verdicts $other and $verdict read alike, or one verdict reads differently"
  done
  status_of[$verdict]=${verdict_status[figure]}
  echo "figure $figure against $best: ${expected_move[verdict]:-draw}"
done

click_in "$main" "${REINICIAR[@]}"
expect_both_windows_centred "$area" 1 2
[[ $(counters) == "$welcome_counters" ]] || fail "the counters are not back at 0 after (REINICIAR)"

ended() { [[ $(ps -o stat= -p "$program_pid") != [^Z]* ]]; }
ended_or_handed_over() { ended || found_window ZUMBILO; }
# Restarts, crops the start-up window at rest (its colours are checked once the program has ended)
# and clicks its "x"; whether that ended the program.
x_ended_it() {
  local startup
  click_in "$main" "${REINICIAR[@]}"
  startup=$(wait_for_window Zumbilo 4000) || return 1
  holds 2000 unchanged window_geometry "$startup" && crop_of "$startup" 0 0 521 297 "$work_dir/startup.png" &&
    click_in "$startup" 504 16 && wait_until 6000 "neither ended nor handed over" ended_or_handed_over
  ended
}
# The start-up window hands over 1.7 s after it shows: under load, before its "x" was clicked.
for ((tries = 0; tries < 5; tries++)); do
  x_ended_it && break
  main=$(wait_for_window ZUMBILO 6000)
done
ended || fail "the program did not end on x"
wait "$program_pid" || fail "the program ended with status $?"
expect_table_colours startup
echo "main window shown ${handed_over} ms after the start-up window"
