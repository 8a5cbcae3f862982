#!/usr/bin/env bash
# "&Search..." over 1,000,000 displayed entries for a text in none of them.
set -euo pipefail
"$QUORVANE_BENCH_BUILD/bench/search_bench"
