# Sourced by every journey: a user's copy of the program (of the distribution
# folder JOURNEY_DIST, or the one in JOURNEY_PROGRAM_FOLDER), the user's hands
# (X input events through xdotool) and eyes (JOURNEY_PROBE reads what the
# windows show; pictures go to JOURNEY_ARTEFACTS). Alone, outside
# scripts/test.sh, a journey starts its own display and wineserver.
set -euo pipefail
: "${JOURNEY_PROBE:?}" "${JOURNEY_ARTEFACTS:?}"
# What the windows show is in the system's code page: compare bytes.
export LC_ALL=C
journey=$(basename "$0" .sh)
journey_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
wait_ms=10000
# The user's program folder: Velmo.ini is written beside Velmo.exe.
folder=${JOURNEY_PROGRAM_FOLDER:-$(mktemp -d "/tmp/$journey.XXXXXX")}
[ -n "${JOURNEY_PROGRAM_FOLDER:-}" ] || cp -r "${JOURNEY_DIST:?}/." "$folder/"
mkdir -p "$JOURNEY_ARTEFACTS"
log="$JOURNEY_ARTEFACTS/$journey.log"
: >"$log"
if [ -z "${DISPLAY:-}" ]; then
    source "$journey_root/scripts/wine-session.sh"
    start_wine_session "${VELMO_BUILD_DIR:-$journey_root/build}"
    own_session=1
fi

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
step() { echo "-- $*"; }
# The Windows path of a Unix path (Wine's drive Z: is the Unix root).
windows_path() { echo "Z:${1//\//\\}"; }

probe() {
    local status=0
    # Output through a file: a Wine service started meanwhile could inherit
    # a pipe and hold it open.
    wine "$JOURNEY_PROBE" "$journey" "$@" >"$log.probe" 2>&1 </dev/null || status=$?
    cat "$log.probe"
    return $status
}

# await PATTERN [MS]: until a line of what is shown matches the regular
# expression (see probe/main.cpp); prints that line.
await() { probe wait "${2:-$wait_ms}" "$1" || fail "did not see: $1"; }
await_gone() { probe gone "$wait_ms" "$1" >/dev/null || fail "still see: $1"; }
# A literal text inside a pattern.
literal() { printf '%s' "$1" | sed 's/[][\.|$(){}?+*^]/\\&/g'; }
await_title() { await "^main [0-9]+ [-0-9,]+ [0-9x]+ $(literal "$1")\$" >/dev/null; }
# The first part of the status bar: line, column and selection length.
await_status() { await "^status [0-9]+ $(literal "$1")\$" >/dev/null; }
# await_status_match PATTERN: the first part of the status bar matches; prints it.
await_status_match() { await "^status [0-9]+ $1" | sed 's/^status [0-9]* //'; }
# await_dialog CAPTION [MESSAGE]: a dialog or message box is shown (with that message).
await_dialog() { await "^dialog [0-9]+ [-0-9,]+ [0-9x]+ $(literal "$1")\\|${2+$(literal "$2")\$}" >/dev/null; }

# Hands: keys go to the window that has the keyboard focus.
press() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }
click_at() { xdotool mousemove "$1" "$2" click 1; }
# status_after TEXT KEY...: the keys pressed, the status bar starts with TEXT.
status_after() {
    press "${@:2}"
    await_status "$1"
}
# dialog_after CAPTION KEY...: the keys pressed, the dialog is shown.
dialog_after() {
    press "${@:2}"
    await_dialog "$1"
}
close_dialog() {
    press "$@"
    await_gone '^dialog '
}
# quit [KEY]: the key (Ctrl+Q unless named) ends the program.
quit() {
    press "${1:-ctrl+q}"
    await_gone '^main '
}

# start_program [ARGUMENT...]: starts Velmo.exe from the program folder on
# the journey's own Wine desktop, waits for its window and status bar and
# clicks into its text.
start_program() {
    (cd "$folder" && exec wine explorer "/desktop=$journey,1024x768" Velmo.exe "$@") >>"$log" 2>&1 &
    # The first start in a new prefix sets the prefix up further: allow for it.
    await '^status [0-9]+ .' 60000 >/dev/null
    local geometry="" tries=50
    # A window that goes while xdotool looks at every window's name ends its
    # search with BadWindow: look again.
    until geometry=$(xdotool search --name "^$journey - Wine desktop\$" getwindowgeometry --shell 2>/dev/null); do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || fail "no Wine desktop window \"$journey\""
        sleep 0.2
    done
    eval "$geometry"
    desktop_x=$X desktop_y=$Y
    click_text
}

# open_file FILE: the program started on the file names it in its title.
open_file() {
    start_program "$(windows_path "$1")"
    await_title "Velmo 2 - $(basename "$1")"
}

# open_in_dialog NAME: the file of the program folder opened with Ctrl+O.
open_in_dialog() {
    dialog_after "Open" ctrl+o
    type_text "$1"
    press Return
    await_title "Velmo 2 - $1"
}

# click_text [PROCESS]: a click at the start of the first line of the text
# area (of that program's window); sets edit_x, edit_y (the text area's top
# left on the screen) and edit_w.
click_text() {
    local line place size
    line=$(await "^edit ${1:-}")
    read -r _ _ place size <<<"$line"
    edit_x=$((desktop_x + ${place%,*}))
    edit_y=$((desktop_y + ${place#*,}))
    edit_w=${size%x*}
    click_at $((edit_x + 2)) $((edit_y + 4))
}

screenshot() {
    import -window root -crop "1024x768+${desktop_x:-0}+${desktop_y:-0}" "$JOURNEY_ARTEFACTS/$journey-$1.png"
}

ini_value() { sed -n "s/^$1=//p" "$folder/Velmo.ini" 2>/dev/null | tr -d '\r'; }
# await_ini KEY VALUE: the settings file holds the value (options are written
# when they change).
await_ini() {
    for _ in $(seq 100); do
        [ "$(ini_value "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    fail "Velmo.ini: $1 is '$(ini_value "$1")', not '$2'"
}

# expect_file FILE FORMAT: the file holds exactly the bytes printf makes of
# FORMAT; the differences are shown byte by byte.
expect_file() {
    printf "$2" >"$folder/expected"
    diff <(od -c "$folder/expected") <(od -c "$1") >&2 || fail "$(basename "$1") differs from what was expected"
}

finish() {
    local status=$?
    if [ $status -ne 0 ]; then
        screenshot failed || true
        probe show >&2 || true
        wait_ms=0
    fi
    # What is still shown must not outlive the journey.
    probe gone "$wait_ms" '.' >/dev/null || wine taskkill /f /im Velmo.exe >/dev/null 2>&1 || true
    [ -z "${own_session:-}" ] || stop_wine_session
    if declare -F journey_cleanup >/dev/null; then journey_cleanup; fi
    [ -n "${JOURNEY_PROGRAM_FOLDER:-}" ] || rm -rf "$folder"
    exit $status
}
trap finish EXIT
