#!/usr/bin/env bash
# Starts the editor under Wine: run.sh [file]. On a machine that lacks the
# tools or the program it installs and builds them first; afterwards it only
# checks that the build is current, so the window shows within a few seconds.
# It uses your display when DISPLAY is set, otherwise a private virtual one.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh" win32

export WINEPREFIX=${WINEPREFIX:-$out/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$here/scripts/wine-session.sh"
if [ -z "${DISPLAY:-}" ]; then
    start_private_display
    trap 'kill "$WINE_SESSION_XVFB" 2>/dev/null || true' EXIT
    echo "No display of your own: Velmo runs on the virtual display $DISPLAY."
    echo "A screenshot: DISPLAY=$DISPLAY import -window root shot.png"
    echo "Ctrl+C here ends it."
elif grep -qs '^"Managed"="N"' "$WINEPREFIX/user.reg"; then
    # The test runs leave windows unmanaged for their window-manager-less
    # display; on a desktop the window manager should frame and move them.
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once, about half a minute)..."
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
fi
if [ $# -gt 0 ]; then
    # Wine's drive Z: is the Unix root; naming the file so spares starting
    # winepath, a Wine process of its own.
    file=$(realpath -m "$1")
    wine "$out/win32/dist/Velmo.exe" "Z:${file//\//\\}"
else
    wine "$out/win32/dist/Velmo.exe"
fi
