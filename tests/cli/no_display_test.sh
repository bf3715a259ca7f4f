#!/usr/bin/env bash
# Without any display the program says so in one line and exits with 1,
# instead of aborting inside Qt with a core dump.
set -u
program=$1
stderr=$(mktemp)
trap 'rm -f "$stderr"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" 2>"$stderr" >/dev/null
status=$?

fail() { echo "FAIL: $*"; echo "--- stderr:"; cat "$stderr"; exit 1; }
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
[ "$(wc -l <"$stderr")" -eq 1 ] || fail "expected exactly one line on standard error"
grep -q 'pantalla' "$stderr" || fail "the line does not name the missing display"
echo "ok: $(cat "$stderr")"
