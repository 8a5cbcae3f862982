#!/usr/bin/env bash
# The window beside the headless program, on the offscreen platform, in the same run:
#  - process start to the main window shown, empty (target < 400 ms);
#  - comparing the real tree pair in the window until the grid shows, against quorvane -A
#    on the same pair (target <= 1.1 times);
#  - peak memory of a 1,000,000-entry comparison (two snapshots) in the window against
#    quorvane -A (target: the window adds < 20 MB).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
quorvane="$QUORVANE_BENCH_BUILD/src/app/quorvane"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-window-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Settings for an unattended window run: no dialog waits for a click, no what's-new box.
export QUORVANE_INI="$work/Quorvane.ini"
printf '[Quorvane]\r\nBuild=February 21, 2005\r\nShowStatusDlg=0\r\nCloseProgressDlg=1\r\nQuitSave=0\r\n' > "$QUORVANE_INI"
export QT_QPA_PLATFORM=offscreen QUORVANE_EXIT_AFTER_STARTUP=1

# Peak resident set of a command, in kB.
peak_kb() {
  python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@"
}

t_empty=$(best_of 5 "$quorvane" -NOLOGO)
echo "start to main window shown (empty)            $t_empty s   (target < 0.400 s)"

trees=$("$here/make_trees.sh")
old="$trees/old" new="$trees/new"
find "$old" "$new" -type f >/dev/null
# The two are measured in turns, so that a busy machine weighs on both alike.
compare_both() {  # compare_both LABEL SWITCH...
  local label=$1 best_w="" best_a=""
  shift
  for _ in 1 2 3 4 5; do
    local w a
    w=$(best_of 1 "$quorvane" -NOLOGO "$@" "$new" "$old")
    a=$(best_of 1 "$quorvane" -A "$@" "$new" "$old" "-O:$work/r.txt")
    if [ -z "$best_w" ] || awk -v x="$w" -v y="$best_w" 'BEGIN { exit !(x < y) }'; then best_w=$w; fi
    if [ -z "$best_a" ] || awk -v x="$a" -v y="$best_a" 'BEGIN { exit !(x < y) }'; then best_a=$a; fi
  done
  printf '%-46s %8s s\n' "compare real trees in the window ($label)" "$best_w" "quorvane -A ($label)" "$best_a"
  echo "ratio window / -A = $(ratio "$best_w" "$best_a")"
}
compare_both "checksums"
echo "   (target <= 1.1 for the comparison as a user starts it, with checksums)"
compare_both "quick, -Q" -Q
echo "   (for information: the window's fixed start, above, weighs more on a short run)"

"$QUORVANE_BENCH_BUILD/bench/snapshot_pair_bench" "$work" 1000000
kb_window=$(peak_kb "$quorvane" -NOLOGO "$work/new.snp" "$work/old.snp")
kb_auto=$(peak_kb "$quorvane" -A "$work/new.snp" "$work/old.snp" "-O:$work/r.txt")
echo "peak memory, 1,000,000 entries: window $((kb_window / 1024)) MB, quorvane -A $((kb_auto / 1024)) MB"
echo "the window adds $(( (kb_window - kb_auto) / 1024 )) MB   (target < 20 MB)"
