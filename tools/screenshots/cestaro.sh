#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of cestaro as a pupil sees it: the glowing board, a triangle dealt at "Facile", a triangle
# partly typed, and the instructions window. Run with DISPLAY set (e.g. inside the xsession tool).
#   tools/screenshots/cestaro.sh <cestaro binary> <output dir>
set -euo pipefail
bin=${1:?usage: cestaro.sh <cestaro binary> <output dir>}
out=${2:?usage: cestaro.sh <cestaro binary> <output dir>}
mkdir -p "$out"

"$bin" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name '^LA CESTARO$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
# The client area is 592x441 pixels; the menu bar above it takes the rest of the window's height.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 441))

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
shot() { sleep 0.4; import -window root "$out/$1.png"; }
# Centre of the text box of cell 1..15, in window pixels.
cell() {
  local places=(0 "3127 1230" "2512 2190" "3727 2190" "1927 3270" "3127 3270" "4327 3270" "1327 4350" \
    "2527 4350" "3727 4350" "4927 4350" "727 5430" "1927 5430" "3127 5430" "4327 5430" "5527 5430")
  local twips=(${places[$1]})
  echo $((twips[0] / 15)) $((twips[1] / 15 + menu))
}

sleep 0.5
shot cestaro-glow

# "SCEGLI IL LIVELLO DI GIOCO", then its first item, "Facile".
click 80 $((menu / 2))
xdotool key Down Return
shot cestaro-facile

# The pupil clicks cells of the bottom rows and types; red cells take nothing.
for typed in "12 1" "13 2" "8 3" "14 1"; do
  set -- $typed
  click $(cell "$1")
  xdotool type --delay 80 "$2"
done
click 1 $((menu + 1))
shot cestaro-typing

# "ISTRUZIONI": the window opens in front, with the example puzzle.
click 203 $((menu / 2))
xdotool search --sync --onlyvisible --name '^ISTRUZIONI$' >/dev/null
shot cestaro-istruzioni

about=$(xdotool search --onlyvisible --name '^ISTRUZIONI$' | head -1)
# After three seconds the puzzle and its solution alternate every 0.3 s: catch the solution.
sleep 3.2
for _ in 1 2 3 4 5 6; do
  shot cestaro-istruzioni-soluzione
  cmp -s "$out/cestaro-istruzioni.png" "$out/cestaro-istruzioni-soluzione.png" || break
  sleep 0.15
done
# Its "ESCI" button, then the main window's.
xdotool mousemove --window "$about" 556 $(( $(xdotool getwindowgeometry --shell "$about" | sed -n 's/^HEIGHT=//p') - 461 + 437 )) click 1
sleep 0.5
click 556 $((menu + 417))
wait "$pid" 2>/dev/null || true
trap - EXIT
