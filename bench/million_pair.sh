#!/usr/bin/env bash
# The 1,000,000-file tree pair (bench/make_million_pair.sh) compared by the headless
# program by size and time (-A -Q, the differences written to a report), beside find
# listing both trees with size and time, in the same run, warm cache. Then the program's
# peak resident memory above its empty run (two one-file trees), per file list entry.
# Targets: at most 0.75 times find; under 100 bytes per entry.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
"$here/../scripts/install-deps.sh" time >/dev/null
trees=$("$here/make_million_pair.sh")
program="${QUORVANE_BENCH_BUILD:?}/src/app/quorvane"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-million.XXXXXX")
trap 'rm -rf "$work"' EXIT
export QUORVANE_INI="$work/Quorvane.ini"
mkdir -p "$work/new" "$work/old"
echo same > "$work/new/a.txt"
cp -p "$work/new/a.txt" "$work/old/a.txt"

compare="$program -A -Q -D $trees/new $trees/old -O:$work/report.txt"
empty="$program -A -Q -D $work/new $work/old -O:$work/empty.txt"
# Peak resident set of a command in KiB (GNU time: a small parent, whose pages the child
# holds only until it starts the program).
peak_kib() {
  /usr/bin/time -f %M -o "$work/peak" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$work/peak"  # after "Command exited with non-zero status" when there are differences
}

find "$trees/old" "$trees/new" -type f -printf '%s %T@ %P\n' >/dev/null  # warm the cache
$compare >/dev/null 2>&1 || true
entries=$(sed -n 's/^Files listed *: [0-9]* of \([0-9]*\).*/\1/p' "$work/report.txt")
[ -n "$entries" ] || { echo "million_pair: the comparison wrote no report" >&2; exit 1; }
echo "pair: $(find "$trees/new" -type f | wc -l) New and $(find "$trees/old" -type f | wc -l) Old files, $entries entries"

t_quorvane=$(best_of 3 $compare)
t_find=$(best_of 3 find "$trees/old" "$trees/new" -type f -printf '%s %T@ %P\n')
printf '%-44s %8s s\n' "quorvane -A -Q -D (report of differences)" "$t_quorvane" \
  "find -printf '%s %T@ %P'" "$t_find"
echo "ratio quorvane / find = $(ratio "$t_quorvane" "$t_find")   (target <= 0.75)"

base=$(peak_kib $empty)
peak=$(peak_kib $compare)
per_entry=$(awk -v p="$peak" -v b="$base" -v n="$entries" 'BEGIN { printf "%.1f", (p - b) * 1024 / n }')
echo "peak memory $((peak / 1024)) MiB, empty run $((base / 1024)) MiB: $per_entry bytes per entry   (target < 100)"
