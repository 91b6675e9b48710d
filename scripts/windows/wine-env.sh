# Sourced by the Windows build scripts: Wine for 64-bit programs, quiet, in a prefix of the build
# folder (made on first use, about half a minute), and one server shared by the tests.
# Needs BUILD (the Windows build folder).
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${WINEPREFIX:-$BUILD/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts to install Mono or Gecko: nothing here needs .NET or a browser engine.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

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
