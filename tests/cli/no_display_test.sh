#!/usr/bin/env bash
# Without a display to reach the program says so in one line and exits with
# 1, instead of aborting inside Qt with a core dump: both when no display is
# named at all and when the named one has no server behind it.
set -u
program=$1
stderr=$(mktemp)
trap 'rm -f "$stderr"' EXIT

fail() { echo "FAIL: $*"; echo "--- stderr:"; cat "$stderr"; exit 1; }

expect_one_line_and_status_one() {
  local status
  timeout 10 "$@" 2>"$stderr" >/dev/null
  status=$?
  [ "$status" -eq 1 ] || fail "$*: exit status $status, expected 1"
  [ "$(wc -l <"$stderr")" -eq 1 ] || fail "$*: expected exactly one line on standard error"
  grep -q 'pantalla' "$stderr" || fail "$*: the line does not name the display"
  echo "ok: $(cat "$stderr")"
}

expect_one_line_and_status_one env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
expect_one_line_and_status_one env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:64999 \
  XDG_RUNTIME_DIR=/tmp "$program"
