#!/usr/bin/env bash
# A player's desktop: openbox on one 1280 x 1024 monitor, Orca listening. Both windows open
# centred; after INICIAR, "?" pressed as a screen reader presses returns at once and opens the
# About box centred over the main window; after a play with the key 5 the player's hand covers
# "?", which then cannot be pressed. Orca names the start-up window Zumbilo, never Form1, and
# speaks BIENVENIDO, ELIGE UNA FIGURA, then the verdict and the computer's figure.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/desktop_lib.sh"

# Before the program, so that it hears the start-up window; ready once it
# listens for windows on the accessibility bus, which the session bus starts.
# With no speech synthesizer it still logs what it says.
start_orca() {
  HOME=$work_dir SPEECHD_CMD=/bin/false SPEECHD_ADDRESS="unix_socket:$work_dir/no-speech" \
    orca --user-prefs "$(mktemp -d -p "$work_dir")" --debug-file "$work_dir/orca.debug" \
    >"$work_dir/orca.log" 2>&1 &
  orca_pid=$!
  listening() {
    local bus
    bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
    dbus-send --bus="${bus// /}" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
      org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null | grep -q Window:Activate
  }
  wait_until 20000 "Orca did not start" listening
}

# Lists the accessible objects, or with a control's name, presses it.
accessible() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo "$@"; }
# Waits up to $1 ms for an accessible object matching "depth|role|name" $2 (a regular expression).
wait_for_accessible() {
  in_tree() { accessible >"$work_dir/accessible.log" 2>&1 && grep -qx -- "$1" "$work_dir/accessible.log"; }
  wait_until "$1" "nothing accessible as \"$2\"" in_tree "$2"
}

trap 'kill -KILL "${orca_pid:-}" 2>/dev/null || true; stop_everything' EXIT
XVFB_SIZE=1280x1024 start_xvfb
start_window_manager openbox
start_orca
start_program "$1"
expect_both_windows_centred "0 0 1280 1024" 2

click_in "$main" 92 132 # INICIAR
wait_for_accessible 2000 "2|status bar|ELIGE UNA FIGURA"
accessible "?" || fail "pressing ? did not return at once"
wait_until 2000 "no About box" about_box >/dev/null
expect_centred "About box's frame" "$(about_box)" "$main_frame" 0 4
xdotool key Return
wait_until 2000 "the main window is not active again after the About box" main_active

xdotool key 5
wait_for_accessible 2000 "2|status bar|\(GANASTE\|PERDISTE\|EMPATASTE\)"
! accessible "?" 2>/dev/null || fail "? pressed under the player's hand"
sleep 3 # Orca's time to speak the verdict
# Orca handles SIGTERM at its next event, a key say, and writes its log out once it ends.
kill -TERM "$orca_pid"
orca_ended() { xdotool key shift && ! kill -0 "$orca_pid" 2>/dev/null; }
wait_until 10000 "Orca did not end" orca_ended
spoken=$(grep -a "SPEECH OUTPUT: '" "$work_dir/orca.debug" | sed -E "s/^.*SPEECH OUTPUT: '//; s/' ?\{.*$//")
for words in "^Zumbilo " ^BIENVENIDO "^ELIGE UNA FIGURA" \
  "^(GANASTE|PERDISTE|EMPATASTE)\. El ordenador sacó (PAPEL|TIJERAS|PIEDRA)\."; do
  grep -qE -- "$words" <<<"$spoken" || fail "Orca did not say $words; it said: $spoken"
done
! grep -q Form1 <<<"$spoken" || fail "Orca said Form1: $spoken"
echo "Orca said: $(tr '\n' '/' <<<"$spoken")"
