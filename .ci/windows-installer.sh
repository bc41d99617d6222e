#!/usr/bin/env bash
# The Windows installer as a user meets it, silently, under Wine: install, check the
# files, the shortcuts and the Add/Remove Programs entry, run the installed program,
# uninstall, and check that only the user's store is left.
#   bash .ci/windows-installer.sh [BUILD_DIR]
# .ci/windows-gui.sh calls it inside its own Wine session (WINEPREFIX set); alone it
# starts one of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
. .ci/windows-wine.sh

BUILD_DIR=${1:-${WIN_BUILD_DIR:-build-win}}
install_missing nsis binutils
[ -n "${WINEPREFIX:-}" ] || windows_wine_start
start=$(date +%s)
cmake --build "$BUILD_DIR" --target netvane_installer
setup=$(ls "$BUILD_DIR"/Netvane-*-win64-setup.exe)
built=$(date +%s)

fail() { echo "Installer check: $*" >&2; exit 1; }
c="$WINEPREFIX/drive_c"
program="$c/Program Files/Netvane"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Netvane.lnk"
appdata="$c/users/$(id -un)/AppData/Roaming"
store="$appdata/netvane/DataBase/ipdb.ipdb"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Netvane'

# With the sign-in choice, which is off unless asked for.
wine "$setup" /S /STARTATSIGNIN </dev/null >/dev/null 2>&1 || fail "the installer failed"
listed=$(cd "$program" && find . -type f | sed 's|^\./||' | sort)
expected=$(printf '%s\n' help/helpnetvane.html netvane-db.exe netvane.exe uninstall.exe)
[ "$listed" = "$expected" ] || fail "Program Files\\Netvane holds: $listed"
# Wine spells the user's Startup folder "StartUp"; Windows reads names either way.
signin="$(find "$appdata/Microsoft/Windows/Start Menu/Programs" -maxdepth 1 -iname startup | head -1)/Netvane.lnk"
[ -f "$menu" ] || fail "no Start-menu shortcut at $menu"
strings -e l "$menu" | grep -qi 'netvane\.exe' || fail "the Start-menu shortcut does not start netvane.exe"
strings -e l "$signin" 2>/dev/null | grep -qx -- '--minimized' || fail "no sign-in shortcut with --minimized at $signin"
wine reg query "$key" /v UninstallString </dev/null 2>/dev/null | grep -q 'uninstall.exe' ||
    fail "no Add/Remove Programs entry"

# The installed program keeps each user's store in %APPDATA%\netvane.
version=$(wine "$program/netvane.exe" --version </dev/null 2>/dev/null | tr -d '\r')
[ "$version" = "netvane.exe $(sed -n 's/^project(Netvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
    fail "--version said: $version"
listing=$(wine "$program/netvane.exe" --list </dev/null 2>&1 | tr -d '\r') || fail "--list failed: $listing"
[ -f "$store" ] || fail "--list made no store at $store: $listing"
[ ! -e "$program/DataBase" ] || fail "the installed program made a DataBase folder beside itself"

# The uninstaller runs from a copy of itself and may return before it is done.
wine "$program/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed"
for _ in $(seq 100); do [ -e "$program" ] || break; sleep 0.2; done
[ ! -e "$program" ] || fail "Program Files\\Netvane is still there: $(find "$program")"
[ ! -e "$menu" ] || fail "the Start-menu shortcut is still there"
[ ! -e "$signin" ] || fail "the sign-in shortcut is still there"
! wine reg query "$key" </dev/null >/dev/null 2>&1 || fail "the Add/Remove Programs entry is still there"
left=$(cd "$appdata/netvane" && find . -type f | sed 's|^\./||')
[ "$left" = "DataBase/ipdb.ipdb" ] || fail "the user's folder holds: $left"
checked=$(date +%s)
echo "Installer $setup ($(stat -c %s "$setup") bytes) made in $((built - start)) s;" \
     "installed, run and uninstalled under Wine in $((checked - built)) s"
