#!/usr/bin/env bash
# No window manager, 1024 x 768: the borderless start-up window centred, handed over to the main
# window with a title bar 16 pixels above; INICIAR and the key 5 play to a verdict. No session
# bus either: none that the game had started for its display is left running.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/desktop_lib.sh"
unset DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR=$work_dir

# The decorations window $1 asks for (_MOTIF_WM_HINTS: flags, functions, decorations...), or -1.
decorations() {
  local hints
  read -r -a hints <<<"$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
  echo $(((hints[0] & 2) != 0 ? hints[2] : -1))
}

start_xvfb
start_program "$1"
startup=$(wait_for_window Zumbilo 4000)
startup_at=$(window_geometry "$startup")
[[ $startup_at == "251 235 521 297" ]] || fail "start-up window at $startup_at"
(($(decorations "$startup") == 0)) || fail "the start-up window has a border"
main=$(wait_for_window ZUMBILO 6000)
expect_hand_off
(($(decorations "$main") & 8)) || fail "the main window has no title bar"
at_rest_above_centre() { [[ $(window_geometry "$main") == "303 255 417 225" ]]; }
holds 2000 at_rest_above_centre || fail "main window at $(window_geometry "$main"), not at rest at 303 255"

before=$(counters)
# Keys wait while the hands shake; after a tie, 5 plays again.
key_5_moved_a_counter() { xdotool key 5 && [[ $(counters) != "$before" ]]; }
start_playing
wait_until 10000 "no verdict changed a counter" key_5_moved_a_counter
echo "main window shown ${handed_over} ms after the start-up window"

stop_program
left=()
for pid in $(pgrep -x 'dbus-launch|dbus-daemon'); do
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && left+=("$pid")
done
if ((${#left[@]} > 0)); then
  started_pids+=("${left[@]}")
  fail "left running: $(ps -o args= -p "${left[*]}")"
fi
