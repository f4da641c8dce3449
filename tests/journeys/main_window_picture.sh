#!/usr/bin/env bash
# The picture of the main window that the README shows: a short document
# with line numbers and a selected word, taken as a user would see it.
# Run by scripts/screenshot.sh, which names the PNG in JOURNEY_PICTURE.
source "$(dirname "$0")/journey.sh"
: "${JOURNEY_PICTURE:?}"

document="$folder/welcome.txt"
printf '%s\r\n' \
    "Velmo 2" \
    "" \
    "A small, fast editor for plain text files." \
    "" \
    "It reads and writes every byte as it is: line ends, code pages" \
    "and NUL bytes stay untouched. Undo and redo have no limit." \
    "" \
    "Find and replace, word wrap, line numbers, visible control" \
    "characters, fonts, colours, margins and line spacing are a" \
    "menu away; the settings live in Velmo.ini beside Velmo.exe." >"$document"

open_file "$document"
press alt+v l
await_ini LineNumbers 1
# "fast" selected in the third line.
status_after "Line 3, column 14, selected 4" ctrl+Home Down Down ctrl+Right ctrl+Right shift+ctrl+Right shift+Left
window=$(await '^main [0-9]+ ' | cut -d' ' -f3,4)
place=${window% *}
size=${window#* }
import -window root -crop "${size}+$((desktop_x + ${place%,*}))+$((desktop_y + ${place#*,}))" "$JOURNEY_PICTURE"
quit
