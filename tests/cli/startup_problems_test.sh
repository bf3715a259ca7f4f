#!/usr/bin/env bash
# Where the program cannot start it says why in one line on standard error
# and exits with 1, instead of aborting inside Qt with a core dump: without a
# display, with a display that has no server, and with a display that is
# there but a Qt platform plugin that is missing or cannot be loaded. Where a
# caption font is missing it names it with its package in one line and plays
# on. startup_problems_test.sh PROGRAM XCB-PLUGIN
program=$1 xcb_plugin=$2
source "$(dirname "$0")/../desktop/xvfb_lib.sh"
# Else Qt says that it made one.
export XDG_RUNTIME_DIR=$work_dir
chmod 700 "$work_dir"

# Runs the command; fails unless it exits with 1 after one line on standard
# error that matches $1.
expect_line_and_status_one() {
  local pattern=$1 status=0
  shift
  timeout 10 "$@" >/dev/null 2>"$work_dir/stderr" || status=$?
  [[ $status == 1 && $(wc -l <"$work_dir/stderr") == 1 ]] && grep -Eq "$pattern" "$work_dir/stderr" ||
    fail "$*: exit status $status, expected 1 and one line matching '$pattern' on standard error:
$(cat "$work_dir/stderr")"
  echo "ok: $(cat "$work_dir/stderr")"
}

# A copy of the program whose Qt finds an xcb plugin that needs a library
# that is not there.
broken=$work_dir/broken
mkdir -p "$broken/plugins/platforms"
cp "$program" "$broken/zumbilo"
printf '[Paths]\nPlugins=%s\n' "$broken/plugins" >"$broken/qt.conf"
perl -pe 's/libQt6XcbQpa\.so/libQt6XcbQpX.so/g' <"$xcb_plugin" >"$broken/plugins/platforms/libqxcb.so"

if [[ -e $(dirname "$xcb_plugin")/libqwayland-generic.so ]]; then
  wayland_only='no se puede abrir la pantalla zumbilo-none$'
else
  wayland_only='«wayland», del paquete qt6-wayland: Could not find'
fi

start_xvfb
expect_line_and_status_one '^zumbilo: no hay pantalla' \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
expect_line_and_status_one '^zumbilo: no se puede abrir la pantalla :64999$' \
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:64999 "$program"
expect_line_and_status_one '^zumbilo: Qt no puede cargar su complemento de plataforma «bogus»: Could not find' \
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=bogus "$program"
expect_line_and_status_one '«xcb», del paquete libqt6gui6: Cannot load library .*libQt6XcbQpX\.so' \
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$broken/zumbilo"
expect_line_and_status_one "^zumbilo: .*$wayland_only" \
  env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=zumbilo-none "$program"

# Fonts: only the folder of Carlito, one of the three.
cat >"$work_dir/fonts.conf" <<CONF
<?xml version="1.0"?>
<fontconfig>
  <dir>$(dirname "$(fc-match -f '%{file}' Carlito)")</dir>
  <cachedir>$work_dir/font-cache</cachedir>
</fontconfig>
CONF
FONTCONFIG_FILE=$work_dir/fonts.conf QT_QPA_PLATFORM=offscreen start_program "$program"
expected='zumbilo: faltan fuentes de los textos: Comic Neue (fonts-comic-neue), Liberation Sans (fonts-liberation2)'
deadline=$(($(now_ms) + 10000))
until [[ -s $work_dir/program.log ]]; do
  (($(now_ms) < deadline)) || fail "no line about the missing fonts within 10 s"
  sleep "$POLL_SECONDS"
done
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the program did not play on without its fonts"
[[ $(cat "$work_dir/program.log") == "$expected" ]] || fail "expected only: $expected"
echo "ok: $expected"
