#!/bin/sh
# Checks the naming style of .clang-tidy on the window's sources (or on the folders given, e.g.
# `scripts/check-names.sh src`), with the compile commands of build/ (run scripts/build.sh first).
# Only the naming check is enabled, so it stays a matter of a minute.
set -eu
cd "$(dirname "$0")/.."
folders="${*:-src/app}"
files=$(find $folders -name '*.cpp' | sort)
headers=$(echo "$folders" | sed 's#src/##g; s# #|#g')
# shellcheck disable=SC2086
run-clang-tidy -quiet -p build -j"$(nproc)" -extra-arg=-Wno-unknown-warning-option \
    -header-filter="/($headers)/[^/]*\.h$" $files >build/check-names.log 2>&1 || true
if grep -qE '(warning|error): ' build/check-names.log; then
    grep -E '(warning|error): ' build/check-names.log | sort -u
    echo "Naming check failed (the whole output is in build/check-names.log)." >&2
    exit 1
fi
echo "Names follow .clang-tidy in: $folders"
