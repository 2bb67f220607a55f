#!/bin/sh
# Takes the README's pictures of the editor under Xvfb: the window with
# its panels closed (docs/window.png), glyph 0915 of the sample font on the canvas
# (docs/editing.png), and a word being fixed with both panels open, at 1x and
# 2x scale (docs/panels.png, docs/panels-2x.png). It drives the window as a
# user would, with xdotool, in a folder that holds the two sample fonts.
#
#     scripts/screenshots.sh BUILD_DIR [DISPLAY_NUMBER]
#
# Needs Xvfb, xdotool and ImageMagick (Debian's xvfb, xdotool, imagemagick).
set -eu

build=$(cd "$1" && pwd)
display=:${2:-47}
here=$(cd "$(dirname "$0")/.." && pwd)
work=/tmp/ledfont-screenshots  # a name that reads well in the folder list
fonts=$work/fonts
editor= xvfb=
trap 'kill $editor $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

rm -rf "$work"
mkdir -p "$fonts"
cp "$here/docs/sample-hindi.txt" "$here/docs/sample-jukta.txt" "$fonts/"
Xvfb "$display" -screen 0 3000x1200x24 -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
sleep 1

# The editor's window, once it is mapped; pauses let it paint.
start_editor() {
    rm -rf "$XDG_STATE_HOME"  # no journal of the run before is offered
    (cd "$fonts" && exec "$build/app/ledfont-designer") >/dev/null 2>&1 &
    editor=$!
    window=
    for _ in $(seq 50); do
        window=$(xdotool search --name "Ostrel Font Designer" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    sleep 1
    xdotool windowfocus --sync "$window"
}
stop_editor() { kill "$editor"; wait "$editor" 2>/dev/null || true; }
# Coordinates in the window at scale 1, multiplied by the scale.
at() { echo $(($1 * scale)) $(($2 * scale)); }
click() { xdotool mousemove $(at "$1" "$2") click 1; sleep 0.4; }
shoot() {
    sleep 1
    import -window "$window" "$work/shot.png"
    /usr/bin/convert "$work/shot.png" "$here/docs/$1"
}
# Loads the sample Hindi font: the file in the list, then "Load".
load_sample() {
    click 840 49
    click 508 118
}
go_to_0915() {
    xdotool key ctrl+g
    sleep 0.6
    xdotool type --delay 60 0915
    xdotool key Return
    sleep 0.4
}

scale=1
QT_SCALE_FACTOR=1 start_editor
# The layout alone: both panels closed from the View menu.
xdotool key alt+v; sleep 0.3; xdotool key o; sleep 0.3
xdotool key alt+v; sleep 0.3; xdotool key p; sleep 0.3
shoot window.png
load_sample
go_to_0915
shoot editing.png
stop_editor

for scale in 1 2; do
    QT_SCALE_FACTOR=$scale start_editor
    load_sample
    # The Jukta font for the preview, from its dialog.
    click 880 333
    sleep 0.8
    xdotool type --delay 40 "$fonts/sample-jukta.txt"
    xdotool key Return
    sleep 0.6
    click 300 333
    xdotool type --delay 80 "किताब कमल"
    go_to_0915
    # A stroke on the canvas, not yet stored: the preview and the overview show it.
    xdotool mousemove $(at 44 212) mousedown 1
    for x in 54 64 74 84 94; do xdotool mousemove $(at $x 212); sleep 0.1; done
    xdotool mouseup 1
    if [ "$scale" = 1 ]; then shoot panels.png; else shoot panels-2x.png; fi
    stop_editor
done
