#!/usr/bin/env bash
# One Brasswick at a time, built for Windows, under Wine on a virtual display: a running
# brasswick.exe waits minimised; a second start hands over to it and ends at once, and the
# first comes back on screen; then the same with an info file left in between, as BWPLACE
# leaves one before it starts Brasswick, which the first reads.
# Usage: handover_test.sh UNZIPPED_BRASSWICK_DIR WORK_DIR
# WINEPREFIX must name a prepared prefix (see run-windows-tests.sh).
set -uo pipefail
if [[ -z ${DISPLAY:-} ]]; then
    wineserver --kill 2>/dev/null
    wineserver --wait 2>/dev/null
    exec xvfb-run -a -s "-screen 0 1100x720x24" "$0" "$@"
fi
package=$(cd "$1" && pwd)
root=$2
X="timeout 10 xdotool"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$root"
program="$root/Brass wick" cad="$root/cad" drawings="$root/drawings"
mkdir -p "$program" "$cad/Brasswick" "$drawings"
cp -r "$package"/. "$program"/
printf '"%s\\"\r\n"%s\\"\r\nHID\r\n.015\r\n' "$(winepath -w "$cad")" "$(winepath -w "$drawings")" \
    >"$program/DrawPath.txt"
printf 'A,2,1,0,1,[FIRST]\r\n' >"$drawings/BW_Info.txt"

rc=$(mktemp)
printf 'RandomPlacement\nUsePPosition "on"\nNoTitle\n' >"$rc"
# twm finds its fonts only in the C locale; it minimises and restores as a desktop would.
LC_ALL=C LANG=C twm -f "$rc" >/dev/null 2>&1 &
wm=$!
(cd "$program" && exec wine brasswick.exe) >/dev/null 2>&1 &
first=$!
finish() {
    kill "$first" "$wm" 2>/dev/null
    wait "$first" 2>/dev/null
    rm -f "$rc"
}
trap finish EXIT

# The window manager's word for the window: Normal, Iconic (minimised), or nothing yet.
state() {
    local w
    for w in $($X search --name '^Brasswick for AutoCAD LT$' 2>/dev/null); do
        xprop -id "$w" WM_STATE 2>/dev/null | grep -o -m1 -E 'Normal|Iconic' && return
    done
}
win=""
for _ in $(seq 150); do
    win=$($X search --name '^Brasswick for AutoCAD LT$' 2>/dev/null | head -n1)
    [[ -n $win && ! -e "$drawings/BW_Info.txt" ]] && break
    sleep 0.2
done
[[ -n $win ]] || { echo "FAIL: the first brasswick.exe did not start"; exit 1; }
sleep 1
[[ "$(state)" == Iconic ]] || fail "the first window is not minimised after start-up: $(state)"
[[ -n "$($X search --name '^Brasswick$' 2>/dev/null)" ]] && fail "a message box is open"

for round in "second start" "second start after a new point"; do
    [[ $round == *point ]] && printf 'A,5,5,0,1,[SECOND]\r\n' >"$drawings/BW_Info.txt"
    (cd "$program" && exec timeout 60 wine brasswick.exe) >/dev/null 2>&1 &
    second=$!
    wait "$second"
    status=$?
    [[ $status == 0 ]] || fail "$round: the second brasswick.exe ended with $status"
    kill -0 "$first" 2>/dev/null || fail "$round: the first brasswick.exe is gone"
    shown=""
    for _ in $(seq 50); do
        shown=$(state)
        [[ $shown == Normal ]] && break
        sleep 0.2
    done
    [[ $shown == Normal ]] || fail "$round: the first window did not come back ($shown)"
    [[ -e "$drawings/BW_Info.txt" ]] && fail "$round: the new info file was not read"
    echo "$round: the second ended with $status, the first window is ${shown:-gone}"
    $X windowminimize "$win"
    for _ in $(seq 25); do [[ "$(state)" == Iconic ]] && break; sleep 0.2; done
done

echo "hand-over under Wine: $failures failure(s)"
[[ $failures == 0 ]]
