#!/usr/bin/env bash
# Files opened in one session wait in the File menu of the next; printed on
# the PDF printer through the system's dialogs, the PDF reads, as pdftotext
# lays it out, like the document: tab stops every 8 characters from each
# row's left edge, a NUL byte as wide as any character, 80 characters to a
# row at 10 points, 60 rows to a page, one copy after the other.

# Alone, without the test run's print queue, the journey starts its own.
if [ -z "${VELMO_PDF_DIR:-}" ]; then
    source "$(dirname "$0")/../../scripts/print-queue.sh"
    start_print_queue
    journey_cleanup() { stop_print_queue; }
fi
source "$(dirname "$0")/journey.sh"

letter="$folder/letter.txt"
# A PDF is named after its document's path, cut after 64 characters.
job=$(basename "$folder")
{
    printf 'Go\tthere & back\r\nNUL\0inside\r\n\r\n'
    seq 0 30 | awk '{ printf "word%d%s", $1, $1 == 30 ? "\r\n" : $1 % 7 == 6 ? "\t" : " " }'
    seq -f $'Line %g\r' 60
} >"$letter"
printf 'Noted and printed\r\n' >"$folder/notes.txt"
: >"$folder/empty.txt"

# print_file NAME LAYOUT LEFT_MM POINTS KEY...: the file opened and the print
# dialog closed with the keys; with a LAYOUT, its PDF, once written to its end
# (%%EOF), reads as pdftotext -layout lays it out (a printf format), and its
# first word starts LEFT_MM from the paper's left edge, inside the 25 mm top
# margin, POINTS high.
print_file() {
    open_in_dialog "$1"
    dialog_after "Print" ctrl+p
    close_dialog "${@:5}"
    [ -n "$2" ] || return 0
    local pdf="" box
    for _ in $(seq 600); do
        pdf=$(find "$VELMO_PDF_DIR" -name "*${job}_$1*.pdf")
        [ -n "$pdf" ] && [ "$(tail -c 16 "$pdf" | tr -d '\r\n ' | tail -c 5)" = "%%EOF" ] && break
        sleep 0.1
    done
    pdftotext -layout "$pdf" "$folder/$1.layout" || fail "no PDF of $1"
    expect_file "$folder/$1.layout" "$2"
    box=$(pdftotext -bbox -f 1 -l 1 "$pdf" - | tr '"' ' ' | awk -v left="$3" -v points="$4" '/<word / && !words++ {
        x = $3 - left * 72 / 25.4
        y = $5 - 25 * 72 / 25.4
        h = $9 - $5 - points
        print (x * x > 0.09 || y < -0.3 || y >= 10 || h * h > 1 ? $0 : "in place")
    }')
    [ "$box" = "in place" ] || fail "the first word of $1 is elsewhere: $box"
    rm -f "$pdf"
}

step "open a file from the command line, then another with the open dialog"
open_file "$letter"
open_in_dialog notes.txt
await_ini MruCount 2
quit

step "start again with no file: the File menu offers both, the letter second"
start_program
await_title "Velmo 2 - Untitled"
press alt+f
screenshot recent-files
press 1
await_title "Velmo 2 - letter.txt"

step "print: a cancelled dialog, an empty document, two copies of the letter"
print_file notes.txt "" 0 0 Escape
print_file empty.txt "" 0 0 Return
page="Go      there & back\nNUL inside\n\n"
page+="word0 word1 word2 word3 word4 word5 word6       word7 word8 word9 word10 word11\n"
page+="word12 word13   word14 word15 word16 word17 word18 word19 word20        word21\n"
page+="word22 word23 word24 word25 word26 word27       word28 word29 word30\n"
page+="$(seq -f 'Line %g' 54)\n\f$(seq -f 'Line %g' 55 60)\n\f"
print_file letter.txt "$page$page" 20 10 alt+c 2 Return
# Jobs arrive in order: the letter's PDF came, theirs never will.
[ -z "$(find "$VELMO_PDF_DIR" -name "*${job}_notes.txt*" -o -name "*${job}_empty.txt*")" ] || fail "a job for no print"

step "a left margin of 35 mm from Page Setup, then 12 points from the font dialog"
dialog_after "Setup Page" alt+f u
press alt+e
type_text 35
close_dialog Return
print_file notes.txt 'Noted and printed\n\f' 35 10 Return
dialog_after "Font" alt+v f
type_text "DejaVu Sans Mono"
press alt+s
type_text 12
close_dialog Return
print_file notes.txt 'Noted and printed\n\f' 35 12 Return
quit

step "with the print service out of reach, Print and Page Setup say there is no printer, and show no dialog"
CUPS_SERVER=/nonexistent/velmo-no-cups.sock start_program
no_printer="No printer is available. Install a printer or start the print service, then try again."
press ctrl+p
await_dialog "Error" "$no_printer"
close_dialog Return
press alt+f u
await_dialog "Error" "$no_printer"
close_dialog Return
quit
