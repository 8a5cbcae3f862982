#!/usr/bin/env bash
# The test command: installs what is missing, builds Quorvane twice (plain, and with
# AddressSanitizer + UndefinedBehaviorSanitizer) and runs the whole suite with CTest on both,
# checks the Debian package made from the plain build, and runs the fuzz targets.
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
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_REQUIRE_QT=ON

echo "== Debian package (from the plain build) =="
tests/packaging/package_test.sh build

echo "== sanitizer build (ASan + UBSan) =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCH=OFF -DQUORVANE_REQUIRE_QT=ON

echo "== fuzz targets (libFuzzer with ASan + UBSan, about 60 s each on the seed corpora) =="
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVANE_FUZZ=ON -DQUORVANE_SANITIZE=ON -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build build-fuzz -j "$jobs" --target fuzz_zip fuzz_rar fuzz_arj fuzz_snapshot
for target in zip rar arj snapshot; do
  # New inputs go to a scratch corpus; a crash, leak or timeout ends the fuzzer with a
  # non-zero status (and leaves its input in build-fuzz/), which fails this command.
  work="build-fuzz/corpus-$target"
  rm -rf "$work" && mkdir -p "$work"
  build-fuzz/fuzz/fuzz_$target -max_total_time=60 -timeout=10 -artifact_prefix=build-fuzz/ \
    "$work" "fuzz/corpus/$target"
done

echo "All tests passed."
