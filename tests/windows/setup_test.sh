#!/usr/bin/env bash
# The setup under Wine, as the Wine user (no administrator): a silent installation into the
# per-user Programs folder with its shortcut, uninstall entry, working folder and DrawPath.txt;
# the installed window started from there (no question asked, the info file consumed, an OK
# pressed with keys writing brasswick-script's bytes, the program's icon on its window);
# installing again keeping a changed DrawPath.txt; the silent uninstaller removing the program,
# the shortcut and the entry and leaving the designer's script and DXF files. Also the
# manifests: the programs' and the setup's.
# Usage: setup_test.sh LINUX_BIN_DIR SETUP_EXE WINDOWS_BUILD_DIR WORK_DIR
# WINEPREFIX must name a prepared prefix (see run-windows-tests.sh).
set -uo pipefail
linux=$(cd "$1" && pwd)
setup=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
windows=$(cd "$3" && pwd)
work=$4
here=$(cd "$(dirname "$0")" && pwd)
icon=$here/../../packaging/windows/brasswick.ico
failures=0
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brasswick'

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect() {  # expect DESCRIPTION COMMAND...
    local what=$1
    shift
    "$@" || fail "$what"
}
winvar() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix() { winepath -u "$1" 2>/dev/null; }
has_key() { wine reg query "$key" >/dev/null 2>&1; }

rm -rf "$work"
mkdir -p "$work"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")

# The manifests: both programs are per-monitor DPI aware, long-path aware, run as the invoker
# and name Windows 7 to 11; the setup asks for no administrator (NSIS: RequestExecutionLevel
# user writes asInvoker).
for exe in "$windows/bin/brasswick.exe" "$windows/bin/brasswick-script.exe"; do
    for word in 'level="asInvoker"' '>PerMonitorV2<' '>true</longPathAware>' \
        35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
        1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -qaF -- "$word" "$exe" || fail "$(basename "$exe"): no $word in its manifest"
    done
done
level=$(strings "$setup" | grep -o '<requestedExecutionLevel[^>]*>')
echo "setup's manifest: $level"
[[ $level == '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' ]] ||
    fail "the setup's manifest does not say asInvoker alone"

