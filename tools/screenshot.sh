#!/usr/bin/env bash
# Takes docs/window.png: the real program under Xvfb, restored from its minimised start the
# way a user would bring it back, then clicked at the given window points ("X,Y X,Y ...",
# default: the 1/4 pin size and the 1 inch depth of the Ejector Pin Holes page).
# Needs: xvfb, twm, xdotool, imagemagick (apt-get install xvfb twm xdotool imagemagick);
# the window manager gives the restored window the state change a desktop would.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
clicks=${2:-"293,184 443,142"}
out=$(realpath -m "${3:-docs/window.png}")
mkdir -p "$(dirname "$out")"
"$(dirname "$0")/demo-workspace.sh" "$build" >/dev/null
# A fresh insertion-info file, so start-up shows no message over the window.
if [ -d "$build/demo/drawings" ]; then printf 'DEMO,2,1,1,1,[0]\r\n' > "$build/demo/drawings/BW_Info.txt"; fi
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  # The program starts (and minimises itself) before the window manager: a window manager
  # that is still taking over a new window while it is minimised can hold the X server up.
  "$0/bin/brasswick" & pid=$!
  sleep 5
  twm >/dev/null 2>&1 & wm=$!
  sleep 1
  for i in $(seq 50); do
    win=$(timeout 5 xdotool search --name "Brasswick for AutoCAD LT" 2>/dev/null | head -n1) && [ -n "$win" ] && break
    sleep 0.5
  done
  [ -n "$win" ] || { echo "the window did not appear" >&2; kill $pid $wm; exit 1; }
  sleep 1
  xdotool windowmap "$win" windowmove "$win" 0 0
  sleep 1
  for point in $1; do
    xdotool mousemove --window "$win" "${point%,*}" "${point#*,}" click 1
    sleep 0.3
  done
  sleep 1
  # The screen is black around the window: a black border, trimmed, leaves the window.
  import -window root "$2.screen.png"
  convert "$2.screen.png" -bordercolor black -border 1 -trim +repage "$2"
  rm -f "$2.screen.png"
  kill $pid $wm
' "$build" "$clicks" "$out"
echo "wrote $out"
