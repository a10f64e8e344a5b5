#!/usr/bin/env bash
# Prints the path of the 200 MB text file the view and editing benchmarks
# share (2.6 million records of 20 to 130 printable bytes, DOS line ends),
# making it once in build/bench-data/.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="$root/build/bench-data/view-bench.txt"
if [[ ! -s "$file" ]]; then
  mkdir -p "$(dirname "$file")"
  awk 'BEGIN { srand(7); line = ""; for (i = 0; i < 130; i++) line = line sprintf("%c", 33 + (i * 7) % 90);
               for (r = 0; r < 2600000; r++) printf "%07d %s\r\n", r, substr(line, 1, 12 + int(rand() * 110)) }' > "$file"
fi
echo "$file"
