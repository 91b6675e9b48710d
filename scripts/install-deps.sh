#!/bin/sh
# Installs what building and testing Tabulex needs on Debian 12 (run as root).
# Only missing packages are installed, so a second run costs nothing.
set -eu
PACKAGES="build-essential cmake pkg-config git ccache libzip-dev libexpat1-dev libpugixml-dev libsimpleini-dev libcli11-dev \
libgtest-dev libgmock-dev libbenchmark-dev zip unzip \
help2man file qt6-base-dev qt6-translations-l10n"
if [ "${1:-}" = "--test" ]; then
    # the test suite also converts documents with LibreOffice and compares with other readers,
    # installs the Debian package into a clean Debian root and lints it, takes screenshots of the
    # window under a virtual X server with a window manager, builds with clang, checks the naming
    # style with clang-tidy and builds the fuzzers (libFuzzer)
    PACKAGES="$PACKAGES libreoffice-writer-nogui python3-docx pandoc time \
debootstrap debian-archive-keyring lintian desktop-file-utils appstream bash-completion xvfb xauth openbox \
clang-14 libclang-rt-14-dev clang-tidy"
fi
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
# pugixml's source, which the build compiles in compact mode; without it the build falls back to the
# system's library (normal mode, several times the memory for the repairs of large documents).
sh "$(dirname "$0")/fetch-pugixml.sh" ||
    echo "install-deps.sh: pugixml's source could not be fetched; the build uses the system's library" >&2
