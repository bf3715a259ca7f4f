# shellcheck shell=bash
# Sourced by the benchmark scripts that drive real windows, after lib.sh:
# a session bus and an Xvfb of their own (scripts/lib/xvfb.sh),
# the main window at rest and what a process's status tells.

# The program and the baseline meet a session bus of their own, as on a
# desktop: without one, Qt in the baseline would have dbus-launch start one,
# which would outlive the benchmark.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
  exec dbus-run-session -- "$0" "$@"
fi

# shellcheck disable=SC2154 # repo comes from lib.sh
source "$repo/scripts/lib/xvfb.sh"

# Waits for the main window (titled ZUMBILO in both programs) to be shown
# and come to rest; prints its id.
main_window_at_rest() {
  local id
  id=$(wait_for_window ZUMBILO 6000)
  window_at_rest "$id" 3000
  echo "$id"
}

# A field of /proc/$1/status, in its own unit ("VmHWM" is in kB).
status_field() {
  awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"
}
