#!/usr/bin/env bash
# Installs the built tree into an emptied prefix: install_fresh.sh BUILD-DIR PREFIX
set -euo pipefail
build_dir=$1 prefix=$2
rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix"
