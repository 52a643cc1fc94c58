#!/usr/bin/env bash
# Opens every window of the project with sample data under the Wine bench's virtual display and
# writes a PNG per window into build/screenshots/, for people to look at.
# Extra arguments name the shots to take, e.g.  tools/screenshots.sh frmInputDlg
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR="${ORVEL_BUILD_DIR:-$root/build}"

"$root/tools/install-deps.sh"
"$root/tools/build.sh"

. "$root/tools/wine-bench.sh"
bench_start
trap bench_stop EXIT

out="$BUILD_DIR/screenshots"
rm -rf "$out"
mkdir -p "$out"
"$WINE64" "$BUILD_DIR/bin/window_shots.exe" "Z:${out//\//\\}" "$@" </dev/null
for bmp in "$out"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png"
    rm "$bmp"
done
ls -1 "$out"
