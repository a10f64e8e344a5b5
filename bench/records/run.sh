#!/usr/bin/env bash
# Load and save speed and peak memory of the record list on a 200 MB UNIX text
# file of 2.5 million lines, against vim opening the same file (and writing it
# with +w), measured alternately in the same run. The ratios are printed last:
# targets are load and save at least 2x faster than vim, and peak memory at
# most 2.2x the file size.
#   BENCH_ROUNDS=n   rounds to run (default 5); medians are reported
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --bench >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null
cmake --build build -j2 --target tabulon_bench >/dev/null
bench=build/bench/tabulon_bench
rounds=${BENCH_ROUNDS:-5}

mkdir -p bench/data
data=bench/data/lines.txt
if [[ ! -f $data ]]; then
  echo "Generating $data ..."
  $bench generate "$data"
fi
size=$(stat -c %s "$data")
lines=$(wc -l < "$data")
echo "File: $data, $size bytes, $lines lines"
cat "$data" > /dev/null   # both read it from the page cache

vim_cmd=(vim -u NONE -N -es -n)
vim_time=bench/data/vim-write-seconds

field() { sed -n "s/.*$1 \([0-9.]*\).*/\1/p"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

our_load=(); vim_load=(); our_save=(); vim_save=(); our_peak=(); vim_peak=()
for ((round = 1; round <= rounds; round++)); do
  out=$($bench load "$data")
  our_load+=("$(field seconds <<< "$out")"); our_peak+=("$(field peak_kb <<< "$out")")

  out=$($bench peer "${vim_cmd[@]}" "$data" +q)
  vim_load+=("$(field seconds <<< "$out")"); vim_peak+=("$(field peak_kb <<< "$out")")

  out=$($bench save "$data")
  our_save+=("$(field seconds <<< "$out")")
  cmp -s "$data" "$data.bak" || { echo "Saved file differs from the loaded one" >&2; exit 1; }

  rm -f "$vim_time"
  $bench peer "${vim_cmd[@]}" "$data" '+let g:t = reltime()' +w \
    "+call writefile([reltimestr(reltime(g:t))], '$vim_time')" +q > /dev/null
  vim_save+=("$(tr -d ' ' < "$vim_time")")
  cmp -s "$data" "$data.bak" || { echo "vim changed the file" >&2; exit 1; }

  printf 'round %d: load %s s (vim %s s), save %s s (vim write %s s)\n' "$round" \
    "${our_load[-1]}" "${vim_load[-1]}" "${our_save[-1]}" "${vim_save[-1]}"
done
rm -f "$data.bak" "$vim_time"

m_our_load=$(printf '%s\n' "${our_load[@]}" | median)
m_vim_load=$(printf '%s\n' "${vim_load[@]}" | median)
m_our_save=$(printf '%s\n' "${our_save[@]}" | median)
m_vim_save=$(printf '%s\n' "${vim_save[@]}" | median)
m_our_peak=$(printf '%s\n' "${our_peak[@]}" | median)
m_vim_peak=$(printf '%s\n' "${vim_peak[@]}" | median)

echo
echo "Medians of $rounds rounds:"
echo "  load: tabulon $m_our_load s, vim $m_vim_load s"
echo "  save: tabulon $m_our_save s, vim write $m_vim_save s"
echo "  peak memory: tabulon $m_our_peak KiB, vim $m_vim_peak KiB, file $((size / 1024)) KiB"
awk -v a="$m_vim_load" -v b="$m_our_load" 'BEGIN { printf "load ratio (vim / tabulon, target >= 2): %.2f\n", a / b }'
awk -v a="$m_vim_save" -v b="$m_our_save" 'BEGIN { printf "save ratio (vim / tabulon, target >= 2): %.2f\n", a / b }'
awk -v p="$m_our_peak" -v s="$size" 'BEGIN { printf "memory ratio (tabulon peak / file size, target <= 2.2): %.2f\n", p * 1024 / s }'
