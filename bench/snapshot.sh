#!/usr/bin/env bash
# Writing a 1,000,000-entry snapshot and reading it back as a set: each at most 2 s.
set -euo pipefail
"$QUORVANE_BENCH_BUILD/bench/snapshot_bench"
