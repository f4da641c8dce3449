#!/usr/bin/env bash
# Configures and builds one or both targets: build.sh [host|win32|all]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
# VELMO_BUILD_DIR lets two work trees or people build side by side.
out=${VELMO_BUILD_DIR:-$here/build}
# ccache, where installed, lets rebuilds and other work trees reuse objects.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# A configured tree needs no second configure step: the build tool runs CMake
# again by itself when a CMake file changes.
build_host() {
    [ -f "$out/host/build.ninja" ] || cmake -S "$here" -B "$out/host" -G Ninja "${launcher[@]}" >/dev/null
    cmake --build "$out/host" -j "$jobs"
}
build_win32() {
    [ -f "$out/win32/build.ninja" ] || cmake -S "$here" -B "$out/win32" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" "${launcher[@]}" >/dev/null
    cmake --build "$out/win32" -j "$jobs"
}
case "${1:-all}" in
    host) build_host ;;
    win32) build_win32 ;;
    all) build_host; build_win32 ;;
    *) echo "usage: build.sh [host|win32|all]" >&2; exit 2 ;;
esac
