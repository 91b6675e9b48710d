# Sourced by the Windows build scripts: Wine for 64-bit programs, quiet, in a prefix of the build
# folder (made on first use, about half a minute), and one server shared by the tests.
# Needs BUILD (the Windows build folder).
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${WINEPREFIX:-$BUILD/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts to install Mono or Gecko (nothing here needs .NET or a browser engine), and no menu
# entries on the build machine for the Start menu entries made inside the prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

wine_prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$WINE" wineboot --init >/dev/null 2>&1 || true
        "$WINESERVER" -w
    fi
}

# A persistent server: started once, every test joins it instead of starting its own.
wine_start_server() {
    wine_prepare_prefix
    "$WINESERVER" -p
    # Wine's own services start with the first program and live as long as the server. Started
    # here, away from any test, they hold no test's output open (ctest would wait for it to close).
    "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
}

wine_stop_server() {
    "$WINESERVER" -k 2>/dev/null || true
}

# An X server for the window's tests (Xvfb, on a display number it picks itself, with openbox
# managing the windows as on a desktop). Wine's desktop takes the display of the server's first
# program, so this runs before wine_start_server.
display_start() {
    rm -f "$BUILD/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$BUILD/xvfb.display" >/dev/null 2>&1 &
    TABULEX_XVFB=$!
    for _ in $(seq 100); do
        [ -s "$BUILD/xvfb.display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$BUILD/xvfb.display")"
    TABULEX_OPENBOX=""
    if command -v openbox >/dev/null 2>&1; then
        openbox --sm-disable >/dev/null 2>&1 &
        TABULEX_OPENBOX=$!
        sleep 1  # until it manages the screen
    fi
}

display_stop() {
    [ -n "${TABULEX_OPENBOX:-}" ] && kill "$TABULEX_OPENBOX" 2>/dev/null
    [ -n "${TABULEX_XVFB:-}" ] && kill "$TABULEX_XVFB" 2>/dev/null
    return 0
}
