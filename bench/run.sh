#!/usr/bin/env bash
# Runs every benchmark script of bench/ (bench/*.sh but this one) against a Release build
# and prints their figures and ratios. Usage: bench/run.sh [name ...] (e.g. file_list tree)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
"$top/scripts/install-deps.sh" hyperfine
export QUORVANE_BENCH_BUILD=${QUORVANE_BENCH_BUILD:-$top/build-release}
cmake -S "$top" -B "$QUORVANE_BENCH_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF >/dev/null
cmake --build "$QUORVANE_BENCH_BUILD" -j "$(nproc)" >/dev/null
if [ $# -eq 0 ]; then
  set -- $(cd "$here" && ls *.sh | grep -v '^run\.sh$' | sed 's/\.sh$//')
fi
for name in "$@"; do
  echo "=== $name ==="
  "$here/$name.sh"
done
