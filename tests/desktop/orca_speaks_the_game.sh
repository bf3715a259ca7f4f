#!/usr/bin/env bash
# Orca, the desktop's screen reader, under a window manager: it calls the
# start-up window by the game's name and never "Form1", says BIENVENIDO when
# the main window comes up, ELIGE UNA FIGURA after a click on INICIAR, and,
# after a play started with the key 5, the verdict and the computer's figure
# within about 3 s of the verdict. Orca logs what it speaks even with no
# speech synthesizer, but writes the log in blocks: it is read once Orca has
# ended. Runs in a session bus of its own (dbus-run-session).
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/xvfb_lib.sh"
source "$here/zumbilo_screen.sh"
source "$here/accessibility_lib.sh"
source "$here/window_manager_lib.sh"

# Started before the program, so that it hears the start-up window too; ready
# once it listens for windows.
start_orca() {
  local bus deadline=$(($(now_ms) + 10000))
  bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress | xargs)
  mkdir "$work_dir/orca"
  HOME=$work_dir SPEECHD_CMD=/bin/false SPEECHD_ADDRESS="unix_socket:$work_dir/no-speech" \
    orca --user-prefs "$work_dir/orca" --debug-file "$work_dir/orca.log" >"$work_dir/orca.out" 2>&1 &
  orca_pid=$!
  until dbus-send --bus="$bus" --print-reply --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null |
    grep -q 'Window:Activate'; do
    (($(now_ms) < deadline)) || fail "Orca did not start: $(cat "$work_dir/orca.out")"
    sleep "$POLL_SECONDS"
  done
}

# Orca handles SIGTERM at its next event, then writes out its log and ends.
stop_orca() {
  local deadline=$(($(now_ms) + 10000))
  kill -TERM "$orca_pid"
  while kill -0 "$orca_pid" 2>/dev/null; do
    (($(now_ms) < deadline)) || fail "Orca did not end"
    sleep "$POLL_SECONDS"
  done
  wait "$orca_pid" || true
}

trap '[[ -z ${orca_pid:-} ]] || kill -KILL "$orca_pid" 2>/dev/null || true; stop_everything' EXIT
start_xvfb
start_accessibility_bus
# Qt turns its accessibility on when a screen reader asks for it.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
start_window_manager # it activates each new window, as on a player's desktop
start_orca
start_program "$1"
main=$(wait_for_window "$MAIN_TITLE" 6000)
wait_for_accessible 3000 "2|push button|INICIAR"
sleep 0.5 # the window's slide into place
xdotool mousemove --window "$main" 92 132 click 1 # INICIAR, in the window's own pixels
wait_for_accessible 2000 "2|status bar|ELIGE UNA FIGURA"
xdotool key 5
sleep 4 # the verdict after 0.6 s, then about 3 s for Orca to speak it
stop_orca

spoken=$(grep -a "SPEECH OUTPUT: '" "$work_dir/orca.log" | sed -E "s/^.*SPEECH OUTPUT: '//; s/' ?\{.*$//" || true)
heard() { grep -qE -- "$1" <<<"$spoken" || fail "Orca did not say $1; it said: $spoken"; }
heard "^Zumbilo "
heard "^BIENVENIDO"
heard "^ELIGE UNA FIGURA"
heard "^(GANASTE|PERDISTE|EMPATASTE)\. El ordenador sacó (PAPEL|TIJERAS|PIEDRA)\. Ganadas: [01]\. Perdidas: [01]"
if grep -q Form1 <<<"$spoken"; then
  fail "Orca said Form1: $spoken"
fi
echo "Orca said: $(tr '\n' '/' <<<"$spoken")"
