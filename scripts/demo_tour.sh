#!/bin/bash
# A short tour of the editor under Xvfb: the field shown, the palette legend, a closed
# polygon, the polygon and its field in the 3D view, the polygon magnified, the History
# list after a few steps, rain inside the polygon and the help window; then a 16-bit
# island in metres fitted, with View > Height Colours and Relief on; then a 4096 x 4096
# field fitted to the window and in the 3D view, expanded, an inverse sweeping down it at
# 1:4, and the question whether to save it at the exit. Each is a screenshot in the output
# folder.
# Usage: demo_tour.sh <knollwork> <workspace> <output folder>
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/tests/app/e2e/xvfb_harness.sh"

# Frame-relative spots of the command bar's "Select" and "Wacks", of the Wacks dialog's
# "Inverse", "INC" and " Exit ", and of the canvas's top-left corner.
select_x=190 select_y=33 wacks_x=365 inverse_x=547 inverse_y=128 inc_x=508 inc_y=80 wacks_exit_y=195 canvas_x=0 canvas_y=47
# The same of "Erode", of its dialog's VALUE box and " Exit ", and of "Undo".
erode_x=520 erode_value_x=550 erode_value_y=99 erode_exit_x=547 erode_exit_y=123 undo_x=28

click_on_frame() {
    local x y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xvfb_click $((X + $1)) $((Y + $2)) "${3:-1}"
}

click_on_field() { click_on_frame $((canvas_x + $1)) $((canvas_y + $2)) "${3:-1}"; }

# Ctrl with the wheel turned away from the user N times over a canvas spot.
magnify_at() {
    local x y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xdotool mousemove $((X + canvas_x + $1)) $((Y + canvas_y + $2)) keydown ctrl
    for _ in $(seq 1 "$3"); do xdotool click 4; sleep 0.2; done
    xdotool keyup ctrl
    sleep 0.5
}

# The inverse first copies the field for Undo, then sweeps down the view within a few
# frames, too fast to time a screenshot by. So the editor runs in slices of a few
# milliseconds, stopped for a screenshot after each, until the view has changed.
catch_sweep() {
    local shot=$1 before="$1.before.png" view="1200x800+0+60" changed
    kill -STOP "$XVFB_PID"
    xvfb_screenshot "$before"
    for _ in $(seq 1 100); do
        kill -CONT "$XVFB_PID"
        sleep 0.005
        kill -STOP "$XVFB_PID"
        xvfb_screenshot "$shot"
        changed=$(compare -metric AE "$before[$view]" "$shot[$view]" null: 2>&1)
        awk -v n="$changed" 'BEGIN { exit !(n > 10000) }' && break
    done
    kill -CONT "$XVFB_PID"
    rm -f "$before"
}

# The large field: fitted, then at 1:4 with a smooth caught while it sweeps down.
large_field() {
    local editor=$1 workspace=$2 out=$3 x y
    xvfb_start_editor "$editor" "$workspace" "$out/editor-large.log" Large.tga
    xvfb_wait_window Knollwork || { echo "the editor did not start; see $out/editor-large.log"; return; }
    sleep 3                                # the field loads before the keys count
    xvfb_keys ctrl+0 ctrl+0                # View > Fit Field (twice: the first may be early)
    xvfb_screenshot "$out/9-fitted.png"
    xvfb_keys ctrl+3                       # View > 3D View, sharp once it has rested
    sleep 3
    xvfb_screenshot "$out/13-3d-large.png"
    xvfb_keys ctrl+3
    # Expanded to 8192 x 8192, the inverse takes long enough to be caught sweeping.
    xvfb_keys alt+f Right Right Right Right Return   # Resize > Expand 2X
    sleep 2
    xvfb_keys ctrl+0 ctrl+plus ctrl+plus   # fitted (about 1:9), then 1:8 and 1:4
    # The wheel scrolls the view up to the field's top, where the sweep starts.
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xdotool mousemove $((X + canvas_x + 600)) $((Y + canvas_y + 500)) click --repeat 60 --delay 10 4
    click_on_frame $wacks_x $select_y      # the Wacks dialog opens beside the bars
    click_on_frame $inverse_x $inverse_y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xdotool mousemove $((X + canvas_x + 600)) $((Y + canvas_y + 500)) click 1
    catch_sweep "$out/10-sweep.png"
    sleep 1
    # Exit asks about the inverted field, which was never saved; No leaves Large.tga as it is.
    xvfb_keys ctrl+q
    sleep 0.5
    xvfb_screenshot "$out/11-question.png"
    xvfb_keys alt+n
    xvfb_wait_exit 20
}

