#!/usr/bin/env bash
# Every C++ source of the tree is as the repository's .clang-format lays it out.
set -euo pipefail
cd "$1"
mapfile -t sources < <(find src tests bench assets packaging -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "${#sources[@]} sources formatted"
