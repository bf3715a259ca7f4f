#!/usr/bin/env bash
# Makes the .deb into an emptied OUT-DIR: its name, control fields and files (those listed,
# under /usr), a desktop entry starting the program it holds, and lintian silent:
# deb_package.sh BUILD-DIR OUT-DIR VERSION EXPECTED [FILE...]
set -euo pipefail
build_dir=$1 out_dir=$2 version=$3 expected=$4
shift 4
fail() { echo "FAIL: $*" >&2 && exit 1; }
rm -rf "$out_dir"
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
diff -u <(printf '%s\n' "$@" | cat "$expected" - | sed 's|^|./usr/|' | LC_ALL=C sort) - <<<"$contents"
exec_line=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO --wildcards './usr/share/applications/*.desktop' |
  grep '^Exec=')
grep -qx ".${exec_line#Exec=}" <<<"$contents" || fail "$exec_line: no such program in the package"
lintian --fail-on error,warning --display-info "$deb"
