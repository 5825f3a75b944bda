#!/usr/bin/env bash
# make test-windows: the Windows build's tests under Wine.
# Usage: run-windows-tests.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR
set -uo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
dist=$here/../../dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
zip=$dist/brasswick-$version-windows-x64.zip

export WINEPREFIX=$windows/wineprefix WINEDEBUG=-all
# Wine reads Unix file names in the locale's character set: a UTF-8 locale that every Debian
# has. Its Windows side is English (United States), ANSI code page 1252.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY

status=0
step() {
    local name=$1
    shift
    local t0=$SECONDS
    if "$@"; then
        echo "== $name: passed in $((SECONDS - t0))s"
    else
        echo "== $name: FAILED after $((SECONDS - t0))s"
        status=1
    fi
}

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    t0=$SECONDS
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    echo "== Wine prefix created in $((SECONDS - t0))s ($WINEPREFIX)"
fi
# Wine links the user's Documents, Desktop and the like to the Unix home; the tests (the
# setup's working folder) must write inside the prefix only, so each link becomes a folder.
find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type l | while read -r link; do
    rm "$link" && mkdir "$link"
done
# One Wine server for all the runs below, ended at the close.
wineserver --persistent=60
trap 'wineserver --kill' EXIT

# A separate run of the tests on the unzipped package, as the user gets it.
package=$windows/unzipped
rm -rf "$package"
mkdir -p "$package"
unzip -q "$zip" -d "$package" || { echo "cannot unzip $zip (run make windows)"; exit 1; }

step "core and command-line tests (core_tests.exe)" \
    wine "$windows/tests/core_tests.exe" --gtest_brief=1
step "brasswick-script.exe against brasswick-script" \
    "$here/compare_cli.sh" "$linux/bin" "$package/Brasswick"
step "the window (brasswick.exe on Xvfb, keys by xdotool)" \
    "$here/window_test.sh" "$linux/bin" "$package/Brasswick" "$windows/wintest"
step "the setup (install, the installed window, install again, uninstall)" \
    "$here/setup_test.sh" "$linux/bin" "$dist/brasswick-setup-x64.exe" "$windows" \
    "$windows/setuptest"
step "one Brasswick at a time (a second brasswick.exe hands over)" \
    "$here/handover_test.sh" "$package/Brasswick" "$windows/handover"
exit $status
