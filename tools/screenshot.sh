#!/usr/bin/env bash
# Takes docs/window.png: the real program under Xvfb, restored from its minimised start the
# way a user would bring it back, on the tab given (default 0).
# Needs: xvfb, xdotool, imagemagick (apt-get install xvfb xdotool imagemagick).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
tab=${2:-0}
out=${3:-docs/window.png}
mkdir -p "$(dirname "$out")"
"$(dirname "$0")/demo-workspace.sh" "$build" >/dev/null
xvfb-run -a -s "-screen 0 1100x720x24" bash -c '
  "$0/bin/brasswick" & pid=$!
  for i in $(seq 50); do
    win=$(xdotool search --name "Brasswick for AutoCAD LT" 2>/dev/null | head -n1) && [ -n "$win" ] && break
    sleep 0.2
  done
  sleep 1
  xdotool windowmap "$win" windowmove "$win" 0 0 windowsize "$win" 1100 720
  sleep 1
  for i in $(seq "$1"); do xdotool key --window "$win" ctrl+Tab; done
  sleep 1
  import -window root "$2"
  kill $pid
' "$build" "$tab" "$out"
echo "wrote $out"
