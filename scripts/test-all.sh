#!/bin/sh
# Installs, builds and runs every test: the warning-free build with its tests (the window's on the
# offscreen platform and under Xvfb), the Debian package installed into a clean Debian 12 root,
# then the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer, a build with
# clang, then the fuzzers (every corpus file replayed, each target run for a short time).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
# the naming style of .clang-tidy, on the window's sources
sh scripts/check-names.sh src/app
# the Debian package: linted, installed into a clean Debian 12 root and run there
sh tests/package/install-test.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTABULEX_SANITIZE=ON -DTABULEX_WERROR=ON \
    -DTABULEX_BENCH=OFF -DTABULEX_GUI=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$(nproc)")
# The core and its tests with clang as well, so that what only clang refuses is caught; its tests
# are the layer checks (the rest ran above).
CXX=clang++-14 cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=Debug -DTABULEX_WERROR=ON -DTABULEX_BENCH=OFF \
    -DTABULEX_CLI=ON -DTABULEX_GUI=OFF >/dev/null
cmake --build build-clang -j"$(nproc)"
(cd build-clang && ctest --output-on-failure -j"$(nproc)" -R '^layers[.]')
# The command line and the window cross-built for 64-bit Windows: their tests under Wine (the
# window's on an Xvfb display), the reports and repaired documents compared byte for byte with the
# Linux build's, the installer installed, run and removed under Wine. The window adds a few minutes
# to this step: its build (mostly ccache hits), about 20 s of tests, a larger installer to pack.
sh scripts/build-windows.sh --compare-with build/bin/tabulex
sh scripts/fuzz-ci.sh
echo "All tests passed."
