#!/usr/bin/env bash
# The program's main job, shown on a small demo tree made on the fly: installs what is missing,
# builds dist/, then lets the console runner sync the tree under Wine (text report, then JSON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR="${ORVEL_BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
. "$root/tools/wine-bench.sh"
bench_start >/dev/null
trap bench_stop EXIT

demo="$BUILD_DIR/demo"
rm -rf "$demo"
mkdir -p "$demo/源文件夹/子目录" "$demo/备份"
echo "新的报告" >"$demo/源文件夹/报告.txt"
echo "data" >"$demo/源文件夹/子目录/한글 notes.txt"
echo "tmp" >"$demo/源文件夹/scratch.tmp"
echo "old" >"$demo/备份/过时.txt"
win() { echo "Z:${1//\//\\}"; }
cli() { "$WINE64" "$root/dist/orvelsync-cli.exe" "$@"; }

echo "== first run: copy the tree, exclude *.tmp, list the orphan =="
rc=0; cli task "$(win "$demo/源文件夹")" "$(win "$demo/备份")" --exclude '*.tmp' || rc=$?
echo "exit code $rc"
echo "== second run with automatic deletion, as JSON =="
rc=0; cli task "$(win "$demo/源文件夹")" "$(win "$demo/备份")" --exclude '*.tmp' \
    --options -add-cadd-del-cdel-nsub-wnos-exbk --json || rc=$?
echo "exit code $rc"
echo "== destination now =="
(cd "$demo/备份" && find . -type f | sort)
