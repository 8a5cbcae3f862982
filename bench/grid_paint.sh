#!/usr/bin/env bash
# The results grid painted offscreen over a display index of 1,000,000 entries.
set -euo pipefail
bench="$QUORVANE_BENCH_BUILD/bench/grid_paint_bench"
if [ ! -x "$bench" ]; then
  echo "grid_paint_bench not built (the window needs Qt 6 Widgets)"
  exit 0
fi
QT_QPA_PLATFORM=offscreen "$bench"
