#!/usr/bin/env bash
# On the real desktop: the main window rests 16 pixels above the centre, the
# pointer over INICIAR darkens it, "?" opens the About box with the maker and
# the version, and assistive technology sees the controls and the box's text.
# Runs in a session bus of its own (dbus-run-session).
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"

accessible_tree() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo; }

# Waits up to $1 ms until the accessible tree has the line $2.
wait_for_accessible() {
  local deadline=$(($(now_ms) + $1))
  local tree
  for (( ; ; )); do
    tree=$(accessible_tree 2>/dev/null || true)
    grep -qxF -- "$2" <<<"$tree" && return
    (($(now_ms) < deadline)) || fail "nothing accessible as \"$2\"; the tree: $(accessible_tree 2>&1)"
    sleep "$POLL_SECONDS"
  done
}

start_xvfb
start_accessibility_bus
start_program "$1"
wait_for_main_window_at_rest 4000

wait_for_accessible 3000 "2|push button|INICIAR"
wait_for_accessible 1000 "2|label|BIENVENIDO"

# The INICIAR label: client (16, 120), 153 x 25 pixels.
label=($((MAIN_X + 16)) $((MAIN_Y + 120)) 153 25)
(($(count_colour "${label[@]}" 128 0 0) > 20)) || fail "INICIAR not drawn in its colour at rest"
xdotool mousemove "$START_X" "$START_Y"
deadline=$(($(now_ms) + 1000))
until (($(count_colour "${label[@]}" 64 0 0) > 20)); do
  (($(now_ms) < deadline)) || fail "INICIAR not darkened under the pointer"
  sleep "$POLL_SECONDS"
done

click_at "$START_X" "$START_Y"
wait_for_accessible 1000 "2|label|ELIGE UNA FIGURA"
click_at "$ABOUT_X" "$ABOUT_Y"
wait_for_window Zumbilo 2000 >/dev/null
wait_for_accessible 2000 "1|dialog|Zumbilo"
wait_for_accessible 1000 "2|label|Velmarin\\nZumbilo: Versión 3.5"
echo "INICIAR darkened; About box: $(accessible_tree | grep -F 'Velmarin')"
