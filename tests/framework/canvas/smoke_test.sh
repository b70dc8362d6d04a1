#!/bin/bash
# Starts the canvas example under a virtual X server, takes a screenshot, checks that
# the frame is there and drawn, closes it and expects exit code 0.
# Usage: smoke_test.sh <canvas_demo> <work folder>
set -u

# Runs inside the virtual server: start, wait for the window, shoot, close.
inner() {
    local demo=$1 work=$2
    "$demo" >"$work/demo.log" 2>&1 &
    local pid=$!
    for _ in $(seq 1 100); do
        xwininfo -root -tree 2>/dev/null | grep -q '"Knollwork' && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    sleep 1
    xwd -root -silent >"$work/frame.xwd"
    kill -TERM "$pid" 2>/dev/null
    local code=124
    for _ in $(seq 1 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            code=$?
            break
        fi
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    echo "$code" >"$work/exit_code"
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3"
    exit 0
fi

demo=$1
work=$2
for tool in xvfb-run Xvfb xwd xwininfo /usr/bin/convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed; run scripts/setup.sh tests to install the X test tools"
        exit 1
    fi
done
mkdir -p "$work"
rm -f "$work/frame.xwd" "$work/frame.png" "$work/exit_code"

timeout 60 xvfb-run -a -s "-screen 0 1280x900x24 -noreset" "$0" --inner "$demo" "$work"
code=$(cat "$work/exit_code" 2>/dev/null || echo missing)
if [[ "$code" != 0 ]]; then
    echo "FAIL: the example ended with exit code $code"
    cat "$work/demo.log" 2>/dev/null
    exit 1
fi
if ! /usr/bin/convert "$work/frame.xwd" "$work/frame.png"; then
    echo "FAIL: no screenshot"
    exit 1
fi

# The menu strip, the example's gallery and its report line must show.
histogram=$(/usr/bin/convert "$work/frame.png" -format %c histogram:info:-)
for colour in '#D4D0C8' '#ECECEC' '#FFFFE1'; do
    if ! grep -qi "$colour" <<<"$histogram"; then
        echo "FAIL: colour $colour is missing from the screenshot $work/frame.png"
        exit 1
    fi
done
echo "PASS: frame drawn ($work/frame.png), exit code 0"
