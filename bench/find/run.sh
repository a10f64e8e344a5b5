#!/usr/bin/env bash
# The find benchmark, on the 200 MB file the view and editing benchmarks
# share (made once in build/bench-data/): a search for a pattern the file
# does not hold, against "grep -c -F", and Replace All of a pattern that
# occurs about a million times, against "sed 's/.../.../g'" writing a copy.
# All are measured in the same run, from the page cache (medians). Targets:
# the failing search at most 3x grep's time; Replace All at most sed's time.
# The file after Replace All must equal sed's copy byte for byte. The last
# line prints both ratios; the script exits non-zero when a target is missed.
# Usage: bench/find/run.sh [FILE] (FILE must be that generator's file, or
# hold the patterns below in the same way).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
file="${1:-$(bash "$root/bench/lib/view-bench-file.sh")}"
cmake --build "$root/build" --target find_bench -j2 >/dev/null
bench="$root/build/bench/find/find_bench"
work="$root/build/bench-data/find"
mkdir -p "$work"

# The generator's lines repeat one character run after the record number:
# "needle" is not in it, "lsz" stands at a place about 39% of the lines reach.
absent=needle
pattern=lsz
replacement='LSZ!'

cat "$file" > /dev/null  # every program reads it from the page cache
now() { date +%s.%N; }
source "$root/bench/lib/stats.sh"

grep_times=()
for _ in 1 2 3 4 5; do
  t0=$(now); count=$(grep -c -F "$absent" "$file" || true); t1=$(now)
  [[ $count == 0 ]] || { echo "grep found \"$absent\" in $file" >&2; exit 1; }
  grep_times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
done
sed_times=()
for _ in 1 2 3; do
  t0=$(now); sed "s/$pattern/$replacement/g" "$file" > "$work/sed-copy"; t1=$(now)
  sed_times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
done

out=$("$bench" "$file" "$absent" "$pattern" "$replacement" "$work/tabulon-copy")
echo "$out"
our_search=$(sed -n 's/^search_seconds \([0-9.]*\) found \([01]\).*/\1/p' <<< "$out")
found=$(sed -n 's/^search_seconds [0-9.]* found \([01]\).*/\1/p' <<< "$out")
our_replace=$(sed -n 's/^replace_seconds \([0-9.]*\).*/\1/p' <<< "$out")
replaced=$(sed -n 's/^replace_seconds [0-9.]* replaced \([0-9]*\).*/\1/p' <<< "$out")
[[ $found == 0 ]] || { echo "tabulon found \"$absent\"" >&2; exit 1; }
cmp -s "$work/sed-copy" "$work/tabulon-copy" || { echo "Replace All differs from sed's copy" >&2; exit 1; }
rm -f "$work/sed-copy" "$work/tabulon-copy"

grep_median=$(printf '%s\n' "${grep_times[@]}" | median)
sed_median=$(printf '%s\n' "${sed_times[@]}" | median)
echo "failing search: tabulon $our_search s, grep -c -F $grep_median s"
echo "Replace All ($replaced replacements): tabulon $our_replace s, sed $sed_median s"
search_ratio=$(awk -v a="$our_search" -v b="$grep_median" 'BEGIN { printf "%.2f", a / b }')
replace_ratio=$(awk -v a="$our_replace" -v b="$sed_median" 'BEGIN { printf "%.2f", a / b }')
echo "search ratio (tabulon / grep, target <= 3): $search_ratio; replace ratio (tabulon / sed, target <= 1): $replace_ratio"
awk -v s="$search_ratio" -v r="$replace_ratio" 'BEGIN { exit !(s <= 3 && r <= 1) }'
