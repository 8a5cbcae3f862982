#!/usr/bin/env bash
# Two warm-cache copies of a real tree (1% of the files changed) compared with checksums,
# beside rsync's checksum dry run, diff -rq and a program that reads every byte on one
# thread (plainly, and computing each file's CRC-32), all timed in the same run. Targets:
# Quorvane faster than rsync and diff, and at most 0.6 times the single-threaded read and
# CRC-32 of both trees.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
trees=$("$here/make_trees.sh")
old="$trees/old" new="$trees/new"
quorvane="$QUORVANE_BENCH_BUILD/bench/compare_trees_bench"
read_all="$QUORVANE_BENCH_BUILD/bench/read_all_bench"

# Warm the cache once, and show what is compared.
"$read_all" "$old" "$new"
"$quorvane" "$new" "$old"
echo "trees: $(find "$old" -type f | wc -l) files per side under $trees"

t_quorvane=$(best_of 5 "$quorvane" "$new" "$old")
t_unbatched=$(best_of 5 "$quorvane" --unbatched "$new" "$old")
t_rsync=$(best_of 5 rsync -rcn -i --delete "$old/" "$new/")
t_diff=$(best_of 5 diff -rq "$old" "$new")
t_read=$(best_of 5 "$read_all" "$old" "$new")
t_read_crc=$(best_of 5 "$read_all" --crc "$old" "$new")
t_read_crc2=$(best_of 5 "$read_all" --crc --parallel "$old" "$new")

printf '%-44s %8s s\n' "quorvane (CRC-32)" "$t_quorvane" \
  "quorvane, no batches (calls for each file)" "$t_unbatched" "rsync -rcn -i --delete" "$t_rsync" \
  "diff -rq" "$t_diff" "read every byte (plain read loop)" "$t_read" \
  "read and CRC-32 every byte (one thread)" "$t_read_crc" \
  "the same, one thread per tree" "$t_read_crc2"
echo "ratio quorvane / rsync     = $(ratio "$t_quorvane" "$t_rsync")   (target < 1)"
echo "ratio quorvane / diff      = $(ratio "$t_quorvane" "$t_diff")   (target < 1)"
echo "ratio quorvane / read+CRC  = $(ratio "$t_quorvane" "$t_read_crc")   (target <= 0.6)"
echo "ratio quorvane / read-only = $(ratio "$t_quorvane" "$t_read")"
echo "ratio quorvane / no batches = $(ratio "$t_quorvane" "$t_unbatched")"
echo "ratio read+CRC on two threads / on one = $(ratio "$t_read_crc2" "$t_read_crc")   (what two cores allow)"
echo "ratio rsync / read-only    = $(ratio "$t_rsync" "$t_read")"
