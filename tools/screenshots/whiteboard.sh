#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of each program started with --zoom=fit on a 1920 x 1080 screen with openbox, as on a class
# whiteboard. Starts its own display.
#   tools/screenshots/whiteboard.sh <build dir> <output dir>
set -euo pipefail
build=${1:?usage: whiteboard.sh <build dir> <output dir>}
out=${2:?usage: whiteboard.sh <build dir> <output dir>}
mkdir -p "$out"
n=$((300 + RANDOM % 100))
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
for program in filarino cestaro intarsello; do
  "$build/$program/$program" --zoom=fit &
  pid=$!
  sleep 2.5
  import -window root "$out/$program-fit.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
