#!/usr/bin/env bash
# The window built for Windows, under Wine on a virtual display: with DrawPath.txt beside it,
# BW_Info.txt in the drawing folder and an older script, start-up consumes the info file and
# an OK pressed with keys replaces the script with exactly the bytes brasswick-script prints
# for the same inputs. Then the same with folders named with non-ASCII letters (and a layer
# name in the ANSI code page), and with a read-only script, which must stay as it was.
# Usage: window_test.sh LINUX_BIN_DIR UNZIPPED_BRASSWICK_DIR WORK_DIR
# WINEPREFIX must name a prepared prefix. Wine reads Unix file names in the locale's character
# set, so the locale must be a UTF-8 one that exists here (C.UTF-8); its Windows side is
# English (United States) with the ANSI code page 1252.
set -uo pipefail
linux=$(cd "$1" && pwd)
package=$(cd "$2" && pwd)
work=$3
here=$(cd "$(dirname "$0")" && pwd)
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run_case NAME PROGRAM_SUBDIR CAD_SUBDIR DRAWING_SUBDIR LAYER_UTF8 READ_ONLY
run_case() {
    local name=$1 layer=$5 readOnly=$6
    local root="$work/$name"
    rm -rf "$root"
    local program="$root/$2" cad="$root/$3" drawings="$root/$4"
    mkdir -p "$program" "$cad/Brasswick" "$drawings"
    cp -r "$package"/. "$program"/
    # DrawPath.txt as a Windows machine writes it: quoted paths with backslashes, CR LF, bytes
    # in the ANSI code page.
    {
        printf '"%s\\"\r\n' "$(winepath -w "$cad")"
        printf '"%s\\"\r\n' "$(winepath -w "$drawings")"
        printf 'HID\r\n.015\r\n'
    } | iconv -f UTF-8 -t CP1252 >"$program/DrawPath.txt"
    printf 'CAD,2.5,3,7,.5,[%s]\r\n' "$layer" | iconv -f UTF-8 -t CP1252 >"$drawings/BW_Info.txt"
    local script="$cad/Brasswick/Brasswick.scr"
    printf 'Line 0,0 9,9 \r\nLine 9,9 0,9 \r\nLine 0,9 0,0 \r\n' >"$script"
    local old
    old=$(od -An -tx1 "$script")
    [[ $readOnly == 1 ]] && chmod 444 "$script"

    local result="$root/result.txt"
    # A wineserver left from a run without a display (the command-line cases) would make the
    # window's desktop there, where no window can be drawn: each case starts its own.
    wineserver --kill 2>/dev/null
    wineserver --wait 2>/dev/null
    xvfb-run -a -s "-screen 0 1100x720x24" "$here/press_ok.sh" "$program" \
        "$drawings/BW_Info.txt" "$script" "$result"
    echo "$name: $(tr '\n' ' ' <"$result")"
    grep -qx started "$result" || { fail "$name: the window did not start up"; return; }
    [[ -e "$drawings/BW_Info.txt" ]] && fail "$name: BW_Info.txt was not consumed at start-up"
    local leftovers
    # Beside the script only the companion for the CAD side, naming this script.
    LC_ALL=C grep -qF "$(winepath -w "$script" | sed 's/\\/\\\\/g' | iconv -f UTF-8 -t CP1252)" \
        "$cad/Brasswick/Brasswick.lsp" ||
        fail "$name: no Brasswick.lsp naming the script beside it"
    leftovers=$(find "$cad/Brasswick" -mindepth 1 ! -name Brasswick.scr ! -name Brasswick.lsp | wc -l)
    [[ $leftovers == 0 ]] || fail "$name: $leftovers stray file(s) beside the script"

    if [[ $readOnly == 1 ]]; then
        [[ "$(od -An -tx1 "$script")" == "$old" ]] || fail "$name: the read-only script changed"
        grep -qx message-box "$result" || fail "$name: no message box for the failed write"
        chmod 644 "$script"
        return
    fi
    # The same inputs through the Linux command line; the layer goes as the same bytes.
    local expected="$root/expected.scr"
    "$linux/brasswick-script" ejector pin=.25 depth=1 base=2.5,3 \
        "layer=$(printf '%s' "$layer" | iconv -f UTF-8 -t CP1252)" hidden-layer=HID \
        clearance=.015 >"$expected"
    if cmp -s "$expected" "$script"; then
        echo "$name: script identical to brasswick-script's ($(wc -l <"$script") lines," \
            "$(wc -c <"$script") bytes)"
    else
        fail "$name: the script differs from brasswick-script's"
        diff <(od -c "$expected") <(od -c "$script") | head -10
    fi
    if grep -q $'\r\r' "$script"; then fail "$name: CR CR LF in the script"; fi
}

run_case plain prog cad drawings WALLS 0
run_case non-ascii "Programme Jürgen/Brasswick" "Jürgen/AutoCAD LT" "Jürgen/Zeichnungen" Wände 0
run_case read-only prog cad drawings WALLS 1

echo "window under Wine: 3 cases, $failures failure(s)"
[[ $failures == 0 ]]
