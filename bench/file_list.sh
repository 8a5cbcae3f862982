#!/usr/bin/env bash
# Building the file list from 2 x 1,000,000 scan records: time and bytes per entry.
set -euo pipefail
"$QUORVANE_BENCH_BUILD/bench/file_list_bench"
