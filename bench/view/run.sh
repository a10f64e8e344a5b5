#!/usr/bin/env bash
# The view's benchmark: paint cost at the top and deep in a 200 MB file, and
# thumb scrolling against a walk of the list. Usage: bench/view/run.sh [FILE]
# (without FILE a 200 MB text file of 2.6 million records is made once in
# build/bench-data/). Needs the build in build/ and xvfb-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target view_bench -j2 >/dev/null
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1600x1300x24" \
  "$root/build/bench/view/view_bench" "$file"
