#!/usr/bin/env bash
# What Windows reads from a file of the game's: its version record, its one icon with the eleven
# images; for the program, the DLLs it imports, all Windows' own, and its manifest.
# Usage: resources.sh zumbilo.exe|SETUP.exe [installer]
set -euo pipefail
exe=$1 kind=${2:-program}
failures=0

# Counts a failure unless $2 is $3; $1 names what was read.
expect() {
  [[ $2 == "$3" ]] && return
  printf 'FAIL: %s: "%s", not "%s"\n' "$1" "$2" "$3" >&2
  failures=$((failures + 1))
}
resource() { wrestool -x --raw --type="$1" "$exe"; }

# After the fixed part's signature and its version, the file and the product version, each two
# words of two 16-bit numbers.
version_number() {
  local -a w
  read -r -a w <<<"$(resource version | od -An -tx4 -v -w4 | grep -A5 -x ' feef04bd' | xargs)"
  local ms=${w[$1]} ls=${w[$1 + 1]}
  echo "$((16#${ms:0:4})).$((16#${ms:4})).$((16#${ls:0:4})).$((16#${ls:4}))"
}
expect "file version" "$(version_number 2)" 3.5.0.4
expect "product version" "$(version_number 4)" 3.5.0.4
# The text fields, in 16-bit characters: each key is followed by its value.
version_text() { resource version | strings -el | awk -v key="$1" 'previous == key { print; exit } { previous = $0 }'; }
for field in FileVersion=3.05.0004 ProductVersion=3.05.0004 ProductName=Zumbilo CompanyName=Velmarin; do
  expect "${field%%=*}" "$(version_text "${field%%=*}")" "${field#*=}"
done

# One icon, so Windows shows it for the file too: "width×bits" of each image.
expect "icons" "$(wrestool -l --type=group_icon "$exe" | wc -l)" 1
icon=$(mktemp) && trap 'rm -f "$icon"' EXIT
wrestool -x --type=group_icon "$exe" >"$icon"
images=$(icotool -l "$icon" |
  sed -E 's/.*--width=([0-9]+) .*--bit-depth=([0-9]+).*/\1×\2/' | sort -V | xargs)
expect "the icon's images" "$images" "16×4 16×8 16×32 32×4 32×8 32×32 48×8 48×32 96×32 128×32 256×32"

if [[ $kind == program ]]; then
  # Statically linked, so only what every Windows 10 and 11 has in its system folder.
  windows_dlls='^(kernel32|user32|gdi32|shell32|msvcrt|comctl32|winmm|msimg32|advapi32|ole32|oleaut32|oleacc|uxtheme|dwmapi|shcore|imm32)\.dll$'
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  expect "imports kernel32.dll" "$(grep -cx kernel32.dll <<<"$imports")" 1
  expect "DLLs that Windows does not ship" "$(grep -vE "$windows_dlls" <<<"$imports" | xargs)" ""

  manifest=$(resource 24) # the manifest
  for declared in '>PerMonitorV2</dpiAwareness>' 'name="Microsoft.Windows.Common-Controls"' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'; do
    expect "manifest declares $declared" "$(grep -cF -- "$declared" <<<"$manifest")" 1
  done
fi

((failures == 0)) || exit 1
echo "$kind: version $(version_number 2); icon: $images"
