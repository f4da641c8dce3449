#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix. Without a
# display it starts a private Xvfb for this one run.
#
# The program's output goes through a file: Wine's background services may
# inherit the program's standard handles and outlive it, and a pipe held open
# by them would keep the caller (CTest) waiting for an end that never comes.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-${VELMO_BUILD_DIR:-$here/build}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@" >"$log" 2>&1 </dev/null
else
    wine "$@" >"$log" 2>&1 </dev/null
fi
status=$?
cat "$log"
exit $status
