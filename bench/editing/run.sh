#!/usr/bin/env bash
# The editing benchmark: Ctrl+Page Down and Up, paging and typing deep in a
# 200 MB file, against one walk of its record list. Usage:
# bench/editing/run.sh [FILE] (without FILE the view benchmark's file in
# build/bench-data/ is used, made once).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target editing_bench -j2 >/dev/null
"$root/build/bench/editing/editing_bench" "$file"
