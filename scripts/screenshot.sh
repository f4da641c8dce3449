#!/usr/bin/env bash
# Takes the picture of the main window: screenshot.sh [PNG], by default
# docs/main_window.png, the README's picture. The program runs from a copy
# of the distribution folder; build it first (scripts/build.sh win32).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
picture=$(realpath -m "${1:-$here/docs/main_window.png}")
mkdir -p "$(dirname "$picture")"
JOURNEY_DIST="$out/win32/dist" \
JOURNEY_PROBE="$out/win32/tests/journeys/journey_probe.exe" \
JOURNEY_ARTEFACTS="$out/win32/artefacts/journeys" \
JOURNEY_PICTURE="$picture" \
    bash "$here/tests/journeys/main_window_picture.sh"
echo "Picture: $picture"
