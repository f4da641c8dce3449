#!/usr/bin/env bash
# Builds the Windows targets and runs the editor benchmark under Wine on a
# private virtual display: Velmo's control against the system's EDIT control
# and the machine's limits. Arguments go to the benchmark (scenario names
# S1 .. S6, startup, largest; --velmo-only). The table is printed and written
# to $out/bench/editor_bench.csv. It is never part of the tests.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh" win32
mkdir -p "$out/bench"
source "$here/scripts/wine-session.sh"
start_wine_session "$out"
trap stop_wine_session EXIT
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
     "$(free -g | awk '/Mem:/{print $2}') GB, $(wine --version), load $(cut -d' ' -f1-3 /proc/loadavg)"
wine "$out/win32/bench/editor_bench.exe" --csv "$(winepath -w "$out/bench/editor_bench.csv")" "$@" </dev/null