# The 16-bit island, whose heights in metres show as dark red speckle until View >
# Height Colours spreads them over the palette and View > Relief shades them.
island() {
    local editor=$1 workspace=$2 out=$3
    xvfb_start_editor "$editor" "$workspace" "$out/editor-island.log" Island.ppm
    xvfb_wait_window Knollwork || { echo "the editor did not start; see $out/editor-island.log"; return; }
    sleep 2                                # the field loads before the keys count
    xvfb_keys ctrl+0 ctrl+0                # View > Fit Field
    xvfb_keys alt+f Right Right Down Down Down Down Down Down Return      # View > Height Colours
    xvfb_keys alt+f Right Right Down Down Down Down Down Down Down Return # View > Relief
    sleep 0.5
    xvfb_screenshot "$out/8-island.png"
    xvfb_keys alt+f x
    xvfb_wait_exit 20
}

inner() {
    local editor=$1 workspace=$2 out=$3
    xvfb_start_editor "$editor" "$workspace" "$out/editor.log"
    xvfb_wait_window Knollwork || { echo "the editor did not start; see $out/editor.log"; return; }
    sleep 1                                # the window shows before its first frame
    xvfb_screenshot "$out/1-start.png"
    # A first start shows the notice about the new settings file; Enter closes it.
    xvfb_keys Return
    xvfb_screenshot "$out/2-field.png"
    xvfb_keys alt+f Right Right Down Right Return   # View > Show Pal > Left
    xvfb_screenshot "$out/3-legend.png"
    click_on_frame $select_x $select_y
    for point in "120 90" "330 130" "290 330" "90 280"; do click_on_field $point; done
    click_on_field 200 200 3               # the right button closes the polygon
    xvfb_screenshot "$out/4-polygon.png"
    xvfb_keys ctrl+3                       # View > 3D View, the polygon on the terrain
    sleep 1.5
    xvfb_screenshot "$out/12-3d-view.png"
    xvfb_keys ctrl+3
    # 4:1 around a vertex. At 2:1 the whole field still shows, so the vertex moves to
    # twice its place and the second notch is turned over it there.
    magnify_at 330 130 1
    magnify_at 660 260 1
    xvfb_screenshot "$out/5-magnified.png"
    xvfb_keys ctrl+1                       # View > Actual Size
    # An inverse inside the polygon, a raise outside it, then a step back over the raise:
    # the History list names each step as the batch tool writes it.
    click_on_frame $wacks_x $select_y
    click_on_frame $inverse_x $inverse_y
    click_on_field 200 200
    click_on_frame $inc_x $inc_y
    click_on_field 20 20
    xvfb_keys ctrl+z                       # Edit > Step Back
    xvfb_keys alt+f Right Down Down Return    # Edit > History...
    sleep 0.5
    xvfb_screenshot "$out/6-history.png"
    xvfb_keys Escape
    click_on_frame $inverse_x $wacks_exit_y    # the Wacks dialog stands over "Erode"
    # Rain of 200 droplets per 100 positions inside the polygon; Undo takes it back.
    click_on_frame $erode_x $select_y
    click_on_frame $erode_value_x $erode_value_y
    xvfb_keys ctrl+a
    xdotool type --delay 100 200
    click_on_field 200 200
    sleep 4
    xvfb_screenshot "$out/6b-rain.png"
    click_on_frame $erode_exit_x $erode_exit_y
    click_on_frame $undo_x $select_y
    xvfb_keys alt+f Left Return               # Help > Contents
    sleep 0.5
    xvfb_screenshot "$out/7-help.png"
    xvfb_keys alt+f x                      # File > Exit
    xvfb_keys alt+n                        # No: the demo field stays as it was
    xvfb_wait_exit 20
    [[ -f "$workspace/Island.ppm" ]] && island "$editor" "$workspace" "$out"
    [[ -f "$workspace/Large.tga" ]] && large_field "$editor" "$workspace" "$out"
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3" "$4"
    exit 0
fi

xvfb_require_tools
editor=$(realpath "$1") workspace=$(realpath "$2") out=$(realpath -m "$3")
mkdir -p "$out"
rm -f "$out"/[0-9]*-*.png
# The large field is the demo's island at 4096 x 4096, the 16-bit one at 2048 x 2048,
# each made once by the build's tool.
maker=$(dirname "$editor")/../../tools/demo/make_intro_terrain
if [[ ! -f "$workspace/Large.tga" && -x "$maker" ]]; then
    "$maker" "$workspace" 4096 Large.tga || echo "the large field could not be made"
fi
if [[ ! -f "$workspace/Island.ppm" && -x "$maker" ]]; then
    "$maker" "$workspace" 2048 Island.ppm || echo "the 16-bit island could not be made"
fi
xvfb_run_inner "$0" "$editor" "$workspace" "$out"
echo "screenshots of the tour:"
ls "$out"/[0-9]*-*.png
