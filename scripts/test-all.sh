#!/bin/sh
# Installs, builds and runs every test: the warning-free build with its tests (the window's on the
# offscreen platform and under Xvfb), the Debian package installed into a clean Debian 12 root,
# then the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
# the Debian package: linted, installed into a clean Debian 12 root and run there
sh tests/package/install-test.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTABULEX_SANITIZE=ON -DTABULEX_WERROR=ON \
    -DTABULEX_BENCH=OFF -DTABULEX_GUI=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$(nproc)")
echo "All tests passed."
