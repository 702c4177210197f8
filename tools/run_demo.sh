#!/bin/bash
# Builds the library and plug-ins and runs the Octave demo.
set -e
cd "$(dirname "$0")/.."
bash tools/install_deps.sh
cmake -S . -B build -DWIDEFP_SANITIZE=OFF -DWIDEFP_PLUGINS=ON -DWIDEFP_TESTS=OFF -DWIDEFP_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
octave-cli --no-gui --norc --silent --no-history --eval "addpath('build/mex'); addpath('octave'); addpath('demo'); widefp_demo"
