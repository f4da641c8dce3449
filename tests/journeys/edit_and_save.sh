#!/usr/bin/env bash
# A file named on the command line is edited with the keyboard and the mouse
# and saved with the keyboard; its NUL byte, lone CR and bytes above 127 come
# back unchanged. Then find and replace through the system's dialogs in
# another file: find, find again with F3, replace one match, replace all
# ignoring case, undo the replace-all in one step (its NUL byte survives), save.
source "$(dirname "$0")/journey.sh"

document="$folder/journey.txt"
printf 'alpha beta\0gamma\r\ncaf\xe9 na\xefve \xa9 2024\r\nlone\rcarriage\r\nend' >"$document"
cats=$(printf 'cat %.0s' $(seq 1000))
printf 'The cat and the hat.\r\nthe\0cat\r\nCat, cat, cat!\r\n%s' "$cats" >"$folder/pets.txt"

step "open the file from the command line, move with Home, End and Ctrl+arrows"
open_file "$document"
await_status "Line 1, column 1, selected 0"
status_after "Line 1, column 17, selected 0" End
status_after "Line 1, column 7, selected 0" Home ctrl+Right
status_after "Line 1, column 12, selected 0" ctrl+Right  # the NUL byte ends "beta"
status_after "Line 3, column 14, selected 0" Home Down Down End  # the lone CR is one character
status_after "Line 3, column 5, selected 0" ctrl+Left Left
type_text "-"
await_title "* Velmo 2 - journey.txt"

step "select a word with Shift, cut it and paste it at the end of its line"
status_after "Line 2, column 6, selected 5" Home Up shift+ctrl+Right
status_after "Line 2, column 1, selected 0" ctrl+x
status_after "Line 2, column 18, selected 5" End ctrl+v
screenshot pasted
status_after "Line 2, column 13, selected 0" ctrl+z
status_after "Line 2, column 18, selected 5" ctrl+y

step "select the first line with a mouse drag, cut it, undo the cut"
xdotool mousemove $((edit_x + 2)) $((edit_y + 4)) mousedown 1 mousemove $((edit_x + edit_w / 2)) $((edit_y + 4)) \
    mousemove $((edit_x + edit_w - 40)) $((edit_y + 4)) mouseup 1
await_status "Line 1, column 17, selected 16"
status_after "Line 1, column 1, selected 0" ctrl+x
status_after "Line 1, column 17, selected 16" ctrl+z

step "paste the line at the end of the text, its NUL byte too; save with the keyboard"
status_after "Line 4, column 20, selected 16" ctrl+End ctrl+v
press ctrl+s
await_title "Velmo 2 - journey.txt"
expect_file "$document" 'alpha beta\0gamma\r\nna\xefve \xa9 2024caf\xe9 \r\nlone-\rcarriage\r\nendalpha beta\0gamma'

step "open another file with Ctrl+O (nothing left to save); find \"cat\" with the Find dialog, twice, then F3"
open_in_dialog pets.txt
dialog_after "Find" ctrl+f
type_text "cat"
status_after "Line 1, column 8, selected 3" Return
status_after "Line 2, column 8, selected 3" Return
close_dialog Escape
status_after "Line 3, column 9, selected 3" F3  # match case passes over "Cat"

step "replace this match with \"dog\", then all the others, whatever their case (the count is grouped)"
dialog_after "Replace" ctrl+h
press alt+p
type_text "dog"
status_after "Line 3, column 14, selected 3" alt+r  # the next match is selected
press alt+c alt+a  # Match Case off
await_dialog "Velmo 2" "Replaced 1 004 times."
screenshot replaced-all
press Return
await_gone '^dialog [0-9]+ [^ ]+ [^ ]+ Velmo 2\|'
close_dialog Escape

step "undo the replace-all, save; quit: the search texts are kept for the next start"
press ctrl+z ctrl+s
await_title "Velmo 2 - pets.txt"
expect_file "$folder/pets.txt" "The cat and the hat.\r\nthe\0cat\r\nCat, dog, cat!\r\n$cats"
quit
await_ini FindCase 0
await_ini FindString cat
await_ini ReplaceString dog
