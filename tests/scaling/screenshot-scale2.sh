#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshots/filarino-scale2.png: filarino's start window on a desktop scaled by 2 (a 2560 x 2048
# Xvfb screen with openbox, QT_SCALE_FACTOR=2), cropped to the window with its frame.
#
#   tests/scaling/screenshot-scale2.sh [path to filarino]     (default: build/release/filarino/filarino)
#
# Needs xvfb, openbox, xdotool, x11-utils and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/release/filarino/filarino}
out=docs/screenshots/filarino-scale2.png
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT

n=$((200 + RANDOM % 100)); while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 2560x2048x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5
QT_SCALE_FACTOR=2 "$program" >/dev/null 2>&1 & pids+=($!)

id=""
for _ in $(seq 100); do
  id=$(xdotool search --onlyvisible --name '^FILARINO$' 2>/dev/null | head -1 || true)
  [ -n "$id" ] && break; sleep 0.1
done
[ -n "$id" ] || { echo "filarino's start window did not appear" >&2; exit 1; }
sleep 1 # the first portraits and the frame settle
mkdir -p "$(dirname "$out")"
import -frame -window "$id" "$out"
echo "saved $out ($(identify -format '%wx%h' "$out"))"
