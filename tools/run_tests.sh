#!/bin/bash
# Builds everything and runs every test: the unit tests once under
# AddressSanitizer and UndefinedBehaviorSanitizer (portable loops, precondition
# checks live), then the full suite (unit tests, table regeneration check,
# fuzzing of the expression reader, the Octave plug-in tests and the library
# installed and used by a consumer project).  Ends with CTest's summary.
# WIDEFP_TEST_MULTIPLIER (default 1) scales the number of random cases.
set -e
cd "$(dirname "$0")/.."
bash tools/install_deps.sh
jobs=$(nproc)
export WIDEFP_TEST_MULTIPLIER=${WIDEFP_TEST_MULTIPLIER:-1}

build() {  # build DIR [cmake options...]: quiet unless it fails
  local dir=$1; shift
  if ! { cmake -S . -B "$dir" "$@" && cmake --build "$dir" -j"$jobs"; } >"$dir.log" 2>&1; then
    tail -60 "$dir.log"
    echo "build in $dir failed (full log: $dir.log)"
    exit 1
  fi
}

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build build-asan -DWIDEFP_SANITIZE=ON -DWIDEFP_TESTS=ON -DWIDEFP_PLUGINS=OFF -DWIDEFP_BENCH=OFF
# A quarter of the random cases, and without the long bit-for-bit comparisons
# with the plain decimal series (the full build below runs them all): the
# sanitizers slow the word loops some thirty times.
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   WIDEFP_TEST_MULTIPLIER=0.25 GTEST_FILTER='-*.SameWordsAsThePlainSeries' \
   ctest --output-on-failure -j"$jobs" -E '^(octave_|fuzz_)')

echo "== all tests"
build build -DWIDEFP_SANITIZE=OFF -DWIDEFP_TESTS=ON -DWIDEFP_PLUGINS=ON -DWIDEFP_BENCH=ON
cd build && ctest --output-on-failure -j"$jobs"
