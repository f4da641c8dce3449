#!/usr/bin/env bash
# Word wrap, line numbers, control characters, a font and a language are
# chosen; after quitting and starting again every choice is back, read from
# Velmo.ini. Each option shows in where keys and clicks put the caret:
#   word wrap: End on the long first line stops at the end of a screen row;
#   the font: how many characters that row holds;
#   control characters: End on "short" passes its visible CR LF (the caret
#   then stands where the next line starts);
#   line numbers: a click at the left edge selects the whole line.
source "$(dirname "$0")/journey.sh"

document="$folder/options.txt"
printf 'word %.0s' $(seq 40) >"$document"
printf '\r\nshort\r\nx' >>"$document"

# Column of the caret after End on the first screen row (Line/Riadok 1).
first_row_end() {
    press ctrl+Home End
    await_status_match "[A-Za-z]+ 1, [^ ]+ ([2-9]|[1-9][0-9]+), " | sed 's/^[^,]*, [^ ]* \([0-9]*\),.*/\1/'
}

step "on a file with a line of 200 characters, word wrap on (Ctrl+W): End stops at the end of the screen row"
open_file "$document"
await_status "Line 1, column 1, selected 0"
status_after "Line 1, column 201, selected 0" End
press ctrl+w
await_ini Wrap 1
wrapped_at=$(first_row_end)
[ "$wrapped_at" -lt 201 ] || fail "End went to column $wrapped_at with word wrap on"

step "line numbers and control characters from the View menu, a larger font from the font dialog"
press alt+v l
await_ini LineNumbers 1
press alt+v c
await_ini ControlChars 1
dialog_after "Font" alt+v f
type_text "DejaVu Sans Mono"
press alt+s
type_text "16"
close_dialog Return
await_ini Name "DejaVu Sans Mono"
font_wrapped_at=$(first_row_end)
[ "$font_wrapped_at" -lt "$wrapped_at" ] || fail "a row of the larger font ends at column $font_wrapped_at"

step "Slovak from Options > Language"
press alt+o l Down Down Return
await_status_match "Riadok 1, " >/dev/null
await_ini Language 10002
quit

# What start-up must find again: every option, checked by what it does.
check_restored() {
    local line_word=$1
    open_file "$document"
    await_status_match "$line_word 2, [^ ]+ 1, [^ ]+ 202$" >/dev/null  # the gutter selected the line
    [ "$(first_row_end)" = "$font_wrapped_at" ] || fail "the first row does not end at column $font_wrapped_at"
    press ctrl+End Up Home End
    await_status_match "($line_word 2, [^ ]+ 8|$line_word 3, [^ ]+ 1), " >/dev/null
}

step "start again: all of it is back, in Slovak; English again from Možnosti > Jazyk"
check_restored Riadok
screenshot restored
press alt+m j Down Return
await_status_match "Line [0-9]+, column " >/dev/null
await_ini Language 10001
quit

step "start again: in English, the rest unchanged"
check_restored Line
quit
