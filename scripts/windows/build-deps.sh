#!/bin/sh
# Builds the libraries Tabulex links, for 64-bit Windows, statically, from Debian's own sources:
# expat and libzip fetched with `apt-get source`, GoogleTest from the googletest package; CLI11 and
# SimpleIni are headers and are copied (pugixml is built with Tabulex itself from the source that
# scripts/fetch-pugixml.sh fetches for every build). Each library is built once: a stamp in the prefix
# names the source it came from, and a second run does nothing.
# Usage: build-deps.sh DEPS_FOLDER TOOLCHAIN_FILE JOBS   (installs into DEPS_FOLDER/prefix)
set -eu
DEPS=$1
TOOLCHAIN=$2
JOBS=$3
PREFIX=$DEPS/prefix
APT_DIR=$DEPS/apt
mkdir -p "$PREFIX/include" "$DEPS/src" "$DEPS/build"

SRC_DIR=$DEPS/src
. "$(dirname "$0")/../lib/debian-source.sh"

# fetch SOURCE_PACKAGE: unpacks it under src/ and prints its folder.
fetch() {
    if ! fetch_source "$1"; then
        echo "build-deps.sh: could not fetch the source of $1" >&2
        exit 1
    fi
}

# cmake_install NAME SOURCE_FOLDER [CMAKE OPTIONS...]
cmake_install() {
    name=$1
    source=$2
    shift 2
    log=$DEPS/build/$name.log
    rm -rf "$DEPS/build/$name"
    echo "build-deps.sh: building $name for Windows" >&2
    # ccache keys on paths below the source folder only, so that another clone's build hits too.
    export CCACHE_BASEDIR="$source" CCACHE_NOHASHDIR=1
    if ! { cmake -S "$source" -B "$DEPS/build/$name" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DTABULEX_WINDOWS_PREFIX="$PREFIX" -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" &&
        cmake --build "$DEPS/build/$name" -j"$JOBS" && cmake --install "$DEPS/build/$name"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "build-deps.sh: $name failed to build (the whole log: $log)" >&2
        exit 1
    fi
    rm -rf "$DEPS/build/$name"
}

# built NAME: true when NAME is in the prefix already
built() { [ -f "$PREFIX/.built-$1" ]; }
mark_built() { echo "$2" >"$PREFIX/.built-$1"; }

if ! built expat; then
    source=$(fetch expat)
    version=$(basename "$source")
    # Debian's expat source keeps the library in a subfolder in newer releases.
    [ -f "$source/CMakeLists.txt" ] || source=$source/expat
    # Debian's security patches test `XML_DTD == 1`, as its autotools build defines it; the CMake
    # template defines it empty.
    sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$source/expat_config.h.cmake"
    cmake_install expat "$source" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
        -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_FUZZERS=OFF
    mark_built expat "$version"
fi

if ! built libzip; then
    source=$(fetch libzip)
    # Only deflate (zlib): an inventory is never encrypted or packed another way.
    cmake_install libzip "$source" -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
        -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
        -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
    mark_built libzip "$(basename "$source")"
fi

if ! built googletest; then
    cmake_install googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
    mark_built googletest "$(dpkg-query -W -f='${Version}' googletest)"
fi

if ! built zlib; then
    # Beside the other libraries, so that -lz links zlib statically rather than through zlib1.dll.
    cp /usr/x86_64-w64-mingw32/lib/libz.a "$PREFIX/lib/"
    mark_built zlib "$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)"
fi

if ! built headers; then
    # CLI11's CMake package would point at the build machine's /usr/include; a small one of ours
    # names the copied headers instead.
    cp -r /usr/include/CLI "$PREFIX/include/"
    cp /usr/include/SimpleIni.h "$PREFIX/include/"
    mkdir -p "$PREFIX/lib/cmake/CLI11"
    cat >"$PREFIX/lib/cmake/CLI11/CLI11Config.cmake" <<'CONFIG'
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/../../../include")
endif()
CONFIG
    mark_built headers "$(dpkg-query -W -f='${Version}' libcli11-dev) $(dpkg-query -W -f='${Version}' libsimpleini-dev)"
fi
