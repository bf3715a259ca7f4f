#!/usr/bin/env bash
# On the real desktop: the main window rests 16 pixels above the centre, the
# pointer over INICIAR darkens it, and assistive technology sees the controls,
# presses "?" without waiting for the About box it opens, sees the box modal
# with its two lines, and cannot press "?" once the player's hand covers it.
# Runs in a session bus of its own (dbus-run-session).
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"
source "$here/accessibility_lib.sh"

start_xvfb
start_accessibility_bus
start_program "$1"
wait_for_main_window_at_rest 4000

wait_for_accessible 3000 "2|push button|INICIAR"
wait_for_accessible 1000 "2|status bar|BIENVENIDO"

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
wait_for_accessible 1000 "2|status bar|ELIGE UNA FIGURA"
press_accessible "?" || fail "pressing ? did not return at once"
wait_for_accessible 2000 "1|dialog|Zumbilo|modal"
wait_for_accessible 1000 "2|label|Velmarin\\nZumbilo: Versión 3.5"
echo "INICIAR darkened; About box: $(accessible_tree | grep -F 'Velmarin')"

xdotool key Return
click_at "$PAPER_X" "$PAPER_Y"
wait_for_accessible 2000 "2|push button|Tu mano: PAPEL"
if press_accessible "?" 2>/dev/null; then
  fail "? pressed under the player's hand"
fi
