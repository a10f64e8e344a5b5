#!/usr/bin/env bash
# Works the program by hand, as a user would, on a file past 4 GiB: opens it
# from the command line, Jumps to the last record, types a byte at its end
# and saves; then checks that the saved file differs from the original in
# that byte only. On the way it leaves screenshots in the output folder:
# Properties (the record and byte counts), and the window at the first
# record and after the thumb of the vertical bar was dragged from the top
# to the bottom (the last record must show). Too large for the test run; run it by hand:
#   scripts/check-large-file.sh [OUTPUT_FOLDER]
# The file (about 4.9 GB, 81,500,000 lines) is made once in bench/data/;
# the work copy and the .bak take as much again. The machine needs about
# 9 GB of free memory.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-build/large-check}")

source bench/lib/under-display.sh "$@"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null
cmake --build build -j2 --target tabulon large_bench >/dev/null
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
mkdir -p "$out" bench/data
rm -rf "${out:?}"/*
export TABULON_REGISTRY=$out/registry.reg

lines=81500000
original=bench/data/large-4.5GiB.txt
[[ -f $original ]] || { echo "Generating $original ..."; build/bench/open/large_bench generate "$original" "$lines"; }
size=$(stat -c %s "$original")
(( size > 4831838208 )) || { echo "$original is not past 4.5 GiB" >&2; exit 1; }
work=$out/large.txt
cp "$original" "$work"
echo "$work: $size bytes, $lines lines"

shot() { import -window root "$out/$1.png"; echo "screenshot $out/$1.png"; }
fail() { echo "FAILED: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }
# The program's window named $1, within $2 seconds.
window() {
  local w=
  for _ in $(seq $(( $2 * 10 ))); do
    w=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n1) || true
    [[ -n $w ]] && break
    sleep 0.1
  done
  echo "$w"
}
# Waits until the program has used no processor time for a second.
idle() {
  local before after
  for _ in $(seq 600); do
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep 1
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    [[ $before == "$after" ]] && return 0
  done
  fail "the program stayed busy"
}

start=$(date +%s.%N)
build/tabulon "$work" >"$out/program.log" 2>&1 &
pid=$!
main=$(window "large.txt - " 600)
[[ -n $main ]] || fail "the window did not show"
idle
echo "opened in $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s - 1 }') s," \
  "peak memory $(awk '/VmHWM/ { print $2, $3 }' "/proc/$pid/status")"
xdotool windowsize --sync "$main" 1000 700
xdotool windowfocus --sync "$main"
sleep 0.5

# Jump to the last record, its number typed into the Value box.
xdotool key --window "$main" ctrl+j
jump=$(window "^Jump$" 20)
[[ -n $jump ]] || fail "no Jump dialog"
xdotool windowfocus --sync "$jump"
xdotool key Tab ctrl+a
xdotool type "$lines"
xdotool key Return
sleep 1
shot jumped
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key End
xdotool type Z
sleep 0.5
shot typed
xdotool key ctrl+s
for _ in $(seq 600); do
  [[ $(stat -c %s "$work") == $(( size + 1 )) ]] && break
  sleep 0.5
done
idle
[[ $(stat -c %s "$work") == $(( size + 1 )) ]] || fail "the saved file has $(stat -c %s "$work") bytes"
cmp -n $(( size - 1 )) "$original" "$work" || fail "the saved file differs before the typed byte"
[[ $(tail -c 2 "$work" | od -An -c | tr -d ' ') == 'Z\n' ]] || fail "the saved file does not end in Z and a line feed"
echo "saved: the file differs from the original by the one byte typed at the end of the last record"

xdotool windowfocus --sync "$main"
xdotool key ctrl+r
props=$(window "^Properties$" 20)
[[ -n $props ]] || fail "no Properties dialog"
sleep 1
shot properties
xdotool windowfocus --sync "$props"
xdotool key Escape
sleep 0.5

# The thumb from the top to the bottom of the bar, at the window's right
# edge (the bar runs from below the ruler to above the horizontal bar).
xdotool windowfocus --sync "$main"
xdotool key ctrl+Prior
sleep 0.5
shot top
eval "$(xdotool getwindowgeometry --shell "$main")"
barX=$(( X + WIDTH - 7 ))
xdotool mousemove --sync "$barX" $(( Y + ${BAR_TOP:-100} )) mousedown 1
for step in $(seq 1 20); do
  xdotool mousemove --sync "$barX" $(( Y + ${BAR_TOP:-100} + step * (HEIGHT - ${BAR_TOP:-100}) / 20 ))
done
xdotool mouseup 1
sleep 1
shot thumb-at-bottom

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "Look at properties.png (counts) and thumb-at-bottom.png (the last record, $lines, at the bottom)."
