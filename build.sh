#!/usr/bin/env bash
# Set-up, build and run in one step on a Debian 12 machine.
#   ./build.sh run    install what is missing, build, start Netvane
#   ./build.sh test   install what is missing, build, run every test (Linux, then
#                     the package checks, then the Windows build under Wine: the whole
#                     program when a Qt for mingw-w64 is at hand, else the core)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
# What building and running Netvane needs.
PACKAGES=(g++ cmake ninja-build pkg-config
          qt6-base-dev qt6-svg-dev libqt6sql6-sqlite libqt6svg6 qt6-qpa-plugins
          libsystemd-dev libxcb1-dev libfontconfig-dev nlohmann-json3-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What the tests need on top: GoogleTest, Google Benchmark, the tools of the
# network-namespace tests (a private NetworkManager and a DHCP server), and clang
# with its libFuzzer runtime for the fuzz targets.
TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev desktop-file-utils
               iproute2 network-manager dnsmasq-base dbus
               clang libclang-rt-14-dev)

source .ci/install-missing.sh

configure() {
    # A compiler cache, where one is installed, makes rebuilds of an unchanged tree quick.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$BUILD_DIR" -G Ninja "${launcher[@]}"
}

case "${1:-}" in
    run)
        install_missing "${PACKAGES[@]}" libgtest-dev libgmock-dev
        configure
        # Only what running needs: the program, its netsh, the store tool and the store.
        cmake --build "$BUILD_DIR" --target netvane netsh netvane-db netvane_store
        exec "$BUILD_DIR/bin/netvane"
        ;;
    test)
        install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        configure
        cmake --build "$BUILD_DIR"
        ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 300
        BUILD_DIR="$BUILD_DIR" bash .ci/package.sh
        bash .ci/windows-gui.sh
        bash .ci/sanitize-and-fuzz.sh
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
