#!/usr/bin/env bash
# Fails unless PREFIX holds exactly the files listed, one per line relative to
# it, in EXPECTED and as further arguments, and the program among them is
# executable: installed_files.sh PREFIX EXPECTED [FILE...]
set -euo pipefail
prefix=$1 expected=$2
shift 2
diff -u <(printf '%s\n' "$@" | cat "$expected" - | LC_ALL=C sort) \
        <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
test -x "$prefix/bin/zumbilo"
