#!/usr/bin/env bash
# Builds the Windows release, Velmo-<version>-win32.zip, with CPack: the
# stripped program with Languages\, Help\ and README.txt in one folder that
# runs where it is unpacked. Prints where the zip is.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh" win32
(cd "$out/win32" && cpack --config CPackConfig.cmake >/dev/null)
ls "$out/win32/release/"Velmo-*-win32.zip
