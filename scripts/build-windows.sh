#!/bin/sh
# Cross-builds Tabulex for 64-bit Windows with MinGW-w64 into build-windows/ (run as root on
# Debian 12): installs what is missing, builds expat, libzip and GoogleTest statically from Debian's
# sources (once: they are kept in build-windows/deps) and fetches pugixml's source (build-deps/,
# built with the program in compact mode), builds the program and its tests,
# runs the tests under Wine, then packs the installer and a .zip into build-windows/packages/.
# The window is built too when a Qt for Windows lies in ../shared/windows beside the clone; its tests
# then run under Wine on an Xvfb display of their own. TABULEX_CTEST_ARGS: more arguments for ctest.
#
#   sh scripts/build-windows.sh               everything
#   sh scripts/build-windows.sh --no-package  build and test only
#   sh scripts/build-windows.sh --no-tests    build and pack only
#   sh scripts/build-windows.sh --no-gui      the command line only, even with a Qt for Windows
#   sh scripts/build-windows.sh --compare-with build/bin/tabulex
#                                             also compare the reports and repaired documents with
#                                             those of a Linux build
set -eu
cd "$(dirname "$0")/.."
SOURCE=$(pwd)
BUILD=${TABULEX_WINDOWS_BUILD:-$SOURCE/build-windows}
DEPS=$BUILD/deps
PREFIX=$DEPS/prefix
TOOLCHAIN=$SOURCE/cmake/mingw-w64-x86_64.cmake
QT_ARCHIVE=$(ls "$SOURCE"/../shared/windows/qt6-base-*-mingw-w64-x86_64.tar.xz 2>/dev/null | head -n 1 || true)
JOBS=${TABULEX_JOBS:-$(nproc)}
run_tests=yes
make_package=yes
linux_program=""
while [ $# -gt 0 ]; do
    case $1 in
    --no-tests) run_tests=no ;;
    --no-package) make_package=no ;;
    --no-gui) QT_ARCHIVE="" ;;
    --compare-with) linux_program=$(realpath "$2"); shift ;;
    *) echo "build-windows.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done

. "$SOURCE/scripts/windows/wine-env.sh"

install_missing() {
    packages="g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev wine64 nsis dpkg-dev \
cmake ccache zip unzip googletest libcli11-dev libsimpleini-dev"
    [ -n "$QT_ARCHIVE" ] && packages="$packages qt6-base-dev qt6-base-dev-tools qt6-translations-l10n xvfb xauth openbox"
    missing=""
    for p in $packages; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        # shellcheck disable=SC2086
        apt-get install -y -q --no-install-recommends $missing
    fi
}

install_missing
sh "$SOURCE/scripts/windows/build-deps.sh" "$DEPS" "$TOOLCHAIN" "$JOBS"
# pugixml in compact mode, from the same source as the Linux build's.
sh "$SOURCE/scripts/fetch-pugixml.sh"

gui=OFF
qt_dir=""
if [ -n "$QT_ARCHIVE" ]; then
    qt_dir=$BUILD/qt6-mingw
    stamp=$BUILD/qt6-mingw.from
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(basename "$QT_ARCHIVE")" ]; then
        rm -rf "$qt_dir"
        tar -xJf "$QT_ARCHIVE" -C "$BUILD"
        basename "$QT_ARCHIVE" >"$stamp"
    fi
    gui=ON
else
    echo "build-windows.sh: no Qt for Windows in ../shared/windows (or --no-gui); the window was left out" >&2
fi

cmake -S "$SOURCE" -B "$BUILD/tabulex" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DTABULEX_WINDOWS_PREFIX="$PREFIX" -DTABULEX_WINDOWS_QT="$qt_dir" \
    -DCMAKE_PREFIX_PATH="$PREFIX${qt_dir:+;$qt_dir}" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DTABULEX_WERROR=ON -DTABULEX_BENCH=OFF -DTABULEX_GUI=$gui \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$SOURCE/scripts/windows/wine-run.sh;$WINEPREFIX" >/dev/null
cmake --build "$BUILD/tabulex" -j"$JOBS"

if [ "$run_tests" = yes ]; then
    # The window's tests draw on an X server through Wine's Windows platform.
    [ "$gui" = ON ] && display_start
    # One Wine server for all the tests: each test started alone would wait for its own.
    wine_start_server
    status=0
    (cd "$BUILD/tabulex" && ctest --output-on-failure -j"$JOBS" ${TABULEX_CTEST_ARGS:-}) || status=$?
    if [ "$status" -eq 0 ] && [ -n "$linux_program" ]; then
        sh "$SOURCE/tests/package/windows-linux-compare.sh" "$linux_program" "$BUILD/tabulex/bin/tabulex.exe" ||
            status=$?
    fi
    wine_stop_server
    display_stop
    [ "$status" -eq 0 ] || exit "$status"
fi

if [ "$make_package" = yes ]; then
    rm -rf "$BUILD/tabulex/packages"
    (cd "$BUILD/tabulex" && cpack -G "NSIS;ZIP" >/dev/null)
    ls "$BUILD"/tabulex/packages/*.exe "$BUILD"/tabulex/packages/*.zip
    if [ "$run_tests" = yes ]; then
        wine_prepare_prefix
        sh "$SOURCE/tests/package/windows-install-test.sh" "$BUILD"/tabulex/packages/*.exe
    fi
fi
