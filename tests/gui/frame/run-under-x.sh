#!/usr/bin/env bash
# Runs a Qt Test executable on a virtual X display with the openbox window
# manager, so window frames are real. Without Xvfb or openbox it skips (77).
set -u
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox missing"; exit 77; }
display=":$(( 90 + RANDOM % 400 ))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $openbox $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY="$display" openbox >/dev/null 2>&1 &
openbox=$!
sleep 1
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
