#!/usr/bin/env bash
# Find and replace through the system's dialogs: find, find again with F3,
# replace one match, replace all, undo the replace-all in one step, save.
# The NUL byte in the text survives the undo of the replace-all.
source "$(dirname "$0")/journey.sh"

document="$folder/pets.txt"
printf 'The cat and the hat.\r\nthe\0cat\r\nCat, cat, cat!\r\n' >"$document"

step "find \"cat\" with the Find dialog, twice, then with F3"
start_program "$(windows_path "$document")"
await_title "Velmo 2 - pets.txt"
read_text_area
click_at $((edit_x + 1)) $((edit_y + 4))
await_status "Line 1, column 1, selected 0"
press ctrl+f
await_dialog "Find"
type_text "cat"
press Return
await_status "Line 1, column 8, selected 3"
press Return
await_status "Line 2, column 8, selected 3"
press Escape
await_gone '^dialog '
press F3
await_status "Line 3, column 9, selected 3"  # match case passes over "Cat"

step "replace this match with \"dog\", then all the others"
press ctrl+h
await_dialog "Replace"
press alt+p
type_text "dog"
press alt+r
await_status "Line 3, column 14, selected 3"  # the next match is selected
press alt+a
await_dialog "Velmo 2" "Replaced 3 times."
screenshot replaced-all
press Return
await_gone '^dialog [0-9]+ [^ ]+ [^ ]+ Velmo 2\|'
press Escape
await_gone '^dialog '

step "undo the replace-all, save"
press ctrl+z ctrl+s
await_title "Velmo 2 - pets.txt"
printf 'The cat and the hat.\r\nthe\0cat\r\nCat, dog, cat!\r\n' >"$folder/expected.txt"
expect_bytes "$document" "$folder/expected.txt"

step "quit: the search texts are kept for the next start"
press ctrl+q
await_gone '^main '
await_ini FindString cat
await_ini ReplaceString dog
