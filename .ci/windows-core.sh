#!/usr/bin/env bash
# The Windows side of the core: cross-built with mingw-w64 and tested under Wine.
# Only the Qt-free core and its tests are built (there is no Qt for mingw here).
# Wine runs in a throw-away prefix that is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${WIN_BUILD_DIR:-build-win}
PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 cmake ninja-build googletest)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -o DPkg::Lock::Timeout=300 -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "${missing[@]}"
fi

start=$(date +%s)
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build "$BUILD_DIR" -j2

export WINEPREFIX WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINEPREFIX=$(mktemp -d /tmp/netvane-wine.XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
# Wine's services must be up, with their stdio away from ctest, before the first test,
# or every test waits for them.
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i </dev/null >/dev/null 2>&1
# The same for the desktop process that the first new console (CREATE_NEW_CONSOLE)
# brings up: started by a test it holds that test's output open for seconds after
# the test ends. A console run to its end here brings the desktop up before ctest,
# and the fake netsh, told to sleep in a console of its own, keeps it up throughout.
# Without them the tests still pass, only slower.
wine start /wait /min cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
NETVANE_FAKE_NETSH_SLEEP_MS=86400000 wine start /min /unix "$(realpath "$BUILD_DIR")/tests/platform/fake/fake_netsh.exe" \
    </dev/null >/dev/null 2>&1 || true
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 120
echo "Windows core built and tested under Wine in $(( $(date +%s) - start )) s"
