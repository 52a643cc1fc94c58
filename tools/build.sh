#!/usr/bin/env bash
# Configures, builds and installs the portable folder dist/. Configuring every time is cheap and
# picks up deliverable folders that appeared since the last run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR="${BUILD_DIR:-${ORVEL_BUILD_DIR:-$root/build}}"
cmake -S "$root" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine-run" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
cmake --install "$BUILD_DIR" >/dev/null
