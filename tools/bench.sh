#!/usr/bin/env bash
# Rerunnable benchmark of the sync engine through the console runner, under Wine (not a test).
# Generates trees under build/bench (once; delete the folder to make them anew) and prints, side by
# side in one run:
#   - no-change re-sync of 100k identical pairs vs. the bare listing walk of both trees (<= 1.5x)
#   - 200k vs 100k no-change re-sync (<= 2.1x)
#   - initial copy of 10k files (~500 MB) vs. Wine's xcopy /E /I (<= 1.1x) and native cp -r
#   - peak memory of the 100k re-sync (<= 150 MB)
# Usage: tools/bench.sh [--small]   (--small: 10k/20k pairs and 1k files, for a quick look)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR="${ORVEL_BUILD_DIR:-$root/build}"
"$root/tools/build.sh" >/dev/null
. "$root/tools/wine-bench.sh"
bench_start >/dev/null
trap bench_stop EXIT

n1=100000 n2=200000 ncopy=10000 copysize=51200
if [ "${1:-}" = "--small" ]; then n1=10000 n2=20000 ncopy=1000; fi
b="$BUILD_DIR/bench"
mkdir -p "$b"
x86_64-w64-mingw32-g++-posix -O2 -municode -static "$root/tools/bench/bench.cpp" -o "$b/bench.exe"

