#!/usr/bin/env bash
# Copies through the file operation engine (every confirmation off) beside cp -a of the
# same data: a tree of 10,000 small files and one big file, each into an empty
# destination and over an existing copy. Warm cache; before each run the destination is
# prepared, synced and the disk left to settle (a file system mounted with discard frees
# blocks for seconds after a removal), outside the timing.
#   QUORVANE_BENCH_COPY_MB   size of the big file in MiB (default 1024)
#   QUORVANE_BENCH_COPY_DIR  where the data is made (default $QUORVANE_BENCH_BUILD/bench-copy;
#                            /dev/shm measures the copies without the disk)
#   QUORVANE_BENCH_RUNS      runs per figure, the best kept (default 5)
#   QUORVANE_BENCH_SETTLE    seconds of rest before each run (default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
engine="${QUORVANE_BENCH_BUILD:?}/bench/fileops_copy_bench"
dir=${QUORVANE_BENCH_COPY_DIR:-$QUORVANE_BENCH_BUILD/bench-copy}
mb=${QUORVANE_BENCH_COPY_MB:-1024}
runs=${QUORVANE_BENCH_RUNS:-5}
settle=${QUORVANE_BENCH_SETTLE:-3}

need_kb=$(( (mb * 1024 + 200 * 1024) * 3 ))
mkdir -p "$dir"
free_kb=$(df -Pk "$dir" | awk 'NR == 2 { print $4 }')
if [ "$free_kb" -lt "$need_kb" ]; then
  echo "fileops_copy: $((need_kb / 1024)) MiB needed under $dir, $((free_kb / 1024)) MiB free" >&2
  exit 1
fi
trap 'rm -rf "$dir"' EXIT

# 10,000 files of 1 to 16 KiB in 100 directories.
mkdir -p "$dir/tree"
python3 - "$dir/tree" <<'PY'
import os, random, sys
root = sys.argv[1]
rnd = random.Random(7)
for d in range(100):
    sub = os.path.join(root, "d%03d" % d)
    os.makedirs(sub, exist_ok=True)
    for f in range(100):
        with open(os.path.join(sub, "f%03d.dat" % f), "wb") as out:
            out.write(rnd.randbytes(rnd.randint(1024, 16384)))
PY
mkdir -p "$dir/big"
head -c "$((mb * 1024 * 1024))" /dev/urandom > "$dir/big/big.bin"

# best_pairs N PREPARE A B: runs the commands A and B (strings) N times each, alternately,
# PREPARE (untimed, then sync and a rest) before every run, and prints the shortest wall
# times of A and of B. Alternating lets both meet the same states of a shared disk.
best_pairs() {
  local runs=$1 prepare=$2 a=$3 b=$4
  local best_a="" best_b=""
  for _ in $(seq "$runs"); do
    for which in a b; do
      eval "$prepare"
      sync
      sleep "$settle"
      local cmd=$a
      [ "$which" = b ] && cmd=$b
      local start end
      start=$(date +%s%N)
      eval "$cmd" >/dev/null 2>&1 || { echo "failed: $cmd" >&2; exit 1; }
      end=$(date +%s%N)
      local t=$(( end - start ))
      if [ "$which" = a ]; then
        if [ -z "$best_a" ] || [ "$t" -lt "$best_a" ]; then best_a=$t; fi
      else
        if [ -z "$best_b" ] || [ "$t" -lt "$best_b" ]; then best_b=$t; fi
      fi
    done
  done
  awk -v a="$best_a" -v b="$best_b" 'BEGIN { printf "%.3f %.3f", a / 1e9, b / 1e9 }'
}

measure() {
  local name=$1 src=$2
  local dst="$dir/dest-$name"
  cat "$src"/*/* "$src"/* >/dev/null 2>&1 || true  # warm the cache
  local fresh="rm -rf '$dst'; mkdir -p '$dst'" copied="rm -rf '$dst'; cp -a '$src' '$dst'"
  local quorvane="'$engine' '$src' '$dst'" cp="cp -a '$src/.' '$dst/'"
  # rsync replaces as Quorvane does (a temporary file renamed over the file): a reference
  # for what the atomic replace costs on this file system, not a target.
  local rsync="rsync -a --ignore-times --whole-file '$src/' '$dst/'"
  local t_q_new t_cp_new t_q_rep t_cp_rep t_q_rep2 t_rsync_rep
  read -r t_q_new t_cp_new <<<"$(best_pairs "$runs" "$fresh" "$quorvane" "$cp")"
  read -r t_q_rep t_cp_rep <<<"$(best_pairs "$runs" "$copied" "$quorvane" "$cp")"
  read -r t_q_rep2 t_rsync_rep <<<"$(best_pairs "$runs" "$copied" "$quorvane" "$rsync")"
  rm -rf "$dst"
  printf '%-40s %8s s   cp -a %8s s   ratio %s   (target <= 1.3)\n' \
    "$name, empty destination" "$t_q_new" "$t_cp_new" "$(ratio "$t_q_new" "$t_cp_new")" \
    "$name, replacing a copy" "$t_q_rep" "$t_cp_rep" "$(ratio "$t_q_rep" "$t_cp_rep")"
  printf '%-40s %8s s   rsync -a --ignore-times --whole-file %8s s   ratio %s\n' \
    "$name, replacing a copy" "$t_q_rep2" "$t_rsync_rep" "$(ratio "$t_q_rep2" "$t_rsync_rep")"
}

"$engine" "$dir/tree" "$dir/check" && rm -rf "$dir/check"
measure "10,000 files of 1-16 KiB" "$dir/tree"
measure "one file of $mb MiB" "$dir/big"
