#!/usr/bin/env bash
# Where the program cannot start (no display, no server, a Qt platform plugin missing or
# broken) it says why in one line and exits with 1; a missing font is named in one line.
# startup_problems_test.sh PROGRAM XCB-PLUGIN
program=$1 xcb_plugin=$2
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
# Else Qt says that it made one.
export XDG_RUNTIME_DIR=$work_dir
chmod 700 "$work_dir"

# Runs the command $2...; fails unless it exits with 1 after one line on stderr matching $1 (ERE).
expect_one_line_and_status_1() {
  local pattern=$1 status=0
  shift
  timeout 10 "$@" >/dev/null 2>"$work_dir/stderr" || status=$?
  [[ $status == 1 && $(wc -l <"$work_dir/stderr") == 1 ]] && grep -Eq "$pattern" "$work_dir/stderr" ||
    fail "$*: status $status, not 1 and one line matching '$pattern': $(cat "$work_dir/stderr")"
  echo "ok: $(cat "$work_dir/stderr")"
}

# A copy of the program whose Qt finds an xcb plugin needing a library that is not there.
broken=$work_dir/broken
mkdir -p "$broken/plugins/platforms"
cp "$program" "$broken/zumbilo"
printf '[Paths]\nPlugins=%s\n' "$broken/plugins" >"$broken/qt.conf"
perl -pe 's/libQt6XcbQpa\.so/libQt6XcbQpX.so/g' <"$xcb_plugin" >"$broken/plugins/platforms/libqxcb.so"
wayland_only='«wayland», del paquete qt6-wayland: Could not find'
[[ ! -e $(dirname "$xcb_plugin")/libqwayland-generic.so ]] ||
  wayland_only='no se puede abrir la pantalla zumbilo-none$'

start_xvfb
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
expect_one_line_and_status_1 '^zumbilo: no hay pantalla' env -u DISPLAY "$program"
expect_one_line_and_status_1 '^zumbilo: no se puede abrir la pantalla :64999$' env DISPLAY=:64999 "$program"
plugin='^zumbilo: Qt no puede cargar su complemento de plataforma'
expect_one_line_and_status_1 "$plugin «bogus»: Could not find" env QT_QPA_PLATFORM=bogus "$program"
expect_one_line_and_status_1 "$plugin «xcb», del paquete libqt6gui6: Cannot load library .*libQt6XcbQpX\.so" \
  "$broken/zumbilo"
expect_one_line_and_status_1 "^zumbilo: .*$wayland_only" \
  env -u DISPLAY WAYLAND_DISPLAY=zumbilo-none "$program"

# Only the folder of Carlito, one of the three fonts.
cat >"$work_dir/fonts.conf" <<CONF
<fontconfig><dir>$(dirname "$(fc-match -f '%{file}' Carlito)")</dir>
<cachedir>$work_dir/fonts</cachedir></fontconfig>
CONF
FONTCONFIG_FILE=$work_dir/fonts.conf start_program "$program"
wait_for_window Zumbilo 5000 >/dev/null
expected='zumbilo: faltan fuentes de los textos: Comic Neue (fonts-comic-neue),'
expected+=' Liberation Sans (fonts-liberation2)'
[[ $(cat "$work_dir/program.log") == "$expected" ]] || fail "expected only: $expected"
echo "ok: $expected, and the start-up window shows"
