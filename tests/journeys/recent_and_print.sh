#!/usr/bin/env bash
# Files opened in one session wait in the File menu of the next: the one
# before last opens by its digit, and goes to the PDF printer.

# Alone, without the test run's print queue, the journey starts its own.
if [ -z "${VELMO_PDF_DIR:-}" ]; then
    source "$(dirname "$0")/../../scripts/print-queue.sh"
    start_print_queue
    journey_cleanup() { stop_print_queue; }
fi
source "$(dirname "$0")/journey.sh"

letter="$folder/letter.txt"
notes="$folder/notes.txt"
# The last line tells this journey's PDF from any other in the printer's folder.
token=$(basename "$folder")
printf 'Dear reader,\r\nthis letter was printed.\r\n%s\r\n' "$token" >"$letter"
printf 'notes\r\n' >"$notes"

step "open a file from the command line, then another with the open dialog"
open_file "$letter"
dialog_after "Open" ctrl+o
type_text "$(windows_path "$notes")"
press Return
await_title "Velmo 2 - notes.txt"
await_ini MruCount 2
quit

step "start again with no file: the File menu offers both, the letter second"
start_program
await_title "Velmo 2 - Untitled"
press alt+f
screenshot recent-files
press 1
await_title "Velmo 2 - letter.txt"
await_ini MRU0 "$(windows_path "$letter")"
await_ini MRU1 "$(windows_path "$notes")"

step "print it on the PDF printer: a PDF written to its end (%%EOF) holds the letter"
touch "$folder/before-printing"
dialog_after "Print" ctrl+p
close_dialog Return
text=""
for _ in $(seq 600); do
    while IFS= read -r pdf; do
        [ "$(tail -c 16 "$pdf" | tr -d '\r\n ' | tail -c 5)" = "%%EOF" ] || continue
        grep -qF "$token" <(pdftotext "$pdf" - 2>/dev/null) || continue
        text=$(pdftotext -layout "$pdf" -)
        rm -f "$pdf"
        break 2
    done < <(find "$VELMO_PDF_DIR" -name '*.pdf' -newer "$folder/before-printing")
    sleep 0.1
done
grep -q "Dear reader," <<<"$text" && grep -q "this letter was printed\." <<<"$text" || fail "the PDF reads: $text"
quit
