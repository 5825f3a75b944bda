#!/usr/bin/env bash
# Runs every case of cli_cases.txt through the Linux brasswick-script and through
# brasswick-script.exe under Wine and compares standard output, standard error and the exit
# code byte for byte. Usage: compare_cli.sh LINUX_BIN_DIR WINDOWS_BIN_DIR
# WINEPREFIX must name a prepared prefix (run-windows-tests.sh sets it up).
set -uo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
cases=$(dirname "$0")/cli_cases.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# All Windows runs go through one batch file: starting Wine once instead of once per case
# takes the run from minutes to seconds. The cases hold no blank, quote, % or redirection
# inside an argument, so cmd passes each line's arguments on unchanged.
mapfile -t lines < <(grep -v -e '^#' -e '^[[:space:]]*$' "$cases")
exe=$(winepath -w "$windows/brasswick-script.exe")
{
    printf '@echo off\r\n'
    for i in "${!lines[@]}"; do
        # The redirection goes first: "echo 1>file" would read as a redirection of handle 1.
        printf '"%s" %s >w%d.out 2>w%d.err\r\n>w%d.code echo %%ERRORLEVEL%%\r\n' \
            "$exe" "${lines[$i]}" "$i" "$i" "$i"
    done
} >"$work/run.cmd"
(cd "$work" && wine cmd /c run.cmd </dev/null >/dev/null 2>&1)

failed=0
declare -A byCode=([0]=0 [1]=0 [2]=0)
for i in "${!lines[@]}"; do
    read -r -a args <<<"${lines[$i]}"
    "$linux/brasswick-script" "${args[@]}" >"$work/l.out" 2>"$work/l.err"
    lcode=$?
    wcode=$(tr -d '\r\n ' <"$work/w$i.code" 2>/dev/null)
    if [[ "$lcode" != "$wcode" ]] || ! cmp -s "$work/l.out" "$work/w$i.out" ||
        ! cmp -s "$work/l.err" "$work/w$i.err"; then
        failed=$((failed + 1))
        echo "DIFFERS: ${lines[$i]} (exit $lcode on Linux, '$wcode' under Wine)"
        diff <(od -c "$work/l.out") <(od -c "$work/w$i.out" 2>&1) | head -6
        diff <(od -c "$work/l.err") <(od -c "$work/w$i.err" 2>&1) | head -6
        continue
    fi
    byCode[$lcode]=$((${byCode[$lcode]:-0} + 1))
done
total=${#lines[@]}
echo "brasswick-script: $total cases, $((total - failed)) byte-identical under Wine" \
    "(${byCode[0]} scripts, ${byCode[1]} failed checks, ${byCode[2]} usage errors), $failed differ"
[[ $total -gt 0 && $failed -eq 0 ]]
