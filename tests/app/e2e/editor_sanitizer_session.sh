#!/bin/bash
# One short session of the real editor under Xvfb, for a build with the address and
# undefined-behaviour sanitizers: open a field and a palette by double clicks in the
# choosers' lists, select an area, roughen it, save, exit. Fails when the editor does
# not end with 0, a double click chose nothing, or a sanitizer reports anything.
# Usage: editor_sanitizer_session.sh <knollwork> <demo folder> <work folder>
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_harness.sh"

# Frame-relative spots of the command bar's "Select" and "Rough", of the canvas, of the
# menu "View" and its "Palette", and of the first name in a chooser's list (the chooser
# is centred over a frame of 1280 x 960).
select_x=190 rough_x=265 bar_y=33 canvas_y=47
view_x=93 menu_y=10 palette_item_y=30 first_name_x=452 first_name_y=385

click_on_frame() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xvfb_click $((X + $1)) $((Y + $2)) "${3:-1}"
}

double_click_on_frame() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click --repeat 2 --delay 80 1
    sleep 0.5
    xdotool mousemove_relative 30 20
    sleep 0.5
}

inner() {
    local editor=$1 work=$2
    xvfb_start_editor "$editor" "$work/workspace" "$work/editor.log" --seed 3
    xvfb_wait_window Knollwork 60 || { echo "no frame" >"$work/failure"; return; }
    sleep 3
    xvfb_wait_window Knollwork
    xvfb_keys Return                          # the notice about the new settings file
    xvfb_keys alt+f Return                    # File > Open...
    sleep 2
    double_click_on_frame $first_name_x $first_name_y   # Copy.tga
    sleep 2
    click_on_frame $view_x $menu_y            # View > Palette
    click_on_frame $view_x $palette_item_y
    sleep 2
    double_click_on_frame $first_name_x $first_name_y   # Red.Pal
    sleep 2
    click_on_frame $select_x $bar_y
    for point in "60 60" "300 80" "200 330"; do click_on_frame ${point% *} $((canvas_y + ${point#* })); done
    click_on_frame 200 $((canvas_y + 200)) 3  # the right button closes the polygon
    click_on_frame $rough_x $bar_y
    sleep 1
    click_on_frame 180 $((canvas_y + 150))    # runs Rough inside the polygon
    sleep 2
    xvfb_keys alt+f s                         # File > Save
    sleep 2
    xvfb_keys ctrl+a
    xdotool type --window "$XVFB_WINDOW" --delay 80 session.tga
    xvfb_keys Return
    sleep 1
    xvfb_keys Return                          # yes, create the file
    sleep 1
    xvfb_keys alt+f x
    xvfb_wait_exit 60
    echo "$XVFB_EXIT" >"$work/exit_code"
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3"
    exit 0
fi

editor=$(realpath "$1") demo=$(realpath "$2") work=$(realpath -m "$3")
# SDL loads the X libraries itself and unloads them at its end, which would leave their
# leaks without a name to suppress them by: loaded from the start, they stay.
export LD_PRELOAD="libX11.so.6 libXext.so.6 libXcursor.so.1 libXi.so.6 libXrandr.so.2 libXfixes.so.3 libXss.so.1 libXinerama.so.1 libxkbcommon.so.0"
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
xvfb_require_tools
xvfb_fresh_workspace "$work" "$demo"
# Each chooser lists a second name first: the double click must have chosen it.
cp "$demo/Intro.tga" "$work/workspace/Copy.tga"
cp "$demo/Std.pal" "$work/workspace/Red.Pal"
xvfb_run_inner "$0" "$editor" "$work"
xvfb_check_run "$work"
grep -qE "Sanitizer|runtime error" "$work/editor.log" && xvfb_fail "$work" "a sanitizer reported on the session"
mapfile -t settings <"$work/workspace/Knollwork.ini"
[[ "${settings[1]}" == "$work/workspace/Copy.tga" ]] || xvfb_fail "$work" "a double click in Open chose nothing"
[[ "${settings[3]}" == "$work/workspace/Red.Pal" ]] || xvfb_fail "$work" "a double click in Palette chose nothing"
[[ -s "$work/workspace/session.tga" ]] || xvfb_fail "$work" "the session saved no field"
cmp -s "$work/workspace/session.tga" "$work/workspace/Intro.tga" && xvfb_fail "$work" "the session changed nothing"
echo "PASS: an editor session under the sanitizers ran clean ($work)"
