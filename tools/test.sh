#!/usr/bin/env bash
# The test command: installs what is missing, builds, fills dist/, prepares the Wine bench
# (prefix, Chinese locale, display, persistent server) and runs every test under CTest.
# Extra arguments go to ctest, e.g.  tools/test.sh -R CStringVector
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR="${ORVEL_BUILD_DIR:-$root/build}"

. "$root/tools/wine-bench.sh"
bench_setup

cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" --timeout 300 "$@"
