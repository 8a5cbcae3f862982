#!/usr/bin/env bash
# The filter pass in every sort type and moved-file detection on 1,000,000 entries.
set -euo pipefail
"$QUORVANE_BENCH_BUILD/bench/filter_moved_bench"
