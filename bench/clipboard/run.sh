#!/usr/bin/env bash
# The clipboard benchmark: Copy, then Paste, of 250,000 and of 2,500,000
# records of the 200 MB file through the clipboard codec and holder.
# Usage: bench/clipboard/run.sh [FILE] (without FILE the view benchmark's
# file in build/bench-data/ is used, made once).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target clipboard_bench -j2 >/dev/null
"$root/build/bench/clipboard/clipboard_bench" "$file"
