#!/usr/bin/env bash
# The editing benchmark: Ctrl+Page Down and Up, paging and typing deep in a
# 200 MB file, against one walk of its record list. Usage:
# bench/editing/run.sh [FILE] (without FILE the view benchmark's file in
# build/bench-data/ is used, made once).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-}"
if [[ -z "$file" ]]; then
  file="$root/build/bench-data/view-bench.txt"
  if [[ ! -s "$file" ]]; then
    mkdir -p "$(dirname "$file")"
    # Records of 20 to 130 printable bytes, DOS line ends: about 200 MB.
    awk 'BEGIN { srand(7); line = ""; for (i = 0; i < 130; i++) line = line sprintf("%c", 33 + (i * 7) % 90);
                 for (r = 0; r < 2600000; r++) printf "%07d %s\r\n", r, substr(line, 1, 12 + int(rand() * 110)) }' > "$file"
  fi
fi
cmake --build "$root/build" --target editing_bench -j2 >/dev/null
"$root/build/bench/editing/editing_bench" "$file"
