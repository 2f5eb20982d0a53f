#!/usr/bin/env bash
# Runs a command on the X server of $DISPLAY under a window manager, which frames, places and
# focuses windows as a desktop does; bare Xvfb does none of that.
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
# Windows mapped before the manager runs would stay unframed.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
