#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives filarino on an X display with xdotool and saves a screenshot of each state a pupil goes through:
# the start window, an array being answered, a right and a wrong verdict, a times-table fact and the way back.
#
#   filarino.sh <path to filarino> <output dir>
#
# Run it with DISPLAY set, e.g. inside ../shared/tools/xsession [--wm] -- tools/screenshots/filarino.sh ...
# Needs xdotool, x11-utils and imagemagick.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 <filarino binary> <output dir>" >&2; exit 2; }
program=$1; out=$2
mkdir -p "$out"

"$program" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

shot() { sleep "${2:-0.4}"; import -window root "$out/$1.png"; echo "saved $out/$1.png"; }

# Finds the window whose title is exactly $1 and sets CX, CY to the top-left corner of its client area, below
# the menu bar (the client area is 554 pixels high).
client_of() {
    local id="" tries=0
    while [ -z "$id" ] && [ $tries -lt 100 ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        tries=$((tries + 1)); [ -n "$id" ] || sleep 0.1
    done
    [ -n "$id" ] || { echo "no window named '$1'" >&2; exit 1; }
    # xwininfo gives the true place under a window manager too (xdotool counts the title bar twice).
    local info x y height
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    CX=$x; CY=$((y + height - 554))
}

# Clicks at (x, y) of the current client area.
tap() { xdotool mousemove $((CX + $1)) $((CY + $2)); sleep 0.1; xdotool click 1; sleep 0.2; }

# Centres of the keypad keys "1".."10" and of the answer boxes, in client pixels.
key_x() { local col=$((($1 - 1) % 5)); echo $((389 + 10 + 76 * col + 34)); }
key_y() { [ "$1" -le 5 ] && echo $((223 + 37 + 15)) || echo $((223 + 73 + 15)); }

# Drags key $1 over the point ($2, $3) and releases it there.
drag_key() {
    xdotool mousemove $((CX + $(key_x "$1"))) $((CY + $(key_y "$1"))); sleep 0.1
    xdotool mousedown 1; sleep 0.1
    xdotool mousemove $((CX + ($(key_x "$1") + $2) / 2)) $((CY + ($(key_y "$1") + $3) / 2)); sleep 0.1
    xdotool mousemove $((CX + $2)) $((CY + $3)); sleep 0.1
    xdotool mouseup 1; sleep 0.2
}

# Counts the dots of the array on screen: a dot's centre differs from the frame's pale yellow.
# $1 is the top of the dot frame in the client area. Sets PER_ROW and ROWS.
count_dots() {
    import -window root /tmp/filarino-count.png
    local pale="srgb(255,255,192)" c r px
    PER_ROW=0; ROWS=0
    for c in $(seq 0 9); do
        px=$(convert /tmp/filarino-count.png -format "%[pixel:p{$((CX + 12 + 12 + 36 * c + 13)),$((CY + $1 + 14 + 13))}]" info:)
        [ "$px" != "$pale" ] && PER_ROW=$((c + 1))
    done
    for r in $(seq 0 9); do
        px=$(convert /tmp/filarino-count.png -format "%[pixel:p{$((CX + 12 + 12 + 13)),$((CY + $1 + 14 + 37 * r + 13))}]" info:)
        [ "$px" != "$pale" ] && ROWS=$((r + 1))
    done
    echo "array: $PER_ROW dots in each of $ROWS rows"
}

# One exercise: "Nuovo filarino", the two answers dragged into the boxes, then the check. The current window's
# places come from set_places. $1 is "right" or "wrong", $2 the screenshot taken while answering (or empty).
play() {
    tap 526 "$BUTTON_Y"                   # Nuovo filarino
    sleep 0.3
    count_dots "$FRAME_TOP"
    local first=$PER_ROW second=$ROWS
    if [ "$1" = wrong ]; then first=$((PER_ROW % 10 + 1)); fi
    drag_key "$first" "$BOX1_X" "$BOX_Y"
    drag_key "$second" "$BOX2_X" "$BOX_Y"
    [ -n "$2" ] && shot "$2" 0.3
    tap 524 "$BUTTON_Y"                   # C o n t r o l l a
}

# Places in the two exercise windows, in client pixels: top of the dot frame, centres of the answer boxes,
# the row of the buttons and the "Esci" button.
set_places() {
    if [ "$1" = operation ]; then
        FRAME_TOP=56; BOX1_X=457; BOX2_X=614; BOX_Y=148; BUTTON_Y=515; FINE_X=723
    else
        FRAME_TOP=57; BOX1_X=439; BOX2_X=547; BOX_Y=144; BUTTON_Y=518; FINE_X=719
    fi
}

# The range buttons inside Frame1 (at 327, 189 of the client area).
range_6_to_10() { tap $((327 + 231 + 103)) $((189 + 45 + 23)); }
range_1_to_10() { tap $((327 + 231 + 103)) $((189 + 133 + 23)); }

client_of FILARINO
shot 01-start 1.0

# Array to operation, numbers from 6 to 10.
range_6_to_10
client_of "  DALLO FILARINO ALL'OPERAZIONE"
set_places operation
play right 02-operation-answering
shot 03-operation-right 1.0
play wrong ""
shot 04-operation-wrong 1.0
tap "$FINE_X" "$BUTTON_Y"                 # Esci
client_of FILARINO
sleep 0.5

# Array to times table, numbers from 1 to 10.
xdotool key Down
range_1_to_10
client_of "DALLO FILARINO ALLE TABELLINE"
set_places tables
play right ""
shot 05-tables-right 1.0
tap "$FINE_X" "$BUTTON_Y"                 # Esci
client_of FILARINO
shot 06-back-to-start 0.8
