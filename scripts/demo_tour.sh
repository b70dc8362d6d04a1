#!/bin/bash
# A short tour of the editor under Xvfb: the field shown, the palette legend, a closed
# polygon and the help window, each as a screenshot in the output folder.
# Usage: demo_tour.sh <knollwork> <workspace> <output folder>
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/tests/app/e2e/xvfb_harness.sh"

# Frame-relative spots of the command bar's "Select" and of the canvas's top-left corner.
select_x=190 select_y=33 canvas_x=0 canvas_y=47

click_on_frame() {
    local x y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xvfb_click $((X + $1)) $((Y + $2)) "${3:-1}"
}

click_on_field() { click_on_frame $((canvas_x + $1)) $((canvas_y + $2)) "${3:-1}"; }

inner() {
    local editor=$1 workspace=$2 out=$3
    xvfb_start_editor "$editor" "$workspace" "$out/editor.log"
    xvfb_wait_window Knollwork || { echo "the editor did not start; see $out/editor.log"; return; }
    sleep 1                                # the window shows before its first frame
    xvfb_screenshot "$out/1-start.png"
    # A first start shows the notice about the new settings file; Enter closes it.
    xvfb_keys Return
    xvfb_screenshot "$out/2-field.png"
    xvfb_keys alt+f Right Down Right Return   # View > Show Pal > Left
    xvfb_screenshot "$out/3-legend.png"
    click_on_frame $select_x $select_y
    for point in "120 90" "330 130" "290 330" "90 280"; do click_on_field $point; done
    click_on_field 200 200 3               # the right button closes the polygon
    xvfb_screenshot "$out/4-polygon.png"
    xvfb_keys alt+f Left Return               # Help > Contents
    sleep 0.5
    xvfb_screenshot "$out/5-help.png"
    xvfb_keys alt+f x                      # File > Exit
    xvfb_wait_exit 20
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3" "$4"
    exit 0
fi

xvfb_require_tools
editor=$(realpath "$1") workspace=$(realpath "$2") out=$(realpath -m "$3")
mkdir -p "$out"
rm -f "$out"/[1-5]-*.png
xvfb_run_inner "$0" "$editor" "$workspace" "$out"
echo "screenshots of the tour:"
ls "$out"/[1-5]-*.png
