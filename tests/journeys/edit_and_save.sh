#!/usr/bin/env bash
# A file named on the command line is edited with the keyboard and the mouse
# and saved with the keyboard; its NUL byte, lone CR and bytes above 127 come
# back unchanged.
source "$(dirname "$0")/journey.sh"

document="$folder/journey.txt"
printf 'alpha beta\0gamma\r\ncaf\xe9 na\xefve \xa9 2024\r\nlone\rcarriage\r\nend' >"$document"

step "open the file from the command line"
start_program "$(windows_path "$document")"
await_title "Velmo 2 - journey.txt"
await_status "Line 1, column 1, selected 0|Lines: 4"
read_text_area
line1_y=$((edit_y + 4))

step "move with Home, End and Ctrl+arrows"
click_at $((edit_x + 1)) "$line1_y"
press End
await_status "Line 1, column 17, selected 0"
press Home ctrl+Right
await_status "Line 1, column 7, selected 0"
press ctrl+Right
await_status "Line 1, column 12, selected 0"  # the NUL byte ends "beta"
press Home Down Down End
await_status "Line 3, column 14, selected 0"  # the lone CR is one character
press ctrl+Left Left
await_status "Line 3, column 5, selected 0"
type_text "-"
await_title "* Velmo 2 - journey.txt"

step "select a word with Shift, cut it and paste it at the end of its line"
press Home Up shift+ctrl+Right
await_status "Line 2, column 6, selected 5"
press ctrl+x
await_status "Line 2, column 1, selected 0"
press End ctrl+v
await_status "Line 2, column 18, selected 5"
screenshot pasted
press ctrl+z
await_status "Line 2, column 13, selected 0"
press ctrl+y
await_status "Line 2, column 18, selected 5"

step "select the first line with a mouse drag, cut it, undo the cut"
drag $((edit_x + 1)) "$line1_y" $((edit_x + edit_w - 40)) "$line1_y"
await_status "Line 1, column 17, selected 16"
screenshot dragged
press ctrl+x
await_status "Line 1, column 1, selected 0|Lines: 4"
press ctrl+z
await_status "Line 1, column 17, selected 16"

step "paste the line at the end of the text, its NUL byte too"
press ctrl+End ctrl+v
await_status "Line 4, column 20, selected 16"

step "save with the keyboard"
press ctrl+s
await_title "Velmo 2 - journey.txt"
expected=$(mktemp)
printf 'alpha beta\0gamma\r\nna\xefve \xa9 2024caf\xe9 \r\nlone-\rcarriage\r\nendalpha beta\0gamma' >"$expected"
expect_bytes "$document" "$expected"
rm -f "$expected"

step "quit: nothing left to save"
press ctrl+q
await_gone '^main '