# Source trees of n files in n/100 folders; the destination a copy with the same times.
make_pairs() {
    local n=$1 dir="$b/pairs$1"
    [ -f "$dir/.ready" ] && return
    rm -rf "$dir"
    python3 - "$dir/src" "$n" <<'PY'
import os, sys
root, n = sys.argv[1], int(sys.argv[2])
for i in range(n):
    d = os.path.join(root, "d%04d" % (i // 100))
    if i % 100 == 0: os.makedirs(d, exist_ok=True)
    p = os.path.join(d, "file%06d.txt" % i)
    with open(p, "w") as f: f.write("content of file %d\n" % i)
    os.utime(p, (1700000000, 1700000000))
PY
    cp -a "$dir/src" "$dir/dest"
    touch "$dir/.ready"
}
make_copy_tree() {
    local dir="$b/copy$ncopy"
    [ -f "$dir/.ready" ] && return
    rm -rf "$dir"
    python3 - "$dir/src" "$ncopy" "$copysize" <<'PY'
import os, sys
root, n, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
block = os.urandom(size)
for i in range(n):
    d = os.path.join(root, "d%03d" % (i // 20))
    if i % 20 == 0: os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, "f%05d.bin" % i), "wb") as f: f.write(block[i % 997:] + block[:i % 997])
PY
    touch "$dir/.ready"
}
echo "generating trees in $b (first run only)..."
make_pairs $n1
make_pairs $n2
make_copy_tree

win() { echo "Z:${1//\//\\}"; }
wine() { "$WINE64" "$@"; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
# Prints "seconds cpu": the walk's time inside Wine, and the CPU time (user + system) the host counts
# for the whole process, which the other users of a shared machine disturb far less.
walk() {
    local out
    out=$( { /usr/bin/time -f 'cpu=%U+%S' "$WINE64" "$b/bench.exe" walk "$(win "$1/src")" "$(win "$1/dest")"; } 2>&1)
    echo "$(echo "$out" | field seconds) $(cpu_of "$out")"
}
cpu_of() { python3 -c "print('%.2f' % ($(echo "$1" | sed -n 's/.*cpu=\([0-9.+]*\).*/\1/p')))"; }
# Runs the runner and prints "seconds peak_mb cpu": the time as the helper measures it inside Wine, the
# peak as the host sees the process (Wine's own mappings included, so an upper bound). The tree is
# synced by the first run; only the second, measured one is a no-change run for existing pairs.
sync_run() {
    local out kb host
    out=$(wine "$b/bench.exe" run "$(win "$root/dist/orvelsync-cli.exe")" task "$(win "$1")" "$(win "$2")" --json \
        2>&1 >/dev/null | grep '^run ')
    host=$( { /usr/bin/time -f 'maxrss=%M cpu=%U+%S' "$WINE64" "$root/dist/orvelsync-cli.exe" task "$(win "$1")" \
        "$(win "$2")" --json >/dev/null; } 2>&1)
    kb=$(echo "$host" | field maxrss)
    echo "$(echo "$out" | field seconds) $(python3 -c "print('%.1f' % ($kb / 1024))") $(cpu_of "$host")"
}
ratio() { python3 -c "print('%.2f' % ($1 / $2))"; }

# The machine is shared: each time is the best of $runs, the walk and the runner taking turns.
runs=3
best() { sort -n | head -n1; }
measure_pairs() {
    local dir="$b/pairs$1" i
    walk "$dir" >/dev/null # warm the caches
    for i in $(seq $runs); do
        walk "$dir" >>"$b/walk.times"
        sync_run "$dir/src" "$dir/dest" >>"$b/sync.times"
    done
}
: >"$b/walk.times"; : >"$b/sync.times"
measure_pairs $n1
w1=$(cut -d' ' -f1 "$b/walk.times" | best); wc1=$(cut -d' ' -f2 "$b/walk.times" | best)
s1=$(cut -d' ' -f1 "$b/sync.times" | best); m1=$(cut -d' ' -f2 "$b/sync.times" | sort -n | tail -n1)
sc1=$(cut -d' ' -f3 "$b/sync.times" | best)
: >"$b/walk.times"; : >"$b/sync.times"
measure_pairs $n2
w2=$(cut -d' ' -f1 "$b/walk.times" | best); wc2=$(cut -d' ' -f2 "$b/walk.times" | best)
s2=$(cut -d' ' -f1 "$b/sync.times" | best); m2=$(cut -d' ' -f2 "$b/sync.times" | sort -n | tail -n1)
sc2=$(cut -d' ' -f3 "$b/sync.times" | best)

c="$b/copy$ncopy"
rm -rf "$c/out-cli" "$c/out-xcopy" "$c/out-cp"
cat "$c"/src/*/* >/dev/null
sc=$(wine "$b/bench.exe" run "$(win "$root/dist/orvelsync-cli.exe")" task "$(win "$c/src")" "$(win "$c/out-cli")" \
    --json 2>&1 >/dev/null | grep '^run ' | field seconds)
xc=$(wine "$b/bench.exe" run xcopy.exe /E /I /Q "$(win "$c/src")" "$(win "$c/out-xcopy")" 2>&1 >/dev/null |
    grep '^run ' | field seconds)
t0=$(date +%s.%N); cp -r "$c/src" "$c/out-cp"; t1=$(date +%s.%N)
cpt=$(python3 -c "print('%.3f' % ($t1 - $t0))")
files_cli=$(find "$c/out-cli" -type f | wc -l)
rm -rf "$c/out-cli" "$c/out-xcopy" "$c/out-cp"

echo
echo "| measurement | figure | target |"
echo "|---|---|---|"
echo "(times: best of $runs; memory: the highest of the runs)"
echo "| bare walk of both trees, $n1 pairs | ${w1} s (process CPU ${wc1} s) | |"
echo "| no-change re-sync, $n1 pairs | ${s1} s = $(ratio "$s1" "$w1")x the walk (CPU ${sc1} s = $(ratio "$sc1" "$wc1")x) | <= 1.5x |"
echo "| bare walk of both trees, $n2 pairs | ${w2} s (process CPU ${wc2} s) | |"
echo "| no-change re-sync, $n2 pairs | ${s2} s = $(ratio "$s2" "$s1")x the $n1 re-sync (CPU ${sc2} s = $(ratio "$sc2" "$sc1")x) | <= 2.1x |"
echo "| peak memory (host max RSS), $n1 re-sync | ${m1} MB | <= 150 MB |"
echo "| peak memory (host max RSS), $n2 re-sync | ${m2} MB | |"
echo "| initial copy of $ncopy files ($((ncopy * copysize / 1048576)) MB), runner | ${sc} s ($files_cli files) | |"
echo "| same with Wine xcopy /E /I | ${xc} s; runner = $(ratio "$sc" "$xc")x | <= 1.1x |"
echo "| same with native cp -r | ${cpt} s; runner = $(ratio "$sc" "$cpt")x | |"
