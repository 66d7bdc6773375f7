#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quorvel need.
# Every package the build finds through CMake is named here, with its reason: apt-get runs with
# --no-install-recommends, so nothing may be left to come in as a "recommended" package.
set -euo pipefail

packages=(
    # Compiler and build tools (CMake itself, make, g++).
    build-essential cmake
    # find_package(Qt6 COMPONENTS Core Widgets Test): qt6-base-dev holds their CMake packages.
    qt6-base-dev
    # find_package(ZLIB): gzip-compressed reports are read with zlib.
    zlib1g-dev
    # find_package(Qt6 COMPONENTS Charts): the chart library, and the Qt6OpenGL CMake package that
    # Qt6Charts loads as a dependency (qt6-charts-dev only recommends it). libgl-dev: Qt6Gui's
    # WrapOpenGL looks for the OpenGL headers and library.
    qt6-charts-dev libqt6opengl6-dev libgl-dev
    # find_package(GTest) for the core tests (GoogleMock comes with it).
    libgtest-dev libgmock-dev
    # find_package(benchmark) for bench/ (the test command builds the benchmarks).
    libbenchmark-dev
    # cpack -G DEB: dpkg-shlibdeps (dpkg-dev) works out the package's dependencies from the
    # libraries the programs link, and runs `file` to find them.
    dpkg-dev file
    # The fuzz targets (tools/run-fuzz.sh, CI): clang, and its runtime libraries with libFuzzer and
    # clang's sanitizers (libclang-common-14-dev only recommends them).
    clang-14 libclang-rt-14-dev
    # The window tests run offscreen; xvfb-run starts the window on a virtual display; a font so
    # that text has a size.
    xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
