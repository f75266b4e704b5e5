#!/bin/sh
# Runs a test on a virtual X display managed by openbox, as on a user's desktop: the window
# manager, not the program, decides which window is active when a box closes.
set -eu
if [ -z "${RZV_OPENBOX_DISPLAY:-}" ]; then
    RZV_OPENBOX_DISPLAY=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
# openbox manages windows once it has marked the root window as its own.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
        echo "openbox did not start" >&2
        exit 1
    fi
    sleep 0.1
done
"$@"
