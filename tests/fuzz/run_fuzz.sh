#!/bin/sh
# Builds the expression fuzzer with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer, libFuzzer) from the library sources and runs it for
# WIDEFP_FUZZ_SECONDS seconds (default 60) from a copy of the seed corpus.
# Fails on any crash, leak, out-of-bounds access, undefined behaviour or
# timeout.  Usage: run_fuzz.sh <source dir> <build dir>
set -eu
SRC=$1
OUT=$2/fuzz
SECS=${WIDEFP_FUZZ_SECONDS:-60}
CXX=${WIDEFP_FUZZ_CXX:-clang++}
# Everything is built with the sanitizers; coverage feedback (fuzzer-no-link)
# is given to the text readers and the target, not to the arithmetic kernel,
# whose instrumented inner loops would slow every input down several times.
FLAGS="-std=c++20 -O2 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
mkdir -p "$OUT/obj"

# Compile each source whose object is missing or older than it or than any
# library header.
objs=""
for f in "$SRC"/widefp/kernel/*.cpp "$SRC"/widefp/convert/*.cpp "$SRC"/widefp/elementary/constants_table.cpp \
         "$SRC"/tests/fuzz/fuzz_etowr.cpp; do
    o="$OUT/obj/$(basename "$(dirname "$f")")_$(basename "$f" .cpp).o"
    if [ ! -f "$o" ] || [ "$f" -nt "$o" ] || [ -n "$(find "$SRC/widefp" -name '*.h' -newer "$o" | head -1)" ]; then
        echo "compiling $f"
        case "$f" in
            */kernel/*) extra="" ;;
            *) extra="-fsanitize=fuzzer-no-link" ;;
        esac
        $CXX $FLAGS $extra -I"$SRC/widefp" -I"$SRC/widefp/include" -c "$f" -o "$o"
    fi
    objs="$objs $o"
done
$CXX -fsanitize=address,undefined,fuzzer $objs -o "$OUT/fuzz_etowr"

rm -rf "$OUT/corpus"
cp -r "$SRC/tests/fuzz/corpus" "$OUT/corpus"
cd "$OUT"
# Leaks, sanitizer reports and timeouts all end the run with a nonzero status.
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:quarantine_size_mb=64 \
    ./fuzz_etowr -max_total_time="$SECS" -max_len=4096 -rss_limit_mb=2048 -timeout=120 \
    -print_final_stats=1 corpus
