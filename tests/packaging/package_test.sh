#!/usr/bin/env bash
# package_test.sh installed|deb BUILD-DIR OUT-DIR VERSION APP-ID EXPECTED [FILE...]: `cmake --install`
# or the .deb lays down in OUT-DIR exactly the files listed and an icon of each size, as expected.
set -euo pipefail
kind=$1 build_dir=$2 out_dir=$3 version=$4 app_id=$5 expected=$6
shift 6
fail() { echo "FAIL: $*" >&2 && exit 1; }
icons=()
for size in 16 32 48 96 128 256; do
  icons+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
listed() { printf '%s\n' "${icons[@]}" "$@" | cat "$expected" - | LC_ALL=C sort; }
rm -rf "$out_dir"

if [[ $kind == installed ]]; then
  cmake --install "$build_dir" --prefix "$out_dir" >/dev/null
  cd "$out_dir"
  diff -u <(listed "$@") <(find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
  [[ -x bin/zumbilo ]] || fail "bin/zumbilo is not executable"
  desktop-file-validate "share/applications/$app_id.desktop"
  metainfo=share/metainfo/$app_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo"
  newest=$(grep -m 1 '<release ' "$metainfo")
  [[ $newest =~ version=\"$version\"\ date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\" ]] ||
    fail "the newest release in $metainfo is not $version with a date"
  # From the .ico's 32-bit pictures (RGBA, semi-transparent edges), not its paletted ones.
  for icon in "${icons[@]}"; do
    size=${icon#share/icons/hicolor/} && size=${size%%x*}
    png=$(identify -format '%w %h %[png:IHDR.color-type-orig] %[png:IHDR.bit-depth-orig]' "$icon")
    [[ $png == "$size $size 6 8" ]] || fail "$icon: width, height, PNG colour type and depth $png"
    alphas=$(convert "$icon" -alpha extract -unique-colors -format %k info:)
    ((alphas > 2)) || fail "$icon: no semi-transparent pixel"
  done
  echo "installed as expected"
  exit 0
fi

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out_dir" >/dev/null
debs=("$out_dir"/*.deb)
deb=${debs[0]}
name="^zumbilo_${version//./\\.}-[0-9]+_$(dpkg --print-architecture)\.deb$"
[[ ${#debs[@]} == 1 && ${deb##*/} =~ $name ]] ||
  fail "expected one zumbilo_${version}-<revision>_<arch>.deb, got: ${debs[*]}"
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == zumbilo && $(field Version) == "$version-"* && $(field Section) == games ]] ||
  fail "wrong control fields: $(dpkg-deb -f "$deb")"
# Found by dpkg-shlibdeps, then what no linked library shows.
for package in libqt6core6 libqt6gui6 libqt6widgets6 \
               qt6-qpa-plugins fonts-comic-neue fonts-crosextra-carlito fonts-liberation2; do
  [[ ", $(field Depends)," =~ ", $package"[\ ,] ]] || fail "Depends lacks $package: $(field Depends)"
done
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
diff -u <(listed "$@" | sed 's|^|./usr/|') - <<<"$contents"
exec_line=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO --wildcards './usr/share/applications/*.desktop' |
  grep '^Exec=')
grep -qx ".${exec_line#Exec=}" <<<"$contents" || fail "$exec_line: no such program in the package"
lintian --fail-on error,warning --display-info "$deb"
