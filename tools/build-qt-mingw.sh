#!/usr/bin/env bash
# Builds the static Qt (qtbase 6.4.2: Core, Gui, Widgets, Sql with SQLite, Test; the windows
# and offscreen platforms) that the Windows build of Netvane links, for x86_64 mingw-w64
# (posix threads), from Debian 12's own qt6-base and sqlite3 sources, and packs it.
#
#   tools/build-qt-mingw.sh WORK_DIR
#
# Leaves WORK_DIR/prefix (point .ci/windows-gui.sh at it with NETVANE_QT_MINGW=WORK_DIR/prefix)
# and WORK_DIR/qt6.4.2-mingw64-static.tar.zst. Takes 16 minutes on 2 idle cores, about 27
# under load. Needs a deb-src entry for bookworm (apt-get source)
# and root or sudo to install the packages below.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
W=$(realpath -m "${1:?usage: tools/build-qt-mingw.sh WORK_DIR}")
TC=$here/cmake/mingw-w64-x86_64.cmake
QT=qtbase-everywhere-src-6.4.2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 \
    g++-mingw-w64-x86-64-posix qt6-base-dev cmake ninja-build dpkg-dev tcl zstd >/dev/null
mkdir -p "$W" && cd "$W"

# 1. Sources from Debian: qtbase (the dfsg tarball has its bundled SQLite removed) and SQLite.
if [ ! -d $QT ]; then
    apt-get source --download-only qt6-base=6.4.2+dfsg-10 sqlite3 >/dev/null
    tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
    mkdir -p deb && tar xf qt6-base_6.4.2+dfsg-10.debian.tar.xz -C deb
    # Debian's security and portability patches; its packaging patches do not apply to a cross build.
    for p in cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff cve-2023-24607.patch \
             upstream_Add-HPPA-detection.patch upstream_Add-M68k-detection.patch; do
        patch -d $QT -p1 <"deb/debian/patches/$p" >/dev/null
    done
fi

# 2. The SQLite amalgamation that Qt's driver compiles in (Debian's sqlite3 package ships none).
if [ ! -f $QT/src/3rdparty/sqlite/sqlite3.c ]; then
    d=$(ls -d sqlite3-3.* 2>/dev/null | head -1 || true)
    if [ -z "$d" ]; then tar xf sqlite3_*.orig.tar.xz; d=$(ls -d sqlite3-3.* | head -1); fi
    mkdir -p amalg && (cd amalg && "../$d/configure" --disable-tcl >/dev/null && make sqlite3.c >/dev/null)
    mkdir -p $QT/src/3rdparty/sqlite
    cp amalg/sqlite3.c amalg/sqlite3.h "$d/src/sqlite3ext.h" $QT/src/3rdparty/sqlite/
fi

# 3. Configure, build, install. With direct2d off Qt 6.4 turns directwrite3 on, and programs
#    then fail to link: both off. mingw-w64 lacks the wintab headers: no tablet events.
rm -rf build prefix && mkdir build && cd build
nice -n 15 ../$QT/configure -prefix "$W/prefix" \
    -static -release -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-openssl -no-feature-vulkan \
    -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-printsupport \
    -no-feature-direct2d -no-feature-directwrite3 -no-feature-tabletevent \
    -no-feature-sql-odbc -no-feature-sql-psql -no-feature-sql-mysql -no-feature-sql-ibase \
    -no-feature-sql-oci -no-feature-sql-db2 \
    -sql-sqlite -qt-sqlite -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -no-feature-gif \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TC" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice -n 15 ninja -j"$(nproc)"
cmake --install . >/dev/null
cd "$W" && tar -C prefix -cf - . | zstd -19 -q -o qt6.4.2-mingw64-static.tar.zst
echo "made $W/prefix and $W/qt6.4.2-mingw64-static.tar.zst"
