#!/bin/bash
# Builds everything and runs every test: the unit tests once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the full suite
# (unit tests and Octave plug-in tests).  Ends with CTest's summary.
set -e
cd "$(dirname "$0")/.."
bash tools/install_deps.sh
jobs=$(nproc)

cmake -S . -B build-asan -DWIDEFP_SANITIZE=ON -DWIDEFP_PLUGINS=OFF -DWIDEFP_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" >/dev/null
echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs" -E '^octave_')

cmake -S . -B build >/dev/null
cmake --build build -j"$jobs" >/dev/null
echo "== all tests"
cd build && ctest --output-on-failure -j"$jobs"
