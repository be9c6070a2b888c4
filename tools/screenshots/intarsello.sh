#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of intarsello played with xdotool: the start layout, a few tiles on the grid (one turned,
# one mirrored), the grid covered as the first example board, the help panel and the information box;
# then the puzzle window is closed and the program must end.
#   DISPLAY=... tools/screenshots/intarsello.sh <intarsello binary> <output dir>
# Run it inside ../shared/tools/xsession (with or without --wm). The moves come from intarsello_moves,
# built beside the binary.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 <intarsello binary> <output dir>" >&2; exit 2; }
bin=$1; out=$2; here=$(cd "$(dirname "$0")" && pwd)
moves=$(dirname "$bin")/intarsello_moves
mkdir -p "$out"

"$bin" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
win=$(xdotool search --sync --onlyvisible --name '^Intarsello$' | head -1)
sleep 0.5
# Where the window lies on the screen, without its frame (xdotool's own geometry counts a window
# manager's frame twice).
info=$(xwininfo -id "$win")
X=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
HEIGHT=$(awk '/Height:/ {print $NF}' <<<"$info")
menuTop=$Y
ox=$X; oy=$((Y + HEIGHT - 428)) # the client area (634 x 428) lies under the menu bar

at() { xdotool mousemove $((ox + $1)) $((oy + $2)); }
shot() { sleep 0.3; import -window root "$out/$1.png"; echo "$out/$1.png"; }

rclick() { # rclick none|ctrl|shift X Y
    at "$2" "$3"
    if [ "$1" = none ]; then xdotool click 3; else xdotool keydown "$1" click 3 keyup "$1"; fi
    sleep 0.05
}
drag() { # drag X1 Y1 X2 Y2, through two points on the way
    at "$1" "$2"; xdotool mousedown 1; sleep 0.05
    at $((($1 * 2 + $3) / 3)) $((($2 * 2 + $4) / 3)); sleep 0.03
    at $((($1 + $3 * 2) / 3)) $((($2 + $4 * 2) / 3)); sleep 0.03
    at "$3" "$4"; sleep 0.05; xdotool mouseup 1; sleep 0.05
}
play() { # the moves of tiles from $1 up to (not including) $2
    "$moves" 0 | awk -v from="$1" -v to="$2" '/^# tile/ {tile = $3} tile >= from && tile < to && !/^#/' |
        while read -r what a b c d; do
            case $what in
                rclick) rclick "$a" "$b" "$c" ;;
                drag) drag "$a" "$b" "$c" "$d" ;;
            esac
        done
}
menu() { xdotool mousemove $((ox + $1)) $((menuTop + (HEIGHT - 428) / 2)) click 1; sleep 0.3; }

shot 1-start
play 0 6 # the L and the U turned, the Z and the Y mirrored
shot 2-some-tiles
play 6 12
shot 3-example-0
menu 45 # Help
shot 4-help
menu 14 # Info
shot 5-info
xdotool key Return; sleep 0.3

"$here/close_window.py" "$win"
for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "intarsello still running after its window closed" >&2; exit 1; fi
wait $pid || true
trap - EXIT
