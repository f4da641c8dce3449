#!/usr/bin/env bash
# Find and replace through the system's dialogs: find, find again with F3,
# replace one match, replace all, undo the replace-all in one step, save.
# The NUL byte in the text survives the undo of the replace-all.
source "$(dirname "$0")/journey.sh"

document="$folder/pets.txt"
printf 'The cat and the hat.\r\nthe\0cat\r\nCat, cat, cat!\r\n' >"$document"

step "find \"cat\" with the Find dialog, twice, then with F3"
open_file "$document"
await_status "Line 1, column 1, selected 0"
dialog_after "Find" ctrl+f
type_text "cat"
status_after "Line 1, column 8, selected 3" Return
status_after "Line 2, column 8, selected 3" Return
close_dialog Escape
status_after "Line 3, column 9, selected 3" F3  # match case passes over "Cat"

step "replace this match with \"dog\", then all the others"
dialog_after "Replace" ctrl+h
press alt+p
type_text "dog"
status_after "Line 3, column 14, selected 3" alt+r  # the next match is selected
press alt+a
await_dialog "Velmo 2" "Replaced 3 times."
screenshot replaced-all
press Return
await_gone '^dialog [0-9]+ [^ ]+ [^ ]+ Velmo 2\|'
close_dialog Escape

step "undo the replace-all, save; quit: the search texts are kept for the next start"
press ctrl+z ctrl+s
await_title "Velmo 2 - pets.txt"
expect_file "$document" 'The cat and the hat.\r\nthe\0cat\r\nCat, dog, cat!\r\n'
quit
await_ini FindString cat
await_ini ReplaceString dog
