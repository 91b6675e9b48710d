#!/bin/sh
# Fetches Debian's own source of pugixml, once, into build-deps/pugixml (kept across builds, reused
# by every build of this tree: ordinary, sanitizers, clang, fuzzers, packages and Windows). CMake
# builds the library from it in compact mode, which holds a document's tree in about a fifth of the
# memory of the system's library. Without it CMake falls back to the system's libpugixml-dev.
# Exits non-zero, with apt's reason, when the source cannot be had.
set -eu
cd "$(dirname "$0")/.."
DEPS=${TABULEX_DEPS_DIR:-$(pwd)/build-deps}
[ -f "$DEPS/pugixml/src/pugixml.cpp" ] && exit 0
APT_DIR=$DEPS/apt
SRC_DIR=$DEPS/src
. scripts/lib/debian-source.sh
if ! folder=$(fetch_source pugixml); then
    echo "fetch-pugixml.sh: could not fetch Debian's source of pugixml" >&2
    exit 1
fi
rm -rf "$DEPS/pugixml"
mv "$folder" "$DEPS/pugixml"
echo "fetch-pugixml.sh: $(basename "$folder") in $DEPS/pugixml" >&2
