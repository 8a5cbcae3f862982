#!/usr/bin/env bash
# Makes (once) the 1,000,000-file tree pair and prints its parent directory:
#   <dir>/new  files 0 .. 999,999
#   <dir>/old  files 100,000 .. 1,099,999 (so 100,000 inserted and 100,000 deleted)
# as project<NN>/module<NNN>/src/file_<NNNNNNN>.<ext> (6,800 directories, paths of about
# 40 characters), file n holding n % 300 bytes and modified at a time fixed by n; every
# hundredth New file is one byte bigger. It takes 2,000,000 inodes and a few minutes.
# The pair lives under $QUORVANE_BENCH_MILLION (default $QUORVANE_BENCH_BUILD/million-pair).
set -euo pipefail
dir=${QUORVANE_BENCH_MILLION:-${QUORVANE_BENCH_BUILD:?}/million-pair}
if [ ! -f "$dir/.complete" ]; then
  rm -rf "$dir"
  mkdir -p "$dir"
  python3 - "$dir" <<'PY'
import os, sys
root = sys.argv[1]
exts = ["cpp", "h", "txt", "png", "json", "xml"]
for side, first, extra in (("new", 0, True), ("old", 100_000, False)):
    made = set()
    for n in range(first, first + 1_000_000):
        d = os.path.join(root, side, "project%02u" % (n % 17), "module%03u" % ((n // 17) % 400), "src")
        if d not in made:
            os.makedirs(d, exist_ok=True)
            made.add(d)
        path = os.path.join(d, "file_%07u.%s" % (n, exts[n % 6]))
        fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        os.write(fd, b"x" * (n % 300 + (1 if extra and n % 100 == 0 else 0)))
        os.close(fd)
        os.utime(path, (1_700_000_000 + n, 1_700_000_000 + n))
PY
  touch "$dir/.complete"
fi
echo "$dir"
