# shellcheck shell=bash
# Sourced after xvfb_lib.sh by the tests that run the program as players do:
# under a window manager, on one monitor or several, reading the windows'
# outer frames back as the window manager reports them.

# Starts openbox with its own configuration only, and waits until it manages
# the screen: the program asks what the window manager supports as it starts.
start_window_manager() {
  XDG_CONFIG_HOME=$work_dir XDG_CACHE_HOME=$work_dir openbox --sm-disable \
    >"$work_dir/openbox.log" 2>&1 &
  started_pids+=("$!")
  local deadline=$(($(now_ms) + 5000))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    (($(now_ms) < deadline)) || fail "openbox did not start: $(cat "$work_dir/openbox.log")"
    sleep "$POLL_SECONDS"
  done
}

# Prints "x y width height" of window $1's client area grown by its frame.
frame_geometry() {
  local left right top bottom x y width height
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //; s/,//gp')"
  [[ -n $bottom ]] || fail "the window manager reports no frame for window $1"
  read -r x y width height <<<"$(window_geometry "$1")"
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# Waits up to $2 ms for window $1's frame to stand still for 300 ms, and
# prints it.
frame_at_rest() {
  local deadline=$(($(now_ms) + $2)) frame last="" since=0
  while (($(now_ms) < deadline)); do
    frame=$(frame_geometry "$1")
    [[ $frame == "$last" ]] || since=$(now_ms) last=$frame
    (($(now_ms) - since < 300)) || { echo "$frame" && return; }
    sleep "$POLL_SECONDS"
  done
  fail "window $1 still moving after $2 ms, at $frame"
}

# Waits up to $3 ms for a visible window titled $1 (in any case) other than
# window $2, and prints its id.
wait_for_another_window() {
  local deadline=$(($(now_ms) + $3)) id=""
  until [[ -n $id ]]; do
    (($(now_ms) < deadline)) || fail "no window \"$1\" besides $2 within $3 ms"
    sleep "$POLL_SECONDS"
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -n 1 || true)
  done
  echo "$id"
}

# Fails unless the rectangle $2 ("x y width height"), called $1, lies
# centred on the rectangle $3 raised by $4 pixels, give or take $5 pixels.
expect_centred() {
  local -a r a
  read -r -a r <<<"$2"
  read -r -a a <<<"$3"
  # Twice the distances, so that half pixels stay whole.
  local dx=$((2 * r[0] + r[2] - 2 * a[0] - a[2])) dy=$((2 * r[1] + r[3] + 2 * $4 - 2 * a[1] - a[3]))
  ((${dx#-} <= 2 * $5 && ${dy#-} <= 2 * $5)) ||
    fail "$1 at $2, off by $((dx / 2)) $((dy / 2)) from $4 pixels above the centre of $3"
}
