#!/usr/bin/env bash
# The headless program's start-up: a quick comparison of two one-file trees written to a
# report, best of many runs, against the 10 ms limit; and the shared libraries the run
# loads (the window module and Qt must not be among them).
#   QUORVANE_BENCH_RUNS  runs, the best kept (default 50)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
program="${QUORVANE_BENCH_BUILD:?}/src/app/quorvane"
runs=${QUORVANE_BENCH_RUNS:-50}
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/new" "$work/old"
echo same > "$work/new/a.txt"
cp -p "$work/new/a.txt" "$work/old/a.txt"
export QUORVANE_INI="$work/Quorvane.ini"
run=("$program" -A "$work/new" "$work/old" "-O:$work/report.txt")

"${run[@]}" >/dev/null 2>&1 || true
grep -q "a.txt" "$work/report.txt" || { echo "startup: the comparison wrote no report" >&2; exit 1; }
best=$(best_of "$runs" "${run[@]}")
libraries=$(LD_DEBUG=libs "${run[@]}" 2>&1 | grep -c "calling init:" || true)
qt=$(LD_DEBUG=libs "${run[@]}" 2>&1 | grep "calling init:" | grep -c -i "qt6\|quorvane-window" || true)
printf "quick comparison of two one-file trees: %.1f ms (limit 10 ms, ratio %s)\n" \
  "$(awk -v s="$best" 'BEGIN { print s * 1000 }')" "$(ratio "$best" 0.010)"
echo "shared libraries initialised: $libraries (Qt or the window module among them: $qt)"
