#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz/, replays every corpus file and runs each
# target for a short fixed time (TABULEX_FUZZ_SECONDS, 20 by default). Any finding fails the run.
set -eu
cd "$(dirname "$0")/.."
seconds="${TABULEX_FUZZ_SECONDS:-20}"
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
# -O1 is enough for fuzzing and builds faster than the release flags.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DTABULEX_FUZZ=ON -DTABULEX_TESTS=OFF -DTABULEX_BENCH=OFF \
    -DTABULEX_CLI=OFF -DTABULEX_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DTABULEX_FUZZ_SECONDS="$seconds" $launcher >/dev/null
cmake --build build-fuzz -j"$(nproc)"
(cd build-fuzz && ctest --output-on-failure -R _replay)
# The timed runs one after the other: each uses one core for its whole time.
(cd build-fuzz && ctest --output-on-failure -R _run)
