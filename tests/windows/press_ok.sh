#!/usr/bin/env bash
# Runs inside a virtual display: starts brasswick.exe under Wine the way a user would find it
# (minimised at the end of start-up), restores it, and on the first tab chooses the 1/4 pin
# size and the 1 inch depth with key presses and presses OK.
# Usage: press_ok.sh PROGRAM_DIR INFO_FILE SCRIPT_FILE RESULT_FILE [ICON_FILE]
# RESULT_FILE gets "started", "script-changed" and "message-box" lines for what happened;
# ICON_FILE, when given, the window's _NET_WM_ICON as numbers (xprop).
set -uo pipefail
program=$1
info=$2
script=$3
result=$4
icon=${5:-}
X="timeout 10 xdotool"
: >"$result"

# twm restores the minimised window as a desktop would; placing new windows itself (not by
# asking for a click) keeps it from grabbing the display.
rc=$(mktemp)
printf 'RandomPlacement\nUsePPosition "on"\nNoTitle\n' >"$rc"
twm -f "$rc" >/dev/null 2>&1 &
wm=$!
sleep 0.5
before=$(md5sum <"$script")
(cd "$program" && exec wine brasswick.exe) >/dev/null 2>&1 &
app=$!
finish() {
    kill "$app" "$wm" 2>/dev/null
    wait "$app" 2>/dev/null
    rm -f "$rc"
}
trap finish EXIT

# Start-up consumes the info file, then minimises the window.
for _ in $(seq 300); do [[ -e "$info" ]] || break; sleep 0.2; done
win=""
for _ in $(seq 100); do
    win=$($X search --name '^Brasswick for AutoCAD LT$' 2>/dev/null | head -n1)
    [[ -n "$win" ]] && break
    sleep 0.2
done
if [[ -e "$info" || -z "$win" ]]; then
    echo "start-up did not finish (info file still there or no window)" >>"$result"
    exit 1
fi
echo started >>"$result"
[[ -n $icon ]] && timeout 10 xprop -id "$win" -notype -f _NET_WM_ICON 32c _NET_WM_ICON >"$icon"
sleep 1
$X windowmap "$win"
sleep 0.5
$X windowmove "$win" 0 0
$X windowfocus "$win"
sleep 1
# Focus starts on the page list; Tab passes "Draw Side", "Hidden" and "Zero" to the pin sizes
# (1/4 is the tenth), then the depths (1 is the seventh), then OK, and space presses it.
$X key --delay 120 Tab Tab Tab Tab Home Down Down Down Down Down Down Down Down Down \
    Tab Home Down Down Down Down Down Down Tab space
for _ in $(seq 50); do
    [[ "$(md5sum <"$script")" != "$before" ]] && break
    [[ -n "$($X search --name '^Brasswick$' 2>/dev/null)" ]] && break
    sleep 0.2
done
sleep 0.5
[[ "$(md5sum <"$script")" != "$before" ]] && echo script-changed >>"$result"
[[ -n "$($X search --name '^Brasswick$' 2>/dev/null)" ]] && echo message-box >>"$result"
exit 0
