#!/usr/bin/env bash
# Installs what building and testing need on Debian 12. Safe to run again:
# it does nothing when every tool is already there.
set -eu
need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix || need+=(mingw-w64)
have wine || need+=(wine wine64)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
have Xvfb || need+=(xvfb)
have xauth || need+=(xauth)
# The user journeys type and click through X; the release test unpacks the zip.
have xdotool || need+=(xdotool)
have unzip || need+=(unzip)
have xvfb-run || need+=(xvfb)
have chmcmd || need+=(fp-utils)
have cmake || need+=(cmake)
have ninja || need+=(ninja-build)
have g++ || need+=(g++)
have import || need+=(imagemagick)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
# The fuzz targets: clang and its libFuzzer runtime.
have clang++ || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
# The print tests: a CUPS scheduler with the cups-pdf printer, the 32-bit
# CUPS library through which Wine finds printers, poppler to read the PDFs.
have cupsd || need+=(cups)
[ -x /usr/lib/cups/backend/cups-pdf ] || need+=(printer-driver-cups-pdf)
dpkg -s libcups2:i386 >/dev/null 2>&1 || need+=(libcups2:i386)
have pdftotext || need+=(poppler-utils)
# The printing journey picks a TrueType fixed-pitch face in the font dialog.
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf ] || need+=(fonts-dejavu-core)
[ ${#need[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo dpkg --add-architecture i386
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
