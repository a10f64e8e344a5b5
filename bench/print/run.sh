#!/usr/bin/env bash
# The printing benchmark: pages 1 to 50 and page 10,000 of a 200 MB file laid
# out and drawn into a PostScript file, against one paint of the view's data
# pane in the same run. Usage: bench/print/run.sh [FILE] (without FILE the
# view benchmark's file in build/bench-data/ is used, made once). Needs the
# build in build/ and xvfb-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target print_bench -j2 >/dev/null
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1600x1300x24" \
  "$root/build/bench/print/print_bench" "$file" "$root/build/bench-data/print-bench.ps"
