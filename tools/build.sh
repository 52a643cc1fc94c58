#!/usr/bin/env bash
# Configures (once), builds and installs the portable folder dist/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR="${BUILD_DIR:-${ORVEL_BUILD_DIR:-$root/build}}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$root" -B "$BUILD_DIR" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine-run" >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
cmake --install "$BUILD_DIR" >/dev/null
