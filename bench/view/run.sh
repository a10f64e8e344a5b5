#!/usr/bin/env bash
# The view's benchmark at a 1280 x 1024 and a 3840 x 2160 pane: paint cost at
# the top and deep in a 200 MB file, the side panes, scrolling by a row and
# a page, and thumb scrolling against a walk of the list. Usage:
# bench/view/run.sh [FILE] (without FILE a 200 MB text file of 2.6 million
# records is made once in build/bench-data/). Needs the build in build/ and
# xvfb-run; the X screen holds the larger pane.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target view_bench -j2 >/dev/null
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 4000x2400x24" \
  "$root/build/bench/view/view_bench" "$file"
