#!/bin/bash
# Builds and runs tests/consumer against widefp the ways other projects use it.
# Usage: run_consumer.sh <widefp source dir> <scratch dir> MODE [ARG]
#   install <build dir>   cmake --install the library into <scratch>/prefix
#   find_package          CMake project, find_package(widefp) in that prefix
#   pkg_config            cc main.c $(pkg-config --cflags --libs widefp)
#   subdir_shared         add_subdirectory(<source dir>), BUILD_SHARED_LIBS=ON;
#                         the shared library must export only widefp_ symbols
#   no_asm <object dir>   no MULX/ADCX/ADOX (instructions only our assembly
#                         blocks use) in the library's objects
set -eu
src=$1 scratch=$2 mode=$3
here=$src/tests/consumer
prefix=$scratch/prefix
mkdir -p "$scratch"

configure_and_run() {  # DIR [cmake options]: configure, build and run the consumer
    local dir=$1; shift
    rm -rf "$dir"
    cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.log" 2>&1 ||
        { cat "$dir.log"; exit 1; }
    cmake --build "$dir" -j"$(nproc)" >>"$dir.log" 2>&1 || { cat "$dir.log"; exit 1; }
    "$dir/consumer"
    "$dir/consumer_cxx"
}

case $mode in
install)
    rm -rf "$prefix"
    cmake --install "$4" --prefix "$prefix" --component library >/dev/null
    for f in widefpConfig.cmake widefpConfigVersion.cmake widefp.pc widefp.h widefp_linalg.h widefp.hpp; do
        find "$prefix" -name "$f" | grep . || { echo "not installed: $f"; exit 1; }
    done
    ;;
find_package)
    configure_and_run "$scratch/find_package" -DCMAKE_PREFIX_PATH="$prefix"
    ;;
pkg_config)
    export PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name widefp.pc)")
    flags=$(pkg-config --cflags --libs widefp)
    echo "pkg-config --cflags --libs widefp: $flags"
    cc -std=c99 -Wall -Werror "$here/main.c" $flags -o "$scratch/pkg_config_consumer"
    "$scratch/pkg_config_consumer"
    ;;
subdir_shared)
    configure_and_run "$scratch/subdir_shared" -DWIDEFP_SOURCE_DIR="$src" -DBUILD_SHARED_LIBS=ON
    lib=$(ls "$scratch"/subdir_shared/widefp/libwidefp.so.*.*)
    exported=$(nm -D --defined-only "$lib" | awk '{print $3}')
    others=$(grep -v '^widefp_' <<<"$exported" || true)
    echo "$lib exports $(wc -l <<<"$exported") symbols"
    if [ -n "$others" ]; then
        echo "symbols exported besides widefp_*:"; echo "$others"; exit 1
    fi
    grep -qx widefp_float_div <<<"$exported"
    ;;
no_asm)
    objs=$(find "$4" -name '*.o')
    [ -n "$objs" ] || { echo "no objects in $4"; exit 1; }
    found=$(objdump -d --no-show-raw-insn $objs | grep -E '\s(mulx|adcx|adox)\s' || true)
    if [ -n "$found" ]; then echo "assembly left in a WIDEFP_NO_ASM build:"; echo "$found" | head; exit 1; fi
    echo "$(wc -w <<<"$objs") objects: no mulx/adcx/adox"
    ;;
*)
    echo "unknown mode $mode"; exit 2
    ;;
esac
