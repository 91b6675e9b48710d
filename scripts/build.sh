#!/bin/sh
# Configures and builds into build/ (binaries in build/bin/).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULEX_WERROR=ON "$@" >/dev/null
cmake --build build -j"$(nproc)"
