#!/usr/bin/env bash
# Fails unless PREFIX holds exactly the files listed, one per line relative to
# it, in EXPECTED, and the program among them is executable:
# installed_files.sh PREFIX EXPECTED
set -euo pipefail
prefix=$1 expected=$2
diff -u <(LC_ALL=C sort "$expected") \
        <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
test -x "$prefix/bin/zumbilo"
