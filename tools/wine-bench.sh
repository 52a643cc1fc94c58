# Sourced: bench_setup installs what is missing, builds dist/ and starts the bench, stopping it when
# the calling script ends; bench_start prepares the Wine prefix of the build tree, a virtual display and a
# persistent server before any test runs; bench_stop takes them down. BUILD_DIR must be set.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

bench_start() {
    mkdir -p "$BUILD_DIR"
    # Windows under test need a display; with none (CI) a private Xvfb serves.
    local fd_file="$BUILD_DIR/.xvfb-display"
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    BENCH_XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    [ -s "$fd_file" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fd_file")"

    # A stale server of this prefix would keep old drive and registry state.
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    local fresh=0
    if [ ! -f "$WINEPREFIX/.bench-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        fresh=1
    fi
    "$WINESERVER" -p600 </dev/null >/dev/null 2>&1
    if ((fresh)); then
        echo "preparing Wine prefix $WINEPREFIX"
        "$WINE64" wineboot.exe -i </dev/null >"$BUILD_DIR/wineboot.log" 2>&1
        "$WINE64" regedit.exe /S "Z:${here//\//\\}\\wine-test.reg" </dev/null >>"$BUILD_DIR/wineboot.log" 2>&1
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        touch "$WINEPREFIX/.bench-ready"
    fi
    # Drive types and dos devices are read when the server starts.
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    "$WINESERVER" -p600 </dev/null >/dev/null 2>&1
    # Start the prefix's services now, so that no test pays for them or inherits ctest's pipes.
    "$WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

bench_stop() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    [ -n "${BENCH_XVFB_PID:-}" ] && kill "$BENCH_XVFB_PID" 2>/dev/null || true
    wait "${BENCH_XVFB_PID:-}" 2>/dev/null || true
}

bench_setup() {
    "$here/install-deps.sh"
    "$here/build.sh"
    bench_start
    trap bench_stop EXIT
}
