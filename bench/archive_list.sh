#!/usr/bin/env bash
# Listing the central directory of a 100,000-member ZIP with the archive reader, beside
# unzip -Z1 on the same file, warm cache. Target: at most 1.5 times unzip's time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
bench="$QUORVANE_BENCH_BUILD/bench/archive_list_bench"
archive="$QUORVANE_BENCH_BUILD/bench/archive_list_100000.zip"
[ -f "$archive" ] || "$bench" make 100000 "$archive"

"$bench" list "$archive"
echo "unzip -Z1: $(unzip -Z1 "$archive" | wc -l) names"

t_quorvane=$(best_of 7 "$bench" list "$archive")
t_unzip=$(best_of 7 sh -c 'unzip -Z1 "$1" > /dev/null' sh "$archive")
t_set=$(best_of 7 "$bench" set "$archive")

printf '%-44s %8s s\n' "quorvane archive reader (list)" "$t_quorvane" "unzip -Z1 > /dev/null" "$t_unzip" \
  "quorvane read as a set (into the file list)" "$t_set"
echo "ratio quorvane / unzip -Z1 = $(ratio "$t_quorvane" "$t_unzip")   (target <= 1.5)"
