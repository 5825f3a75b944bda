#!/usr/bin/env bash
# On a machine with no settings beside the program yet, lays out a demo workspace under the
# build folder so a newcomer's first OK writes a real script: a CAD folder with its
# Brasswick subfolder, a drawing folder with an insertion-info file, and DrawPath.txt
# pointing at them. An existing DrawPath.txt is never touched.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
settings="$build/bin/DrawPath.txt"
[ -e "$settings" ] && exit 0
demo="$build/demo"
mkdir -p "$demo/cad/Brasswick" "$demo/drawings"
printf 'DEMO,2,1,1,1,[0]\r\n' > "$demo/drawings/BW_Info.txt"
printf '"%s/"\r\n"%s/"\r\n0\r\n.015\r\n' "$demo/cad" "$demo/drawings" > "$settings"
echo "Demo workspace laid out in $demo:"
echo "  scripts are written to $demo/cad/Brasswick/Brasswick.scr"
echo "  the insertion point is read from $demo/drawings/BW_Info.txt"
echo "Point the Settings tab at your AutoCAD LT and drawing folders to work for real."
