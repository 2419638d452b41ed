#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix and an X display of its own.
#
#   wine-run.sh STATE_DIR PROGRAM.exe [ARGUMENTS...]
#
# STATE_DIR (inside the build folder) holds the Wine prefix, created once under a lock, and the Xvfb started
# when there is no DISPLAY. The wineserver is kept alive for a minute after its last client, and each new
# server session is opened by a throw-away process, so that Wine's background processes never hold the
# standard output of the program being run (ctest would wait for them). Nothing started while the lock is
# held may inherit the lock's descriptor, or the lock would stay taken for as long as that process lives.
#
# The prefix is made for tests: windows are not managed (Wine draws them unframed at their own coordinates, and no
# window manager stalls a hide or a destroy) and a crash opens no dialog. With KESTRELON_WINE_DESKTOP=1 it is made
# for a person at a desktop instead: the window manager frames and places the windows. The two kinds need
# different STATE_DIRs.
set -euo pipefail

state=$1
shift
mkdir -p "$state"
state=$(cd "$state" && pwd)

wine=${KESTRELON_WINE:-/usr/lib/wine/wine64}
wineserver=${KESTRELON_WINESERVER:-/usr/lib/wine/wineserver64}
export WINEPREFIX="$state/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

server_running() {
    # A live wineserver of this prefix works in a folder named server-DEV-INODE after the prefix folder (under
    # /tmp/.wine-UID or a temporary folder); a socket file alone may outlive its server.
    local name pid
    name=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for pid in $(pgrep -f wineserver 2>/dev/null); do
        [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$name" ] && return 0
    done
    return 1
}

{
    flock 9

    if [ ! -f "$WINEPREFIX/.kestrelon-ready" ]; then
        rm -rf "$WINEPREFIX"
        "$wine" wineboot.exe -i </dev/null >/dev/null 2>&1 9>&-
        if [ "${KESTRELON_WINE_DESKTOP:-0}" != 1 ]; then
            "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
            "$wine" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
                </dev/null >/dev/null 2>&1 9>&-
        fi
        "$wineserver" -w 9>&-
        if [ -d /usr/share/wine/fonts ]; then
            ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        touch "$WINEPREFIX/.kestrelon-ready"
    fi

    if [ -z "${DISPLAY:-}" ]; then
        if ! { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }; then
            rm -f "$state/xvfb.display"
            setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/xvfb.display" \
                </dev/null >/dev/null 2>&1 9>&- &
            echo $! >"$state/xvfb.pid"
            for _ in $(seq 100); do
                [ -s "$state/xvfb.display" ] && break
                sleep 0.05
            done
        fi
    fi

    if ! server_running; then
        "$wineserver" -p60 </dev/null >/dev/null 2>&1 9>&- || true
        DISPLAY=${DISPLAY:-:$(head -n1 "$state/xvfb.display")} \
            "$wine" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 9>&- || true
    fi
} 9>"$state/lock"

if [ -z "${DISPLAY:-}" ]; then
    DISPLAY=":$(head -n1 "$state/xvfb.display")"
    export DISPLAY
fi

exec "$wine" "$@"
