#!/usr/bin/env bash
# The Windows side of the core: cross-built with mingw-w64 and tested under Wine.
# Only the Qt-free core and its tests are built (for a machine without a Qt for mingw;
# .ci/windows-gui.sh builds the whole program when there is one).
# Wine runs in a throw-away prefix that is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
. .ci/windows-wine.sh

BUILD_DIR=${WIN_BUILD_DIR:-build-win-core}
install_missing g++-mingw-w64-x86-64-posix wine wine64 cmake ninja-build googletest nlohmann-json3-dev

start=$(date +%s)
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DNETVANE_CORE_ONLY=ON
cmake --build "$BUILD_DIR" -j2

windows_wine_start
windows_keep_console_desktop "$BUILD_DIR/tests/platform/fake/fake_netsh.exe"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 120
echo "Windows core built and tested under Wine in $(( $(date +%s) - start )) s"
