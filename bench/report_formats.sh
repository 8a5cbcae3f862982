#!/usr/bin/env bash
# The diff report of 1,000,000 entries as text, CSV, JSON and HTML: each at most 3 s,
# memory flat while writing.
set -euo pipefail
"$QUORVANE_BENCH_BUILD/bench/report_formats_bench"
