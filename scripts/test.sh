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
# at: $out/win32/artefacts/main_window.png. It runs on a copy of the
# distribution folder so that no settings file is touched.
artefacts="$out/win32/artefacts"
mkdir -p "$artefacts"
sample=$(mktemp -d)
cp -r "$out/win32/dist/." "$sample/"
printf 'Velmo 2\r\n\r\nA small, fast plain-text editor.\r\nLine three.\r\n' > "$sample/sample.txt"
# Wine's own desktop draws the window frame and title that a bare X server
# would leave out.
(cd "$sample" && exec wine explorer /desktop=velmo,1024x700 Velmo.exe sample.txt) &
velmo=$!
sleep 5
import -window root "$artefacts/main_window.png"
kill "$velmo" 2>/dev/null || true
wait "$velmo" 2>/dev/null || true
rm -rf "$sample"
echo "Screenshot: $artefacts/main_window.png"
