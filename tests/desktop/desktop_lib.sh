# shellcheck shell=bash
# Sourced by the real-window tests: frames, centring and the main window, on scripts/lib/xvfb.sh.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# "x y width height" of window $1 with its frame, if any (none told for a borderless one).
frame_geometry() {
  local left=0 right=0 top=0 bottom=0 x y width height
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //; s/,//gp')"
  read -r x y width height <<<"$(window_geometry "$1")"
  [[ -n $height ]] || return 1 # gone
  echo "$((x - ${left:-0})) $((y - ${top:-0})) $((width + ${left:-0} + ${right:-0})) $((height + ${top:-0} + ${bottom:-0}))"
}

# Fails unless window $2, called $1, rests with its frame centred on the rectangle $3
# ("x y width height") raised by $4 pixels, give or take $5. Leaves the frame and the client area
# seen at rest in centred_frame and centred_client: a short-lived window may be gone by then.
expect_centred() {
  centred() {
    local -a r a
    centred_client=$(window_geometry "$2") centred_frame=$(frame_geometry "$2")
    read -r -a r <<<"$centred_frame"
    read -r -a a <<<"$3"
    # Twice the distances, so that half pixels stay whole.
    local dx=$((2 * r[0] + r[2] - 2 * a[0] - a[2])) dy=$((2 * r[1] + r[3] + 2 * $4 - 2 * a[1] - a[3]))
    ((${#r[@]} == 4 && ${dx#-} <= 2 * $5 && ${dy#-} <= 2 * $5))
  }
  holds 2000 centred "$@" ||
    fail "$1 at $(frame_geometry "$2"), not $4 pixels above the centre of $3 give or take $5"
}

# The last hand-off in the window log, on the X server's clock: "SHOWN MAIN HIDDEN ALONE", when
# the start-up window last showed, when the main window showed next and when the start-up window
# then hid (-1 until they do), and 1 if the main window was hidden when the start-up window showed.
last_hand_off() {
  awk 'BEGIN { shown = main = hidden = -1; alone = 0 }
    { title = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ /, "", title) }
    title == "Zumbilo" && $2 == "map" { shown = $1; main = hidden = -1; alone = !main_shown }
    title == "Zumbilo" && $2 == "unmap" && shown >= 0 && hidden < 0 { hidden = $1 }
    title == "ZUMBILO" { main_shown = $2 == "map" }
    title == "ZUMBILO" && $2 == "map" && shown >= 0 && main < 0 { main = $1 }
    END { print shown, main, hidden, alone }' "$work_dir/windows.log"
}

# Whether the start-up window has hidden again since it last showed.
hand_off_over() { last_hand_off | awk '{ exit $3 < 0 }'; }

# Fails unless the start-up window showed alone and, 1.6 s or more later on the X server's clock,
# the main window showed, then the start-up window hid. Sets handed_over (ms between the two shown).
expect_hand_off() {
  local shown main_shown hidden alone
  wait_until 6000 "no hand-off" hand_off_over
  read -r shown main_shown hidden alone <<<"$(last_hand_off)"
  ((alone)) || fail "main window shown with the start-up window"
  ((main_shown >= shown && hidden >= main_shown)) || fail "the start-up window hid before the main window showed"
  handed_over=$((main_shown - shown))
  ((handed_over >= 1600)) || fail "main window shown ${handed_over} ms after the start-up window"
}

# The start-up window within $4 ms (4 s if not given), alone and borderless, centred on the area $1
# give or take $2 pixels; then the main window, handed over to as expect_hand_off checks, with a
# title bar, the frame at rest 16 pixels above the centre give or take $3 (or $2). Sets
# startup_frame, main, main_frame and handed_over.
expect_both_windows_centred() {
  local startup s=${SCALE:-1}
  startup=$(wait_for_window Zumbilo "${4:-4000}")
  [[ $(window_geometry "$startup") == *" $((521 * s)) $((297 * s))" ]] || fail "start-up window at $(window_geometry "$startup")"
  expect_centred "start-up window" "$startup" "$1" 0 "$2"
  startup_frame=$centred_frame
  [[ $startup_frame == "$centred_client" ]] || fail "the start-up window has a border: $startup_frame"
  main=$(wait_for_window ZUMBILO 6000)
  expect_hand_off
  [[ $(window_geometry "$main") == *" $((417 * s)) $((225 * s))" ]] || fail "main window at $(window_geometry "$main")"
  expect_centred "main window's frame" "$main" "$1" $((16 * s)) "${3:-$2}"
  main_frame=$centred_frame
  ((${main_frame##* } > 225 * s)) || fail "the main window has no title bar: frame $main_frame"
}

# The screen rectangle "x y width height" of window $1's client rectangle $2 $3 $4 $5, times SCALE.
in_window() {
  local x y s=${SCALE:-1}
  read -r x y _ <<<"$(window_geometry "$1")"
  echo "$(($2 * s + x)) $(($3 * s + y)) $(($4 * s)) $(($5 * s))"
}
# Window $1's client rectangle $2 $3 $4 $5 (times SCALE) as the image $6, raw RGB if not given.
crop_of() {
  local -a r
  read -r -a r <<<"$(in_window "${@:1:5}")"
  import -silent -window root -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage -depth 8 "${6:-rgb:-}"
}
# A digest of the main window's client rectangle x y width height.
main_digest() { crop_of "$main" "$@" | md5sum | cut -d ' ' -f 1; }
main_status() { main_digest 65 8 287 33; }
# The counters' digests: games won, games lost, both on one line.
wins() { main_digest 8 8 57 33; }
losses() { main_digest 352 8 57 33; }
counters() { echo "$(wins) $(losses)"; }
# Clicks INICIAR and waits until the status strip leaves its welcome.
start_playing() {
  local welcome
  welcome=$(main_status)
  status_changed() { [[ $(main_status) != "$welcome" ]]; }
  click_in "$main" 92 132
  wait_until 2000 "INICIAR did not start a play" status_changed
}
main_active() { [[ $(xdotool getactivewindow) == "$main" ]]; }
