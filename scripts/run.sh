#!/usr/bin/env bash
# The run command: installs what is missing, builds Quorvane and runs it with the given
# arguments; without arguments it shows the bundled demonstration (scripts/demo.sh): in the
# window when a display is available, else as printed diff reports.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" >&2
cmake -S "$top" -B "$top/build-run" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF >&2
cmake --build "$top/build-run" --target quorvane >&2
binary="$top/build-run/src/app/quorvane"
if [ $# -gt 0 ]; then exec "$binary" "$@"; fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then exec "$top/scripts/demo.sh" "$binary" --window; fi
exec "$top/scripts/demo.sh" "$binary"
