#!/usr/bin/env bash
# The Windows downloads: the zip; under Wine, the installer, the game started from its
# shortcut and both uninstalls, which leave no trace (resources.sh reads the installer).
# Usage: windows_downloads.sh SETUP.exe PORTABLE.zip SHIPPED-zumbilo.exe
# shellcheck source-path=SCRIPTDIR
here=$(dirname "$0")
source "$here/../../scripts/lib/xvfb.sh"
setup=$(realpath "$1") portable_zip=$(realpath "$2") shipped_exe=$(realpath "$3")
wine_run=$here/../../scripts/lib/wine-run
readonly VERSION=3.5.0.4
readonly APPS='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
readonly ENTRY="$APPS\\io.github.velmarin.Zumbilo"

# Says what differs unless $2 is $3; $1 names what was read.
expect() { [[ $2 == "$3" ]] || fail "$1: \"$2\", not \"$3\""; }

# The zip: the program as shipped and the read-me in both languages.
mkdir "$work_dir/zip"
(cd "$work_dir/zip" && cmake -E tar xf "$portable_zip") || fail "the zip does not open"
expect "the zip's files" "$(cd "$work_dir/zip" && find . -type f | sort | xargs)" "./LEEME.txt ./zumbilo.exe"
cmp -s "$work_dir/zip/zumbilo.exe" "$shipped_exe" || fail "the zip's zumbilo.exe is not the shipped one"
for line in "Zumbilo $VERSION: piedra" "Zumbilo $VERSION: rock"; do
  grep -q "^$line" "$work_dir/zip/LEEME.txt" || fail "the read-me has no \"$line\""
done
[[ $(head -n 1 "$work_dir/zip/LEEME.txt") == *$'\r' ]] || fail "the read-me's lines do not end as Windows' do"
# Shipped without the symbols, which would make a third of its size.
sections=$(x86_64-w64-mingw32-objdump -h "$shipped_exe")
[[ $sections != *' .debug_'* ]] || fail "zumbilo.exe ships with its symbols"

# A Wine prefix of its own; nor Linux's menus, which Wine would fill with the shortcut.
export WINEPREFIX=$work_dir/prefix WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
trap 'wineserver -k 2>/dev/null || true; stop_everything' EXIT
start_xvfb
"$wine_run" wineboot -i >"$work_dir/wineboot.log" 2>&1 || fail "the Wine prefix could not be made"
wineserver -w
# The Linux path of the folder in Windows' environment variable $1.
folder() { winepath -u "$("$wine_run" cmd /c echo "%$1%" 2>>"$work_dir/wine.log" | tr -d '\r')"; }
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Zumbilo.lnk"
install_dir=$(folder LOCALAPPDATA)/Programs/Zumbilo
# Everything in the user's folders, the temporary files included.
user_files() { find "$WINEPREFIX/drive_c/users" | sort; }
user_files >"$work_dir/before"
"$wine_run" reg query "$APPS" /s >"$work_dir/apps-before" 2>>"$work_dir/wine.log" || true

"$wine_run" "$setup" /S >"$work_dir/setup.log" 2>&1 || fail "the silent install failed"
wineserver -w
cmp -s "$install_dir/zumbilo.exe" "$shipped_exe" || fail "no shipped zumbilo.exe in $install_dir"
[[ -f $install_dir/uninstall.exe ]] || fail "no uninstall.exe in $install_dir"
"$wine_run" reg query "$ENTRY" >"$work_dir/entry" 2>>"$work_dir/wine.log" || fail "no entry $ENTRY"
value() { tr -d '\r' <"$work_dir/entry" | awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'; }
windows_dir=$(value InstallLocation)
uninstaller="\"$windows_dir\\uninstall.exe\""
for field in DisplayName=Zumbilo DisplayVersion=$VERSION Publisher=Velmarin "DisplayIcon=$windows_dir\\zumbilo.exe,0" \
  "UninstallString=$uninstaller" "QuietUninstallString=$uninstaller /S"; do
  expect "${field%%=*}" "$(value "${field%%=*}")" "${field#*=}"
done
expect "the install folder" "$(winepath -u "$windows_dir")" "$install_dir"
[[ -f $shortcut ]] || fail "no shortcut $shortcut"
# The link leads to the program (8-bit path) and, by its flags at byte 20, shows its icon (16-bit).
installed_exe="$windows_dir\\zumbilo.exe"
strings "$shortcut" | grep -qxF "$installed_exe" || fail "the shortcut does not lead to $installed_exe"
link_flags=$(od -An -tu4 -j20 -N4 "$shortcut" | xargs)
((link_flags & 0x40)) && strings -el "$shortcut" | grep -qF "$installed_exe" ||
  fail "the shortcut does not show the program's icon"
installed_kb=$(find "$install_dir" -type f -printf '%s\n' | awk '{ bytes += $1 } END { print int(bytes / 1024) }')
estimated_kb=$(($(value EstimatedSize)))
((estimated_kb >= installed_kb - 1 && estimated_kb <= installed_kb + 1)) ||
  fail "EstimatedSize $estimated_kb kB for $installed_kb kB installed"

# The game, from the shortcut: its start-up window comes, and its "x" ends it with status 0.
"$wine_run" start /wait "$(winepath -w "$shortcut")" >"$work_dir/program.log" 2>&1 &
program_pid=$! && started_pids+=("$program_pid")
startup=$(wait_for_window Zumbilo 20000)
click_in "$startup" 504 16
wait "$program_pid" || fail "the game ended with status $?"

# Whether the uninstall ($1) took away all the install put in place, even the copy of itself
# in the temporary files that the uninstaller runs on from.
expect_uninstalled() {
  wineserver -w
  [[ ! -e $install_dir ]] || fail "the $1 uninstall left $(find "$install_dir" -printf '%P ')"
  [[ ! -e $shortcut ]] || fail "the $1 uninstall left the shortcut"
  user_files >"$work_dir/after"
  diff "$work_dir/before" "$work_dir/after" >"$work_dir/left.log" || fail "the $1 uninstall left files behind"
  "$wine_run" reg query "$APPS" /s >"$work_dir/apps-after" 2>>"$work_dir/wine.log" || true
  diff "$work_dir/apps-before" "$work_dir/apps-after" >"$work_dir/entries.log" ||
    fail "the $1 uninstall left an entry in Installed apps"
}
"$wine_run" "$install_dir/uninstall.exe" /S >"$work_dir/uninstall.log" 2>&1 || fail "the silent uninstall failed"
expect_uninstalled silent

# As a player uninstalls: Enter on the confirmation, then on Close.
"$wine_run" "$setup" /S >>"$work_dir/setup.log" 2>&1 || fail "the second silent install failed"
wineserver -w
"$wine_run" "$install_dir/uninstall.exe" >>"$work_dir/uninstall.log" 2>&1 &
uninstaller_shown() { found_id=$(xdotool search --onlyvisible --name Zumbilo | head -n 1) && [[ -n $found_id ]]; }
wait_until 10000 "no uninstaller window" uninstaller_shown
# Presses Enter in the uninstaller while it is there; true once it has gone.
answer_uninstaller() { ! uninstaller_shown || { xdotool key --window "$found_id" Return && false; }; }
wait_until 20000 "the uninstaller did not finish" answer_uninstaller
expect_uninstalled interactive
echo "installed $installed_kb kB; started; uninstalled without a trace, silently and not"
