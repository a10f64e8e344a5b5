#!/usr/bin/env bash
# The view's benchmark: paint cost at the top and deep in a 200 MB file, and
# thumb scrolling against a walk of the list. Usage: bench/view/run.sh [FILE]
# (without FILE a 200 MB text file of 2.6 million records is made once in
# build/bench-data/). Needs the build in build/ and xvfb-run.
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
cmake --build "$root/build" --target view_bench -j2 >/dev/null
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1600x1300x24" \
  "$root/build/bench/view/view_bench" "$file"
