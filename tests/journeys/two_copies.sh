#!/usr/bin/env bash
# A second copy started from the first opens 30 pixels up and left of it;
# both are closed with unsaved changes, and each asks: the untitled copy is
# saved under a new name, the first copy's changes are thrown away.
source "$(dirname "$0")/journey.sh"

first="$folder/first.txt"
second="$folder/second.txt"
printf 'first\r\n' >"$first"

# The process of the main window whose line matches PATTERN.
program_of() { await "^main [0-9]+ $1" | cut -d' ' -f2; }

step "the first copy, on a file, with a change"
start_program "$(windows_path "$first")"
one=$(program_of "120,100 850x531 Velmo 2 - first\\.txt$")
press ctrl+End
type_text "changed"
await_title "* Velmo 2 - first.txt"

step "File > New Window starts a second copy, shifted by 30 pixels"
press ctrl+shift+n
two=$(program_of "90,70 850x531 Velmo 2 - Untitled$")
[ "$two" != "$one" ] || fail "no second copy"
click_text "$two"
type_text "second copy"
await_title "* Velmo 2 - Untitled"
screenshot both

step "close the second copy with its close box (at the right end of the caption): save it under a new name"
click_at $((desktop_x + 90 + 850 - 13)) $((desktop_y + 70 + 12))
await_dialog "Velmo 2" "Do you want to save the changes to Untitled?"
dialog_after "Save As" y
type_text "$(windows_path "$second")"
press Return
await_gone "^main $two "
expect_file "$second" 'second copy'

step "close the first copy with Alt+F4: do not save"
click_text "$one"
press alt+F4
await_dialog "Velmo 2" "Do you want to save the changes to $(windows_path "$first")?"
quit n
expect_file "$first" 'first\r\n'
