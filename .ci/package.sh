#!/usr/bin/env bash
# The Linux package: the desktop entry and the AppStream metainfo validated, the
# Debian package built from the build folder, its file list checked and lintian
# run on it (no errors allowed). Needs a finished build in BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(desktop-file-utils appstream lintian dpkg-dev file)

source .ci/install-missing.sh
install_missing "${PACKAGES[@]}"

app_id=example.quorvex.netvane
desktop-file-validate "data/$app_id.desktop"
# The metainfo as installed, with the project's version filled in.
appstreamcli validate --no-net "$BUILD_DIR/install-staging/$app_id.metainfo.xml"

rm -f "$BUILD_DIR"/netvane_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
debs=("$BUILD_DIR"/netvane_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "package.sh: cpack made no package" >&2; exit 1; }

# Files and links only, as "path" or "path -> target".
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | sort)
expected=$(sort <<EOF_LIST
./usr/bin/netvane
./usr/bin/netvane-db
./usr/bin/netvane-netsh -> ../libexec/netvane/netsh
./usr/libexec/netvane/netsh
./usr/share/applications/$app_id.desktop
./usr/share/doc/netvane/changelog.gz
./usr/share/doc/netvane/copyright
./usr/share/icons/hicolor/scalable/apps/netvane.svg
./usr/share/man/man1/netvane-db.1.gz
./usr/share/man/man1/netvane-netsh.1.gz
./usr/share/man/man1/netvane.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
./usr/share/netvane/help/helpnetvane.html
EOF_LIST
)
if [ "$listed" != "$expected" ]; then
    echo "package.sh: $deb holds other files than expected:" >&2
    diff <(echo "$expected") <(echo "$listed") >&2 || true
    exit 1
fi
# The libraries' packages come from dpkg-shlibdeps.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "package.sh: no library dependencies" >&2; exit 1; }

lintian --fail-on error "$deb"
echo "package.sh: $deb passed"
