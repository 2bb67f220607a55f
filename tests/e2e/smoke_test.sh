#!/usr/bin/env bash
# End-to-end smoke test of the built editor: it runs in an X server of its own
# and is driven with real mouse events, the way a user works with it:
#   pick the font file in the file list, Load it as a Hindi font, light one
#   dark cell and darken one lit cell of glyph 0, ">>" (which stores glyph 0),
#   Save, Make HEX File; then darken one cell of glyph 1 and Quit: the question
#   about the unsaved change must come, and Escape keeps the window open; undo
#   the change and close the window as a window manager does.
# The saved font file must be the generated one with exactly those two
# bits of glyph 0 changed, the HEX file must hold the same bytes at the
# Hindi glyph addresses, and the editor must end with status 0 when its
# window is closed (in the sanitizer build, also without a leak).
#
# Usage: smoke_test.sh PATH_OF_THE_EDITOR PATH_OF_LEDFONT_CLOSE_WINDOW
# Exit codes: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool, objcopy or ImageMagick).

set -u

readonly kSkip=77
readonly kCaption="Ostrel Font Designer"
readonly kWaitSeconds=10

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() { echo "e2e: $*"; }

[ $# -eq 2 ] || fail "usage: $0 PATH_OF_THE_EDITOR PATH_OF_LEDFONT_CLOSE_WINDOW"
program=$1
close_window=$2
[ -x "$program" ] || fail "the editor '$program' is not an executable file"
[ -x "$close_window" ] || fail "'$close_window' is not an executable file"

for tool in Xvfb xdotool objcopy import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit $kSkip
    fi
done

# ---------------------------------------------------------------------------
# Clean-up on every way out: the editor, the X server and the temp folder.

tmp=$(mktemp -d "${TMPDIR:-/tmp}/ledfont-e2e.XXXXXX") || fail "cannot make a temp folder"
xvfb_pid=""
editor_pid=""

stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

clean_up() {
    stop_process "$editor_pid"
    stop_process "$xvfb_pid"
    rm -rf "$tmp"
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP

fonts="$tmp/fonts"        # the editor's working folder: the font file only
mkdir -p "$fonts" "$tmp/runtime" "$tmp/state" || fail "cannot fill the temp folder"
chmod 700 "$tmp/runtime"

# ---------------------------------------------------------------------------
# Test data. Glyph c of the Hindi font: column count 3 + (c + 5) mod 14,
# class (c + 1) mod 3, centre column 1 + (c + 4) mod 15, and bitmap byte k
# (k = 2..33) = (7c + 13k) mod 256. Every value is one the window can show,
# so storing a glyph unchanged gives its record back; glyph 0 is column
# count 8, "Vowel", centre 5, which is not what the window shows at start-up.
#
# The two edits of glyph 0, as (column, row) of the cell. Cell (x, y) is bit
# (y mod 8) of record byte 2 + 2x + (y div 8); a 0 bit is a lit LED.
readonly light_x=7 light_y=10   # dark in glyph 0; the left button lights it
readonly darken_x=3 darken_y=4  # lit in glyph 0; the right button darkens it

# Prints the 4352 byte values of the font, one per line, with the two edits
# of glyph 0 applied when edited=1. Fails when a cell is not in the state
# that its edit needs, so a change of the pattern cannot make an edit a no-op.
font_values() {
    awk -v edited="$1" -v lx=$light_x -v ly=$light_y -v dx=$darken_x -v dy=$darken_y '
        function bit_of(v, b) { return int(v / 2 ^ b) % 2 }
        BEGIN {
            light_k = 2 + 2 * lx + int(ly / 8); light_b = ly % 8
            dark_k = 2 + 2 * dx + int(dy / 8); dark_b = dy % 8
            for (c = 0; c < 128; c++) {
                for (k = 0; k < 34; k++) {
                    if (k == 0) v = 3 + (c + 5) % 14
                    else if (k == 1) v = 16 * ((c + 1) % 3) + 1 + (c + 4) % 15
                    else v = (7 * c + 13 * k) % 256
                    if (c == 0 && k == light_k) {
                        if (bit_of(v, light_b) != 1) { print "cell to light is not dark" > "/dev/stderr"; exit 2 }
                        if (edited) v -= 2 ^ light_b
                    }
                    if (c == 0 && k == dark_k) {
                        if (bit_of(v, dark_b) != 0) { print "cell to darken is not lit" > "/dev/stderr"; exit 2 }
                        if (edited) v += 2 ^ dark_b
                    }
                    print v
                }
            }
        }'
}

# Font text file: one decimal value per line, every line ended by CR LF.
to_font_file() { awk '{ printf "%d\r\n", $1 }'; }

# The bytes themselves, through printf's octal escapes (no xxd needed).
to_binary() { printf '%b' "$(awk '{ printf "\\0%03o", $1 }')"; }

font="$fonts/hindi.txt"
hex="${font:0:${#font}-3}hex"
original="$tmp/original.txt"
expected="$tmp/expected.txt"
expected_bin="$tmp/expected.bin"

font_values 0 >"$tmp/original.values" || fail "test data: the original font"
font_values 1 >"$tmp/expected.values" || fail "test data: the expected font"
to_font_file <"$tmp/original.values" >"$original"
to_font_file <"$tmp/expected.values" >"$expected"
to_binary <"$tmp/expected.values" >"$expected_bin"
cp "$original" "$font"
[ "$(wc -l <"$font")" -eq 4352 ] || fail "test data: the font file does not have 4352 lines"
[ "$(stat -c %s "$expected_bin")" -eq 4352 ] || fail "test data: the expected image is not 4352 bytes"
cmp -s "$original" "$expected" && fail "test data: the edits do not change the font"

# ---------------------------------------------------------------------------
# An X server of our own on the first free display from :90 to :99.

x_answers() { DISPLAY=":$1" xdotool getmouselocation >/dev/null 2>&1; }

display=""
for n in 90 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -noreset -nolisten tcp -screen 0 1280x800x24 >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        kill -0 "$xvfb_pid" 2>/dev/null || break  # lost the display to someone else
        if x_answers "$n"; then
            display=$n
            break
        fi
        sleep 0.1
    done
    [ -n "$display" ] && break
    stop_process "$xvfb_pid"
    xvfb_pid=""
done
[ -n "$display" ] || fail "no free X display in :90..:99 (or Xvfb does not start: $(cat "$tmp/xvfb.log"))"
export DISPLAY=":$display"
note "Xvfb on $DISPLAY"

# ---------------------------------------------------------------------------
# The editor, started in the font folder, so its file list shows the font.

(
    cd "$fonts" || exit 1
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" XDG_STATE_HOME="$tmp/state"
    unset DBUS_SESSION_BUS_ADDRESS  # no session bus, as in CI
    exec "$program"
) >"$tmp/editor.log" 2>&1 &
editor_pid=$!

editor_log() { sed 's/^/  editor: /' "$tmp/editor.log" >&2; }

wid=$(timeout $kWaitSeconds xdotool search --sync --onlyvisible --name "$kCaption" 2>/dev/null | head -n 1)
if [ -z "$wid" ]; then
    editor_log
    fail "no window captioned '$kCaption' within ${kWaitSeconds}s"
fi
note "window $wid"

# Any box titled "...Error..." is a failure: name it, close it, stop.
check_no_error_box() {
    local box
    box=$(xdotool search --onlyvisible --name "Error" 2>/dev/null | head -n 1)
    [ -z "$box" ] && return 0
    local title
    title=$(xdotool getwindowname "$box" 2>/dev/null)
    timeout 3 xdotool windowfocus --sync "$box" key Return >/dev/null 2>&1
    fail "$1: an error box appeared, titled '$title'"
}

check_editor_alive() {
    kill -0 "$editor_pid" 2>/dev/null && return 0
    editor_log
    fail "$1: the editor is no longer running"
}

# Polls until the command in "$@" succeeds; an error box, the editor's end or
# the time limit ends the wait with a failure named after the step.
wait_for() {
    local step=$1
    shift
    local deadline=$((SECONDS + kWaitSeconds))
    until "$@"; do
        check_no_error_box "$step"
        check_editor_alive "$step"
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
    return 0
}

# Positions in the window, from the layout in twips (15 twips to a pixel);
# a control's place is measured from its container's top-left.
px() { echo $((($1 + 7) / 15)); }

# The layout stands below the menu bar. Where exactly, the window itself
# shows: the first pure blue pixel is the canvas grid's top-left corner.
find_layout() {
    local shot="$tmp/shot.png" corner
    import -window "$wid" "$shot" 2>/dev/null || return 1
    corner=$(/usr/bin/convert "$shot" txt:- 2>/dev/null | grep -m 1 '#0000FF' | cut -d: -f1)
    [ -n "$corner" ] || return 1
    layout_x=$((${corner%,*} - $(px 120) - $(px 120) - $(px 240) - 2))
    layout_y=$((${corner#*,} - $(px 120) - $(px 240) - $(px 360) - 2))
}
wait_for "find the canvas on the screen" find_layout || fail "no canvas grid in a screenshot of the window"
note "layout at $layout_x,$layout_y in the window"

frame1_x=$((layout_x + $(px 120))) frame1_y=$((layout_y + $(px 120)))
frame2_x=$((frame1_x + $(px 120))) frame2_y=$((frame1_y + $(px 240)))
frame3_x=$((layout_x + $(px 6960))) frame3_y=$((layout_y + $(px 120)))

# The middle of a control at (left, top, width, height) twips in a container at (x, y) pixels.
centre_of() { echo "$(($5 + $(px "$1") + $(px "$3") / 2)) $(($6 + $(px "$2") + $(px "$4") / 2))"; }

read -r load_x load_y < <(centre_of 120 1200 1095 375 "$frame3_x" "$frame3_y")
read -r save_x save_y < <(centre_of 120 720 1095 375 "$frame3_x" "$frame3_y")
read -r next_x next_y < <(centre_of 5760 720 735 495 "$frame1_x" "$frame1_y")
read -r hex_x hex_y < <(centre_of 6960 3000 1575 495 "$layout_x" "$layout_y")
# The first row of the file list, well inside its text.
file_x=$((frame3_x + $(px 5160) + 40))
file_y=$((frame3_y + $(px 240) + 9))
# Canvas unit 0 lies just inside the picture box's 2-pixel sunken border, one
# pixel per unit; a cell is sampled at its middle, 5 units in.
canvas_x=$((frame2_x + $(px 240) + 2))
canvas_y=$((frame2_y + $(px 360) + 2))
cell_x() { echo $((canvas_x + 10 * $1 + 5)); }
cell_y() { echo $((canvas_y + 10 * $1 + 5)); }

# One click at (x, y) in the window. No --sync on mousemove: it hangs when the
# pointer already stands at the target.
click_at() {
    local step=$1 x=$2 y=$3 button=$4
    check_editor_alive "$step"
    xdotool mousemove --window "$wid" "$x" "$y" || fail "$step: xdotool mousemove failed"
    sleep 0.1
    xdotool click "$button" || fail "$step: xdotool click failed"
    sleep 0.2
    check_no_error_box "$step"
}

click_at "choose hindi.txt in the file list" "$file_x" "$file_y" 1
click_at "Load" "$load_x" "$load_y" 1
click_at "light cell ($light_x, $light_y)" "$(cell_x $light_x)" "$(cell_y $light_y)" 1
click_at "darken cell ($darken_x, $darken_y)" "$(cell_x $darken_x)" "$(cell_y $darken_y)" 3
click_at "\">>\"" "$next_x" "$next_y" 1
click_at "Save" "$save_x" "$save_y" 1

# ---------------------------------------------------------------------------
# The saved font file.

# Prints up to five differing lines as glyph/byte: got vs wanted.
describe_font_difference() {
    awk 'NR == FNR { want[FNR] = $1 + 0; next }
         FNR > 4352 { print "  extra line " FNR; exit }
         ($1 + 0) != want[FNR] && shown < 5 {
             printf "  line %d (glyph %d, byte %d): got %s, wanted %d\n",
                    FNR, int((FNR - 1) / 34), (FNR - 1) % 34, $1 + 0, want[FNR]
             shown++
         }' "$expected" "$1" >&2
    echo "  cmp: $(cmp "$expected" "$1" 2>&1)" >&2
}

font_changed() { ! cmp -s "$original" "$font"; }
size_settled() {
    local before
    before=$(stat -c %s "$1" 2>/dev/null)
    sleep 0.2
    [ -n "$before" ] && [ "$before" = "$(stat -c %s "$1" 2>/dev/null)" ]
}

if ! wait_for "Save" font_changed; then
    describe_font_difference "$font"
    fail "Save: the font file is unchanged after ${kWaitSeconds}s (the painted glyph never reached it)"
fi
wait_for "Save" size_settled "$font" || fail "Save: the font file keeps changing"
if ! cmp -s "$expected" "$font"; then
    describe_font_difference "$font"
    fail "Save: the font file is not the loaded font with the two cells of glyph 0 changed"
fi
note "saved font file matches"

# ---------------------------------------------------------------------------
# The HEX file beside it.

click_at "Make HEX File" "$hex_x" "$hex_y" 1

hex_complete() { [ -f "$hex" ] && [ "$(tail -c 13 "$hex")" = $':00000001FF\r' ]; }
wait_for "Make HEX File" hex_complete || fail "Make HEX File: no complete $(basename "$hex") (ending with the end record and CR LF) after ${kWaitSeconds}s"
wait_for "Make HEX File" size_settled "$hex" || fail "Make HEX File: the HEX file keeps changing"

lines=$(wc -l <"$hex")
[ "$lines" -eq 273 ] || fail "HEX file: $lines lines, wanted 273 (272 data records and the end record)"
crs=$(grep -c $'\r$' "$hex")
[ "$crs" -eq 273 ] || fail "HEX file: $crs of its 273 lines end with CR LF; every line must"
[ "$(head -n 1 "$hex" | cut -c 1-9)" = ":10900000" ] || fail "HEX file: the first record is not at 9000: $(head -n 1 "$hex")"
[ "$(sed -n 272p "$hex" | cut -c 1-9)" = ":10A0F000" ] || fail "HEX file: the last data record is not at A0F0: $(sed -n 272p "$hex")"

# objcopy checks every checksum and lays the records out from the lowest address.
if ! objcopy -I ihex -O binary "$hex" "$tmp/hex.bin" 2>"$tmp/objcopy.log"; then
    cat "$tmp/objcopy.log" >&2
    fail "HEX file: objcopy cannot read it as Intel HEX"
fi
if ! cmp -s "$expected_bin" "$tmp/hex.bin"; then
    echo "  size $(stat -c %s "$tmp/hex.bin"), wanted 4352; cmp: $(cmp "$expected_bin" "$tmp/hex.bin" 2>&1)" >&2
    fail "HEX file: its bytes are not those of the saved font"
fi
note "HEX file matches"

# ---------------------------------------------------------------------------
# An unsaved change, then Quit: the question comes, and Escape cancels the close.

click_at "darken cell (0, 15) of glyph 1, which is lit" "$(cell_x 0)" "$(cell_y 15)" 3
timeout 3 xdotool windowfocus --sync "$wid" key ctrl+q || fail "Quit: xdotool key failed"
question_shown() { xdotool search --onlyvisible --name "Unsaved Changes" >/dev/null 2>&1; }
wait_for "Quit with an unsaved change" question_shown || fail "Quit: no question about the unsaved change"
box=$(xdotool search --onlyvisible --name "Unsaved Changes" | head -n 1)
timeout 3 xdotool windowfocus --sync "$box" key Escape >/dev/null 2>&1
question_gone() { ! question_shown; }
wait_for "Cancel the question" question_gone || fail "Quit: the question stays after Escape"
sleep 0.3
check_editor_alive "Cancel the question"
cmp -s "$expected" "$font" || fail "Quit: cancelling the close wrote the font file"
note "close asks about the unsaved change and Cancel keeps the window"

check_no_error_box "the end"
check_editor_alive "the end"

# ---------------------------------------------------------------------------
# Undo the change, so nothing is unsaved, and close the window as a window
# manager closes it: the editor ends by itself, without a question, status 0.

timeout 3 xdotool windowfocus --sync "$wid" key ctrl+z || fail "Undo: xdotool key failed"
sleep 0.3
"$close_window" "$wid" || fail "close: cannot send the window its close message"
for _ in $(seq 100); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$editor_pid" 2>/dev/null && fail "close: the editor still runs 10 s after its window was closed"
wait "$editor_pid"
status=$?
editor_pid=""
if [ "$status" -ne 0 ]; then
    editor_log
    fail "close: the editor ended with status $status"
fi
note "closed, status 0"
echo "PASS: load, paint, step, save, HEX export, the question before a close, undo and close through the window"