where="$(winvar LOCALAPPDATA)\\Programs\\Brasswick"
program=$(unix "$where")
menu=$(unix "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
documents=$(unix "$(winvar USERPROFILE)\\Documents")
if [[ $program != "$WINEPREFIX"/* || $documents != "$WINEPREFIX"/* || -L $documents ]]; then
    echo "the per-user folders must lie inside the Wine prefix: $program, $documents"
    exit 1
fi
# What an earlier run left (the uninstaller keeps DrawPath.txt and the designer's files).
rm -rf "$program" "$documents/Brasswick Drawings" "$menu/Brasswick.lnk"
wine reg delete "$key" /f >/dev/null 2>&1

# A silent installation.
wine "$setup" /S >/dev/null 2>&1 || fail "the setup /S ended with an error"
installed=$(cd "$program" 2>/dev/null && ls | sort | tr '\n' ' ')
packaged=$(cd "$windows/stage/Brasswick" && { ls; echo DrawPath.txt; echo uninstall.exe; } |
    sort | tr '\n' ' ')
echo "installed in $program: $installed"
[[ $installed == "$packaged" ]] || fail "installed files differ from the package: $packaged"
expect "no Start-menu shortcut" test -f "$menu/Brasswick.lnk"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | tr -s ' \t' ' ')
echo "$entry" | sed -n 's/^ //p'
for value in "DisplayName REG_SZ Brasswick" "DisplayVersion REG_SZ $version" \
    "DisplayIcon REG_SZ $where\\brasswick.exe,0" "Publisher REG_SZ Brasswick" \
    "InstallLocation REG_SZ $where" "NoModify REG_DWORD 0x1" "NoRepair REG_DWORD 0x1" \
    "UninstallString REG_SZ \"$where\\uninstall.exe\"" \
    "QuietUninstallString REG_SZ \"$where\\uninstall.exe\" /S"; do
    [[ $'\n'$entry$'\n' == *$'\n'" $value"$'\n'* ]] || fail "uninstall entry: no $value"
done
[[ $entry =~ EstimatedSize\ REG_DWORD\ 0x[1-9a-f] ]] || fail "uninstall entry: no size"

# DrawPath.txt names the working folder in the documents for both folders; it has its
# Brasswick subfolder.
settings=$program/DrawPath.txt
folder=$(head -n1 "$settings" | tr -d '\r"')
{
    printf '"%s"\r\n"%s"\r\n0\r\n.015\r\n' "$folder" "$folder"
} >"$work/expected-settings"
expect "DrawPath.txt is not the four lines naming the working folder" \
    cmp -s "$work/expected-settings" "$settings"
[[ $folder == *'\Brasswick Drawings\' ]] || fail "the working folder is $folder"
working=$(unix "$folder")
echo "working folder: $folder ($working)"
expect "no Brasswick folder in the working folder" test -d "$working/Brasswick"

# The installed window: no question, the info file consumed, an OK by keys, its icon.
info=$working/BW_Info.txt
script=$working/Brasswick/Brasswick.scr
printf 'CAD,2.5,3,7,.5,[WALLS]\r\n' >"$info"
printf 'Line 0,0 9,9 \r\n' >"$script"
wineserver --kill 2>/dev/null
wineserver --wait 2>/dev/null
xvfb-run -a -s "-screen 0 1100x720x24" "$here/press_ok.sh" "$program" "$info" "$script" \
    "$work/result.txt" "$work/icon.txt"
# Its Wine server belonged to the virtual display that is gone now.
wineserver --kill 2>/dev/null
wineserver --wait 2>/dev/null
echo "installed window: $(tr '\n' ' ' <"$work/result.txt")"
grep -qx started "$work/result.txt" || fail "the installed window did not start up"
grep -qx message-box "$work/result.txt" && fail "the installed window showed a message box"
"$linux/brasswick-script" ejector pin=.25 depth=1 base=2.5,3 layer=WALLS hidden-layer=0 \
    clearance=.015 >"$work/expected.scr"
expect "the installed window's script differs from brasswick-script's" \
    cmp -s "$work/expected.scr" "$script"
"$here/icon_check.py" "$icon" "$work/icon.txt" || fail "the window does not show the program's icon"

# While the window runs, the setup refuses (exit code 2) and the uninstaller leaves everything.
cat >"$work/running.sh" <<'EOS'
#!/usr/bin/env bash
(cd "$1" && exec wine brasswick.exe) >/dev/null 2>&1 &
for _ in $(seq 100); do
    timeout 5 xdotool search --name '^Brasswick for AutoCAD LT$' >/dev/null 2>&1 && break
    sleep 0.2
done
wine "$2" /S >/dev/null 2>&1
echo "setup exit code $?"
wine "$1/uninstall.exe" /S >/dev/null 2>&1
sleep 4  # the uninstaller runs from a copy of itself
wineserver --kill
EOS
chmod +x "$work/running.sh"
said=$(xvfb-run -a -s "-screen 0 1100x720x24" "$work/running.sh" "$program" "$setup")
echo "with the window running: $said"
wineserver --wait 2>/dev/null
[[ $said == "setup exit code 2" ]] || fail "the setup did not refuse while the window ran"
expect "the uninstaller removed the running program" test -f "$program/brasswick.exe"
expect "the uninstaller removed the entry while the window ran" has_key

# Installing again keeps a changed DrawPath.txt byte for byte.
printf '"%s"\r\n"%s"\r\nHIDDEN\r\n.02\r\n' "$folder" "$folder" >"$settings"
cp "$settings" "$work/changed-settings"
wine "$setup" /S >/dev/null 2>&1 || fail "the second setup /S ended with an error"
expect "installing again changed DrawPath.txt" cmp -s "$work/changed-settings" "$settings"

# The silent uninstaller runs from a copy of itself and returns at once: wait for its end.
printf '0\r\nSECTION\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n' >"$working/part.dxf"
cp "$working/part.dxf" "$working/Brasswick/Brasswick.dxf"
wine "$program/uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller /S ended with an error"
for _ in $(seq 60); do
    [[ -e $program/uninstall.exe ]] || has_key || break
    sleep 0.5
done
left=$(cd "$program" 2>/dev/null && ls | tr '\n' ' ')
echo "left in the program folder: ${left:-nothing}"
[[ $left == "DrawPath.txt " ]] || fail "the uninstaller left or took: $left"
expect "the uninstaller removed DrawPath.txt or changed it" \
    cmp -s "$work/changed-settings" "$settings"
[[ -e $menu/Brasswick.lnk ]] && fail "the uninstaller left the shortcut"
has_key && fail "the uninstaller left the uninstall entry"
for kept in "$script" "$working/part.dxf" "$working/Brasswick/Brasswick.dxf"; do
    expect "the uninstaller removed $kept" test -f "$kept"
done

echo "setup under Wine: $failures failure(s)"
[[ $failures == 0 ]]
