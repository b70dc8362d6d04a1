#!/bin/bash
# Helpers for end-to-end tests of the real editor under a virtual X server, driven with
# xdotool. Source this file, then:
#   xvfb_require_tools                     fails (exit 1) when an X tool is missing
#   xvfb_fresh_workspace WORK DEMO         empties WORK and copies the folder DEMO to
#                                          WORK/workspace
#   xvfb_run_inner SCRIPT ARGS...          runs SCRIPT --inner ARGS... inside Xvfb
# and, inside the server:
#   xvfb_start_editor BINARY FOLDER LOG [ARGS...]   starts it in FOLDER; sets XVFB_PID
#   xvfb_wait_window NAME [SECONDS]        waits for a window whose name starts with NAME;
#                                          sets XVFB_WINDOW
#   xvfb_frame_size WIDTH HEIGHT           resizes the frame (there is no window manager
#                                          to maximize it)
#   xvfb_keys KEY...                       types keys into the frame, pausing after each
#   xvfb_click X Y [BUTTON]                clicks at screen position X, Y
#   xvfb_screenshot FILE.png               the whole screen
#   xvfb_wait_exit [SECONDS]               waits for the editor; sets XVFB_EXIT
#   xvfb_locate_image SHOT PATCH X0 Y0 W H  prints "X Y" where PATCH lies in that area of SHOT
#   xvfb_exit_by_menu WORK                 File > E&xit; the exit status goes to WORK/exit_code
# and, after the server:
#   xvfb_fail WORK MESSAGE                 says why, shows WORK/editor.log, exits 1
#   xvfb_check_run WORK                    fails on a failure the inner run wrote down in
#                                          WORK/failure, or on an exit status other than 0

XVFB_SCREEN=${XVFB_SCREEN:-1280x960x24}
XVFB_CONVERT=/usr/bin/convert

xvfb_require_tools() {
    local tool missing=0
    for tool in xvfb-run Xvfb xdotool xwininfo import compare "$XVFB_CONVERT"; do
        if ! command -v "$tool" >/dev/null; then
            echo "FAIL: $tool is not installed; run scripts/setup.sh to install the X test tools"
            missing=1
        fi
    done
    ((missing == 0)) || exit 1
}

xvfb_fresh_workspace() {
    rm -rf "$1"
    mkdir -p "$1/workspace"
    cp "$2"/* "$1/workspace/"
}

# -noreset: the server resets when its last client leaves, and an editor started while it
# does finds no display.
xvfb_run_inner() {
    local script=$1
    shift
    timeout 120 xvfb-run -a -s "-screen 0 $XVFB_SCREEN -noreset" bash "$script" --inner "$@"
}

xvfb_start_editor() {
    local binary=$1 folder=$2 log=$3
    shift 3
    (cd "$folder" && exec "$binary" "$@") >"$log" 2>&1 &
    XVFB_PID=$!
}

xvfb_wait_window() {
    local name=$1 seconds=${2:-20}
    XVFB_WINDOW=
    for _ in $(seq 1 $((seconds * 10))); do
        XVFB_WINDOW=$(xdotool search --name "^$name" 2>/dev/null | head -n 1)
        [[ -n "$XVFB_WINDOW" ]] && return 0
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

xvfb_frame_size() {
    # The frame sets its own size as it is shown; ask once it has settled.
    sleep 1.5
    xdotool windowsize "$XVFB_WINDOW" "$1" "$2"
    sleep 1
}

xvfb_keys() {
    local key
    for key in "$@"; do
        xdotool key --window "$XVFB_WINDOW" "$key"
        sleep 0.5
    done
}

xvfb_click() {
    xdotool mousemove "$1" "$2" click "${3:-1}"
    sleep 0.5
}

xvfb_screenshot() {
    import -window root "$1"
}

xvfb_wait_exit() {
    local seconds=${1:-20}
    XVFB_EXIT=124
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then
            wait "$XVFB_PID"
            XVFB_EXIT=$?
            return 0
        fi
        sleep 0.1
    done
    kill -KILL "$XVFB_PID" 2>/dev/null
    return 1
}

xvfb_locate_image() {
    local shot=$1 patch=$2 x0=$3 y0=$4 width=$5 height=$6 found area
    # A maximized frame sits at the screen's corner, so the search may start off it.
    ((x0 < 0)) && x0=0
    ((y0 < 0)) && y0=0
    area=$(mktemp --suffix=.png)
    "$XVFB_CONVERT" "$shot" -crop "${width}x${height}+${x0}+${y0}" +repage "$area"
    found=$(compare -metric AE -subimage-search "$area" "$patch" null: 2>&1 |
        sed -n 's/^0 @ \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    rm -f "$area"
    [[ -n "$found" ]] || return 1
    set -- $found
    echo "$((x0 + $1)) $((y0 + $2))"
}

xvfb_exit_by_menu() {
    xvfb_keys alt+f x
    xvfb_wait_exit 20
    echo "$XVFB_EXIT" >"$1/exit_code"
}

xvfb_fail() {
    local work=$1
    shift
    echo "FAIL: $*"
    cat "$work/editor.log" 2>/dev/null
    exit 1
}

xvfb_check_run() {
    local work=$1
    [[ -f "$work/failure" ]] && xvfb_fail "$work" "$(cat "$work/failure") ($work)"
    [[ "$(cat "$work/exit_code" 2>/dev/null)" == 0 ]] ||
        xvfb_fail "$work" "the editor ended with exit code $(cat "$work/exit_code" 2>/dev/null)"
}
