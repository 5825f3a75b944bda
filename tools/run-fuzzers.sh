#!/usr/bin/env bash
# Runs every fuzz target for a fixed time on a copy of its seed corpus; any crash, hang or
# sanitizer report fails the run.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "$build"/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$work/$name"
  if [ -d "$root/fuzz/corpus/$name" ]; then cp -r "$root/fuzz/corpus/$name/." "$work/$name/"; fi
  # The shipped tables are the seeds of the table loaders' target.
  if [ "$name" = table_files ]; then
    find "$root/data" -maxdepth 1 -type f ! -name '*.md' -exec cp {} "$work/$name/" \;
  fi
  echo "== fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$work/$name-" "$work/$name" >"$work/$name.log" 2>&1; then
    tail -n 40 "$work/$name.log"
    echo "fuzz target $name FAILED"
    status=1
  else
    grep -E '^Done [0-9]+ runs' "$work/$name.log" || tail -n 1 "$work/$name.log"
  fi
done
exit $status
