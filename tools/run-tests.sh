#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test
# headless; then builds the core tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs them again.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build-ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON -DQUORVEL_BUILD_BENCH=ON
cmake --build build-ci -j"$jobs"
ctest --test-dir build-ci --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WERROR=ON -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_APP=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
