#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine:
# run.sh [file]. Without a display of your own it runs on a virtual one.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh" win32
source "$here/scripts/wine-session.sh"
start_wine_session "$out"
trap stop_wine_session EXIT
if [ $# -gt 0 ]; then
    wine "$out/win32/dist/Velmo.exe" "$(winepath -w "$1")"
else
    wine "$out/win32/dist/Velmo.exe"
fi
