# shellcheck shell=bash
# Sourced by the benchmark scripts: where the programs are built, building
# them, and the arithmetic of the reports.

set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$repo/build}

# Configures the build directory if needed and builds the given targets.
build_targets() {
  if [[ ! -f $build_dir/CMakeCache.txt ]]; then
    cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build_dir" -j"$(nproc)" --target "$@" >/dev/null
}

# The median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The smallest and largest numbers on standard input, as "min-max".
spread() {
  sort -g | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'
}

# Prints $1 / $2 with three decimals.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f\n", a / b }'
}

# Prints "met" when $1 <= $2, "NOT MET" otherwise.
verdict_at_most() {
  awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b) ? "met" : "NOT MET" }'
}

# The programs measured. The baseline: a Qt window of the start-up window's
# size drawing its caption faces and one picture.
# shellcheck disable=SC2034 # read by the scripts that source this
baseline_window=$build_dir/bench/zumbilo_bench_baseline_window
# shellcheck disable=SC2034
zumbilo=$build_dir/zumbilo
