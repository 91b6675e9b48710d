#!/bin/sh
# Builds the Debian packages into build/packages/: `tabulex` (the command line) and, when the
# window is built, `tabulex-gui`. Arguments go to the CMake configuration, as for build.sh.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
rm -rf build/packages
(cd build && cpack -G DEB >/dev/null)
ls build/packages/*.deb
