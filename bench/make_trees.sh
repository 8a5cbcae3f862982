#!/usr/bin/env bash
# Makes (once) two copies of a real tree for the tree benchmarks and prints their parent:
#   <dir>/old  a copy of $QUORVANE_BENCH_SOURCE (default /usr/share)
#   <dir>/new  a copy of old in which 1% of the files changed (a byte appended), with the
#              same modification times otherwise.
# The copies live under $QUORVANE_BENCH_TREES (default $QUORVANE_BENCH_BUILD/bench-trees).
set -euo pipefail
source_tree=${QUORVANE_BENCH_SOURCE:-/usr/share}
dir=${QUORVANE_BENCH_TREES:-${QUORVANE_BENCH_BUILD:?}/bench-trees}
if [ ! -f "$dir/.complete" ]; then
  rm -rf "$dir"
  mkdir -p "$dir"
  # Regular files and directories only (rsync without -l passes symlinks and devices over):
  # both sides must hold the same readable tree.
  rsync -rt --no-specials --no-devices "$source_tree/" "$dir/old/" >/dev/null 2>&1 || true
  if [ -z "$(find "$dir/old" -type f -print -quit)" ]; then
    echo "make_trees: no file of $source_tree was copied" >&2
    exit 1
  fi
  cp -a "$dir/old" "$dir/new"
  (cd "$dir/new" && find . -type f | awk 'NR % 100 == 0' | while IFS= read -r f; do
     chmod u+w "$f"; printf 'x' >> "$f"; done)
  touch "$dir/.complete"
fi
echo "$dir"
