#!/usr/bin/env bash
# Installs what is missing, builds the fuzz targets with clang and libFuzzer (the core instrumented,
# under AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS (60 unless
# given) on its seeds. A crash, hang or sanitizer report fails the run and prints its reproducer.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
seconds="${1:-60}"

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DQUORVEL_FUZZ=ON \
    -DQUORVEL_BUILD_APP=OFF -DQUORVEL_BUILD_TESTS=OFF
cmake --build build-fuzz -j"$(nproc)"
tests/fuzz/run.sh build-fuzz "$seconds" build-fuzz/runs
