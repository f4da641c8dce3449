# Sourced by the scripts that run Windows programs: a private Xvfb display
# (unless one is set) and a prefix kept warm by one persistent wineserver.

# A virtual display of our own: sets DISPLAY and WINE_SESSION_XVFB (its
# process, for stop_wine_session).
start_private_display() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
}

start_wine_session() {
    local out=$1
    export WINEPREFIX=${WINEPREFIX:-$out/wineprefix}
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    WINE_SESSION_XVFB=""
    [ -n "${DISPLAY:-}" ] || start_private_display
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Let the server that wineboot started end, then keep one alive for the
    # whole run so that each test program starts in well under a second.
    timeout 60 wineserver -w || wineserver -k
    wineserver -p
    # Start the prefix's services now, with no output of their own: started
    # by the first test program instead, they would inherit its output pipe
    # and CTest would wait for them to close it.
    wineboot >/dev/null 2>&1 || true
    # There is no window manager on our own virtual display: Wine would wait
    # two seconds for one whenever a managed top-level window is hidden or
    # destroyed. Unmanaged windows spare every window test that wait; on a
    # display of the user's own, the window manager keeps managing them.
    local key='HKCU\Software\Wine\X11 Driver'
    if [ -n "$WINE_SESSION_XVFB" ]; then
        wine reg add "$key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    else
        wine reg delete "$key" /v Managed /f >/dev/null 2>&1 || true
    fi
}

stop_wine_session() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
}
