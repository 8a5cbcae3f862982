#!/usr/bin/env bash
# Two warm-cache copies of a real tree compared by size and time only (Quick), beside
# find (listing with size and time) and rsync's dry run, in the same run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
trees=$("$here/make_trees.sh")
old="$trees/old" new="$trees/new"
quorvane="$QUORVANE_BENCH_BUILD/bench/compare_trees_bench"

# Warm the cache once.
find "$old" "$new" -type f -printf '%s %T@ %P\n' >/dev/null
echo "trees: $(find "$old" -type f | wc -l) files per side under $trees"
"$quorvane" --quick "$new" "$old"

t_quorvane=$(best_of 5 "$quorvane" --quick "$new" "$old")
t_find=$(best_of 5 find "$old" "$new" -type f -printf '%s %T@ %P\n')
t_rsync=$(best_of 5 rsync -rn -i --delete "$old/" "$new/")

printf '%-44s %8s s\n' "quorvane (quick)" "$t_quorvane" "find -printf '%s %T@ %P'" "$t_find" "rsync -rn -i --delete" "$t_rsync"
echo "ratio quorvane / find  = $(ratio "$t_quorvane" "$t_find")   (target <= 0.75)"
echo "ratio quorvane / rsync = $(ratio "$t_quorvane" "$t_rsync")   (target < 1)"
