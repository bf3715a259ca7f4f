#!/usr/bin/env bash
# window_manager.sh WINDOW_MANAGER[.busy|.orca|.two_monitors] PROGRAM: both windows placed on
# what the panels leave free, "?" opens the About box centred over the main window, Return closes
# it; after (REINICIAR) both placed again. busy: every core kept busy. orca: Orca hears the words,
# "?" pressed as a screen reader does. two_monitors: both on the monitor under the pointer.
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/desktop_lib.sh"
IFS=. read -r wm mode <<<"$1"

# Before the program, to hear the start-up window; with no speech synthesizer it still logs.
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
accessible() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo "$@"; }
# Waits up to $1 ms for an accessible object matching "depth|role|name" $2 (a regular expression).
wait_for_accessible() {
  in_tree() { accessible >"$work_dir/accessible.log" 2>&1 && grep -qx -- "$1" "$work_dir/accessible.log"; }
  wait_until "$1" "nothing accessible as \"$2\"" in_tree "$2"
}

if [[ $mode == two_monitors ]]; then
  XVFB_SIZE=3840x1440 start_xvfb
  # Xvfb's one output goes to the primary monitor.
  xrandr --setmonitor left 1280/338x1024/270+0+0 none >/dev/null
  xrandr --setmonitor '*primary' 2560/677x1440/381+1280+0 screen >/dev/null
else
  XVFB_SIZE=1280x1024 start_xvfb
fi
start_window_manager "$wm"
area=$(work_area) pointer="640 512" main_give=2
[[ $mode != two_monitors ]] || area="1280 0 2560 1440" pointer="2560 720" main_give=1
# Every core kept busy, for at most 60 s should the test be killed.
[[ $mode != busy ]] || for _ in $(seq "$(nproc)"); do
  timeout 60 bash -c 'while :; do :; done' &
  started_pids+=("$!")
done
[[ $mode != orca ]] || { trap 'kill -KILL "${orca_pid:-}" 2>/dev/null || true; stop_everything' EXIT && start_orca; }
xdotool mousemove $pointer
start_program "$2"
expect_both_windows_centred "$area" 1 $main_give

start_playing

if [[ $mode == orca ]]; then
  wait_for_accessible 2000 "2|status bar|ELIGE UNA FIGURA"
  accessible "Acerca del juego." || fail "pressing ? did not return at once"
else
  click_in "$main" 156 196 # ?
fi
wait_until 4000 "no About box" about_box "$main" >/dev/null
about=$(about_box "$main")
expect_centred "About box's frame" "$about" "$main_frame" 0 4
about_frame=$centred_frame
about_active() { [[ $(xdotool getactivewindow) == "$about" ]]; }
wait_until 2000 "the About box is not active" about_active
xdotool key Return
wait_until 2000 "the main window is not active again after the About box" main_active

if [[ $mode == orca ]]; then
  xdotool key 5
  wait_for_accessible 2000 "2|status bar|\(GANASTE\|PERDISTE\|EMPATASTE\)"
  ! accessible "Acerca del juego." 2>/dev/null || fail "? pressed under the player's hand"
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
fi

click_in "$main" 242 132 # (REINICIAR)'s panel, on the rim that the hand leaves uncovered
wait_for_no_window ZUMBILO 5000
expect_both_windows_centred "$area" 1 $main_give
echo "$wm${mode:+ ($mode)}: free area $area; About box at $about_frame; after (REINICIAR) start-up" \
  "window at $startup_frame, main frame at rest at $main_frame, shown ${handed_over} ms after it"

if [[ $mode == two_monitors ]]; then
  stop_program
  xdotool mousemove 640 512
  start_program "$2"
  expect_centred "start-up window on the left monitor" "$(wait_for_window Zumbilo 2000)" "0 0 1280 1024" 0 1
fi
