#!/usr/bin/env bash
# The test command: installs what is missing, builds Quorvane twice (plain, and with
# AddressSanitizer + UndefinedBehaviorSanitizer) and runs the whole suite with CTest on both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
export TZ=UTC

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== plain build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== sanitizer build (ASan + UBSan) =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCH=OFF

echo "All tests passed."
