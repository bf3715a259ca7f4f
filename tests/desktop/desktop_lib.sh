# shellcheck shell=bash
# Sourced by the real-window tests: an X server of the test's own, openbox on
# it, windows' outer frames as openbox reports them, and what is on the screen.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# Waits up to $1 ms until the command $2... has held for 300 ms on end: a
# window passing through a place, or stopping briefly, is not at rest there.
holds() {
  local deadline=$(($(now_ms) + $1)) since
  since=$(now_ms)
  while (($(now_ms) < deadline)); do
    "${@:2}" || since=$(now_ms)
    (($(now_ms) - since >= 300)) && return
    sleep "$POLL_SECONDS"
  done
  return 1
}

# A digest of the screen rectangle x y width height.
region_digest() {
  import -silent -window root -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | md5sum | cut -d ' ' -f 1
}

# Starts openbox on its own configuration, and waits until it manages the
# screen: the program asks what the window manager supports as it starts.
start_window_manager() {
  XDG_CONFIG_HOME=$work_dir XDG_CACHE_HOME=$work_dir openbox --sm-disable >"$work_dir/openbox.log" 2>&1 &
  started_pids+=("$!")
  managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_until 5000 "openbox did not start" managed
}

# "x y width height" of window $1's client area grown by its frame.
frame_geometry() {
  local left right top bottom x y width height
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //; s/,//gp')"
  [[ -n $bottom ]] || return 1 # not framed yet
  read -r x y width height <<<"$(window_geometry "$1")"
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# Fails unless window $2, called $1, comes to rest with its frame centred on the
# rectangle $3 ("x y width height") raised by $4 pixels, give or take $5 pixels.
expect_centred() {
  centred() {
    local -a r a
    read -r -a r <<<"$(frame_geometry "$2")"
    read -r -a a <<<"$3"
    # Twice the distances, so that half pixels stay whole.
    local dx=$((2 * r[0] + r[2] - 2 * a[0] - a[2])) dy=$((2 * r[1] + r[3] + 2 * $4 - 2 * a[1] - a[3]))
    ((${#r[@]} == 4 && ${dx#-} <= 2 * $5 && ${dy#-} <= 2 * $5))
  }
  holds 2000 centred "$@" ||
    fail "$1 at $(frame_geometry "$2"), not $4 pixels above the centre of $3 give or take $5"
}

# Checks the start-up window, then the main window's whole frame at rest 16 pixels
# higher, centred on the monitor $1 give or take $2 pixels; sets main and main_frame.
expect_both_windows_centred() {
  expect_centred "start-up window" "$(wait_for_window Form1 2000)" "$1" 0 "$2"
  main=$(wait_for_window ZUMBILO 4000)
  expect_centred "main window's frame" "$main" "$1" 16 "$2"
  main_frame=$(frame_geometry "$main")
  ((${main_frame##* } > 225)) || fail "the main window has no title bar: frame $main_frame"
}
