# Sourced by the Windows steps: helpers to install what they need and to run Windows
# programs under Wine in a throw-away prefix (removed, with its wineserver and any
# display started here, when the step ends).

source "$(dirname "${BASH_SOURCE[0]}")/install-missing.sh"

windows_wine_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${WINEPREFIX:-}" ] && rm -rf "$WINEPREFIX"
    [ -n "${NETVANE_XVFB_PID:-}" ] && kill "$NETVANE_XVFB_PID" 2>/dev/null || true
}

# windows_wine_start [display]: a fresh prefix; with "display", an Xvfb of its own first
# (native windows need one).
windows_wine_start() {
    export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    WINEPREFIX=$(mktemp -d /tmp/netvane-wine.XXXXXX)
    export WINEPREFIX
    trap windows_wine_cleanup EXIT
    if [ "${1:-}" = display ]; then
        local n=90
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        NETVANE_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    # Wine's services must be up, with their stdio away from ctest, before the first
    # test, or every test waits for them.
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot -i </dev/null >/dev/null 2>&1
    # The same for the desktop process that the first new console (CREATE_NEW_CONSOLE)
    # brings up: started by a test it holds that test's output open for seconds after
    # the test ends. A console run to its end here brings it up before ctest.
    wine start /wait /min cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# windows_keep_console_desktop <fake_netsh.exe>: the fake netsh, told to sleep in a console
# of its own, keeps that desktop up throughout. Without it the tests still pass, only slower.
windows_keep_console_desktop() {
    NETVANE_FAKE_NETSH_SLEEP_MS=86400000 wine start /min /unix "$(realpath "$1")" </dev/null >/dev/null 2>&1 || true
}
