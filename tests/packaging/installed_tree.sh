#!/usr/bin/env bash
# Installs into an emptied PREFIX: exactly the files listed, the program executable, a
# valid desktop entry and metainfo whose newest release is VERSION, dated, and icons from
# the .ico's 32-bit pictures (RGBA with semi-transparent edges), not its paletted ones.
# installed_tree.sh BUILD-DIR PREFIX VERSION APP-ID EXPECTED [FILE...]
set -euo pipefail
build_dir=$1 prefix=$2 version=$3 app_id=$4 expected=$5
shift 5
fail() { echo "FAIL: $*" >&2 && exit 1; }
rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
cd "$prefix"
diff -u <(printf '%s\n' "$@" | cat "$expected" - | LC_ALL=C sort) \
        <(find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[[ -x bin/zumbilo ]] || fail "bin/zumbilo is not executable"

desktop-file-validate "share/applications/$app_id.desktop"
metainfo=share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo"
newest=$(grep -m 1 '<release ' "$metainfo")
[[ $newest =~ version=\"$version\"\ date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\" ]] ||
  fail "the newest release in $metainfo is not $version with a date"

for size in 16 32 48 96 128 256; do
  icon=share/icons/hicolor/${size}x$size/apps/$app_id.png
  kind=$(identify -format '%w %h %[png:IHDR.color-type-orig] %[png:IHDR.bit-depth-orig]' "$icon")
  [[ $kind == "$size $size 6 8" ]] || fail "$icon: width, height, PNG colour type and depth $kind"
  alphas=$(convert "$icon" -alpha extract -unique-colors -format %k info:)
  ((alphas > 2)) || fail "$icon: no semi-transparent pixel"
done
echo "installed as expected"
