#!/bin/sh
# Runs a Windows program under Wine in the given prefix: the emulator CMake and ctest use for the
# cross-built programs. Usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
export WINEPREFIX="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec /usr/lib/wine/wine64 "$@"
