#!/usr/bin/env bash
# The Old set read on a worker thread while the New set is read, against the same run
# reading one set after the other, on two warm-cache copies of a real tree: by size and
# time (beside find listing both trees) and with checksums. With QUORVANE_BENCH_LARGE set
# to a directory holding new/ and old/ (e.g. 1,000,000 files per side), the quick
# comparison of that pair too. Target: quick comparison <= 0.75 x find on each pair.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
quorvane="$QUORVANE_BENCH_BUILD/bench/compare_trees_bench"

pair() {  # pair NEW OLD RUNS CHECKSUMS(yes/no)
  local new=$1 old=$2 runs=$3 checksums=$4
  find "$old" "$new" -type f -printf '%s %T@ %P\n' >/dev/null
  "$quorvane" --quick "$new" "$old"
  echo "trees: $(find "$old" -type f | wc -l) files in old, $(find "$new" -type f | wc -l) in new"
  local t_find t_ahead t_seq
  t_find=$(best_of "$runs" find "$old" "$new" -type f -printf '%s %T@ %P\n')
  t_ahead=$(best_of "$runs" "$quorvane" --quick "$new" "$old")
  t_seq=$(best_of "$runs" "$quorvane" --quick --sequential "$new" "$old")
  printf '%-44s %8s s\n' "find -printf '%s %T@ %P'" "$t_find" "quorvane quick, Old read ahead" "$t_ahead" \
    "quorvane quick, sequential" "$t_seq"
  echo "ratio quick read ahead / find = $(ratio "$t_ahead" "$t_find")   (target <= 0.75)"
  echo "ratio quick sequential / find = $(ratio "$t_seq" "$t_find")"
  if [ "$checksums" = yes ]; then
    local c_ahead c_seq
    c_ahead=$(best_of "$runs" "$quorvane" "$new" "$old")
    c_seq=$(best_of "$runs" "$quorvane" --sequential "$new" "$old")
    printf '%-44s %8s s\n' "quorvane CRC-32, Old read ahead" "$c_ahead" "quorvane CRC-32, sequential" "$c_seq"
    echo "ratio CRC-32 read ahead / sequential = $(ratio "$c_ahead" "$c_seq")"
  fi
}

trees=$("$here/make_trees.sh")
pair "$trees/new" "$trees/old" 5 yes
if [ -n "${QUORVANE_BENCH_LARGE:-}" ]; then
  echo "--- $QUORVANE_BENCH_LARGE"
  pair "$QUORVANE_BENCH_LARGE/new" "$QUORVANE_BENCH_LARGE/old" 3 no
fi
