#!/bin/bash
# The real editor under Xvfb, driven with xdotool: with --seed 7, INC chosen in the Wacks
# dialog and applied inside a polygon, then Rough clicked outside it, and the field
# saved from the keyboard. The file must equal the batch tool's for the same steps.
# Usage: operations_e2e_test.sh <knollwork> <knollwork-cli> <demo folder> <work folder>
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../app/e2e/xvfb_harness.sh"

readonly POLYGON=(60,60 220,80 200,240 70,210)
readonly INSIDE=130,140
readonly OUTSIDE=350,350
readonly INC_VALUE=40

# Left and right edges of the command bar's buttons, as "LEFT RIGHT" lines: columns of
# the band above the canvas where a white highlight or a grey shadow runs the height
# of a button. In the bar's order: Undo, Keep, Select, Rough, Smooth, Wacks, Tiles.
bar_buttons() {
    local shot=$1 top=$2 band=$3
    "$XVFB_CONVERT" "$shot" -crop "1280x$band+0+$top" +repage txt:- | awk -v need=$((band / 2)) '
        NR > 1 { split($1, at, /[,:]/); x = at[1] + 0
                 if ($3 == "#FFFFFF") light[x]++
                 if ($3 == "#808080") shade[x]++ }
        END { left = -1
              for (x = 0; x < 1280; ++x) {
                  if (light[x] >= need && left < 0) left = x
                  else if (shade[x] >= need && left >= 0) { print left, x; left = -1 }
              } }'
}

# Screen position of field position "X,Y".
on_screen() {
    local x=${1%,*} y=${1#*,}
    echo "$((FIELD_X + x)) $((FIELD_Y + y))"
}

click_field() {
    xvfb_click $(on_screen "$1") "${2:-1}"
}

click_button() {
    local index=$1 left right
    read -r left right < <(sed -n "${index}p" "$WORK/buttons")
    xvfb_click $(((left + right) / 2)) "$BAR_Y"
}

# File, Save; the chooser's name entry has the keyboard; Save, then Yes to creating
# the file. A busy machine can lose a step to the X server, so the caller may repeat it.
save_by_keyboard() {
    xvfb_keys alt+f
    xvfb_keys s
    sleep 1
    xvfb_keys ctrl+a
    xdotool type --window "$XVFB_WINDOW" --delay 80 result.tga
    sleep 0.5
    xvfb_keys Return
    sleep 1
    xvfb_keys Return
    local _
    for _ in $(seq 1 30); do
        [[ -f "$WORK/workspace/result.tga" ]] && return 0
        sleep 0.2
    done
    return 1
}

# Finds the field's corner and the command bar's buttons on a fresh screenshot.
find_bar() {
    local origin X Y
    : >"$WORK/buttons"
    xvfb_screenshot "$WORK/start.png"
    eval "$(xdotool getwindowgeometry --shell "$XVFB_WINDOW")"
    # The field's corner lies at the frame's left, under the menu and command bars; a
    # small search area keeps the image search quick on a busy machine.
    origin=$(xvfb_locate_image "$WORK/start.png" "$WORK/corner.png" $((X - 8)) $((Y - 8)) 48 160) || return 1
    read -r FIELD_X FIELD_Y <<<"$origin"
    bar_buttons "$WORK/start.png" $((FIELD_Y - 30)) 28 >"$WORK/buttons"
    [[ $(wc -l <"$WORK/buttons") == 7 ]]
}

inner() {
    local editor=$1
    WORK=$2
    xvfb_start_editor "$editor" "$WORK/workspace" "$WORK/editor.log" --seed 7
    xvfb_wait_window Knollwork || { echo "no frame" >"$WORK/failure"; return; }
    xvfb_frame_size 1100 800
    xvfb_keys Return          # the notice about the new settings file
    sleep 1
    "$XVFB_CONVERT" "$WORK/preview.png" -crop 16x16+0+0 +repage "$WORK/corner.png"
    # A busy machine may still be drawing the resized frame: look again a few times.
    local attempt
    for attempt in 1 2 3 4 5; do
        find_bar && break
        sleep 1
    done
    [[ $(wc -l <"$WORK/buttons") == 7 ]] ||
        { echo "found $(wc -l <"$WORK/buttons") command-bar buttons, not 7" >"$WORK/failure"; return; }
    BAR_Y=$((FIELD_Y - 16))

    click_button 6            # Wacks: its VALUE entry has the keyboard
    xvfb_keys ctrl+a 4 0 shift+Tab shift+Tab shift+Tab shift+Tab space   # back to INC
    xvfb_screenshot "$WORK/wacks.png"

    click_button 3            # Select
    local vertex
    for vertex in "${POLYGON[@]}"; do click_field "$vertex"; done
    click_field "${POLYGON[-1]}" 3
    click_field "$INSIDE"
    click_button 4            # Rough
    click_field "$OUTSIDE"
    xvfb_screenshot "$WORK/edited.png"

    local attempt
    for attempt in 1 2 3; do
        save_by_keyboard && break
        xvfb_screenshot "$WORK/save_attempt_$attempt.png"
        xvfb_keys Escape Escape
    done
    xvfb_exit_by_menu "$WORK"
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3"
    exit 0
fi

editor=$(realpath "$1") cli=$(realpath "$2") demo=$(realpath "$3") work=$(realpath -m "$4")
xvfb_require_tools
xvfb_fresh_workspace "$work" "$demo"
mkdir -p "$work/batch"
cp "$demo"/* "$work/batch/"
fail() { xvfb_fail "$work" "$@"; }
(cd "$work/batch" && "$cli" --palette Std.pal --open Intro.tga --preview "$work/preview.png" \
    --seed 7 --select "${POLYGON[*]}" --area inside --inc "$INC_VALUE" \
    --area outside --rough middle:16 --save result.tga) || fail "the batch tool failed"

xvfb_run_inner "$0" "$editor" "$work"
xvfb_check_run "$work"
[[ -f "$work/workspace/result.tga" ]] || fail "the editor saved no result.tga ($work/edited.png)"
cmp -s "$work/workspace/result.tga" "$work/batch/result.tga" ||
    fail "the editor's result.tga differs from the batch tool's ($work)"
echo "PASS: INC inside and Rough outside a polygon, saved from the keyboard, equal the batch tool's file"
