#!/usr/bin/env bash
# The release zip as a Windows user meets it: unpacked into an empty folder
# on the C: drive of a new Wine prefix, the program starts on a file and
# keeps its settings beside itself. The zip holds what its README promises;
# Velmo.exe is stripped, large-address aware, and carries its version record
# and manifest.
zip=${JOURNEY_RELEASE_ZIP:?}
top=$(basename "$zip" .zip)
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/release_prefix.XXXXXX)
export JOURNEY_PROGRAM_FOLDER="$WINEPREFIX/drive_c/Velmo/$top"
journey_cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
source "$(dirname "$0")/journey.sh"

step "the zip holds one folder with the program, its languages, its help and a README"
expected=$(printf '%s\n' "$top"/{Help/{,English.chm,Slovak.chm},Languages/{,Czech.dll,English.dll,Slovak.dll}} \
    "$top"/{README.txt,Velmo.exe})
[ "$(unzip -Z1 "$zip" | sort)" = "$expected" ] || fail "the zip holds: $(unzip -Z1 "$zip")"

step "a new Wine prefix, the zip unpacked into an empty folder on its C: drive"
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
unzip -q "$zip" -d "$WINEPREFIX/drive_c/Velmo"
exe="$folder/Velmo.exe"

step "Velmo.exe: stripped, large-address aware, version record and manifest"
headers=$(i686-w64-mingw32-objdump -h -p "$exe")
grep -q '\.debug' <<<"$headers" && fail "Velmo.exe keeps debugging sections"
grep -q "large address aware" <<<"$headers" || fail "Velmo.exe is not large-address aware"
# The resources as the system finds them, each line led by its resource's
# type, name and block: the version strings in the block that the record's
# translation names, the manifest as resource 1 of type 24.
resources=$(i686-w64-mingw32-windres -J coff -O rc -i "$exe" |
    awk '/Type: /{t = $3} /Name: /{n = $2} /BLOCK "/{b = $2} {print t "/" n "/" b ": " $0}')
block=$(printf '"%04X%04X"' $(sed -n 's/.*"Translation", \(0x[0-9a-f]*\), \([0-9]*\)$/\1 \2/p' <<<"$resources"))
version=${top#Velmo-}
for fact in "version/1\\./$block: .*\"ProductName\", \"Velmo 2\"" \
    "version/1\\./$block: .*\"FileVersion\", \"${version%-win32}\"" \
    '24/1\./.*name=""Microsoft\.Windows\.Common-Controls"" version=""6\.0\.0\.0""' \
    '24/1\./.*supportedOS Id=""\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}""'; do
    grep -Eq "^$fact" <<<"$resources" || fail "Velmo.exe lacks $fact; it carries: $resources"
done

step "started on a file, it names the file; it keeps its settings beside itself"
printf 'Unpacked and running.\r\n' >"$WINEPREFIX/drive_c/letter.txt"
start_program 'C:\letter.txt'
await_title "Velmo 2 - letter.txt"
screenshot started
quit
[ -f "$folder/Velmo.ini" ] || fail "no Velmo.ini beside Velmo.exe"
