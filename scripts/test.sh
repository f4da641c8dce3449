#!/usr/bin/env bash
# Installs what is missing, builds both targets and runs every test: the host
# unit tests under sanitizers and the fuzz targets on their corpus, then the Windows tests under Wine on a private
# virtual display with one wineserver kept alive for the whole run, and a
# CUPS scheduler of the run's own with a PDF printer for the printing tests.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh" all

ctest --test-dir "$out/host" --output-on-failure -j "$(nproc)"
# Every fuzz target for a few seconds on its committed corpus.
"$here/scripts/fuzz.sh" 5

source "$here/scripts/wine-session.sh"
source "$here/scripts/print-queue.sh"
trap stop_print_queue EXIT
start_print_queue
start_wine_session "$out"
trap 'stop_wine_session; stop_print_queue' EXIT
ctest --test-dir "$out/win32" --output-on-failure

# A picture of the main window on a sample document, kept for people to look
# at (the journeys keep theirs in $out/win32/artefacts/journeys/).
"$here/scripts/screenshot.sh" "$out/win32/artefacts/main_window.png"
