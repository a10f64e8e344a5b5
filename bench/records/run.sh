#!/usr/bin/env bash
# The records benchmark: load and save speed and peak memory of the record list on a 200 MB UNIX text
# file of 2.5 million lines, against vim opening the same file (and writing it
# with +w), measured alternately in the same run. The ratios are printed last:
# targets are load and save at least 2x faster than vim, and peak memory at
# most 2.2x the file size; the script exits non-zero when one is missed.
#
# Every measured command starts from the same state: the disk flushed, and
# memory the system has at hand (see "warm" in LoadSaveBench.cpp). A few
# extra rounds start both programs with cold memory instead, as after a long
# idle time on a virtual machine, and are reported beside.
#   BENCH_ROUNDS=n       warm rounds (default 5); medians are reported
#   BENCH_COLD_ROUNDS=n  cold rounds (default 2; 0 skips them)
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh --bench >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null
cmake --build build -j2 --target records_bench >/dev/null
bench=build/bench/records/records_bench
rounds=${BENCH_ROUNDS:-5}
cold_rounds=${BENCH_COLD_ROUNDS:-2}

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

warm() { sync; $bench warm 640; }
cold() { sync; sleep 4; }
source bench/lib/stats.sh

# One round: our load, vim's load, our save, vim's write; each after $1.
# Appends to the arrays our_load, vim_load, our_save, vim_save, our_peak,
# vim_peak.
round() {
  local prepare=$1 out
  $prepare; out=$($bench load "$data")
  our_load+=("$(field seconds <<< "$out")"); our_peak+=("$(field peak_kb <<< "$out")")

  $prepare; out=$($bench peer "${vim_cmd[@]}" "$data" +q)
  vim_load+=("$(field seconds <<< "$out")"); vim_peak+=("$(field peak_kb <<< "$out")")

  $prepare; out=$($bench save "$data")
  our_save+=("$(field seconds <<< "$out")")
  cmp -s "$data" "$data.bak" || { echo "Saved file differs from the loaded one" >&2; exit 1; }

  rm -f "$vim_time"
  $prepare; $bench peer "${vim_cmd[@]}" "$data" '+let g:t = reltime()' +w \
    "+call writefile([reltimestr(reltime(g:t))], '$vim_time')" +q > /dev/null
  vim_save+=("$(tr -d ' ' < "$vim_time")")
  cmp -s "$data" "$data.bak" || { echo "vim changed the file" >&2; exit 1; }

  printf '%s round: load %s s (vim %s s), save %s s (vim write %s s)\n' "$prepare" \
    "${our_load[-1]}" "${vim_load[-1]}" "${our_save[-1]}" "${vim_save[-1]}"
}

summarise() {
  m_our_load=$(printf '%s\n' "${our_load[@]}" | median)
  m_vim_load=$(printf '%s\n' "${vim_load[@]}" | median)
  m_our_save=$(printf '%s\n' "${our_save[@]}" | median)
  m_vim_save=$(printf '%s\n' "${vim_save[@]}" | median)
  m_our_peak=$(printf '%s\n' "${our_peak[@]}" | median)
  m_vim_peak=$(printf '%s\n' "${vim_peak[@]}" | median)
}

cold_summary=""
if ((cold_rounds > 0)); then
  our_load=(); vim_load=(); our_save=(); vim_save=(); our_peak=(); vim_peak=()
  for ((i = 1; i <= cold_rounds; i++)); do round cold; done
  summarise
  cold_summary="cold memory ($cold_rounds rounds): load $m_our_load s vs vim $m_vim_load s (ratio $(ratio "$m_vim_load" "$m_our_load")), save $m_our_save s vs vim write $m_vim_save s (ratio $(ratio "$m_vim_save" "$m_our_save"))"
fi

our_load=(); vim_load=(); our_save=(); vim_save=(); our_peak=(); vim_peak=()
for ((i = 1; i <= rounds; i++)); do round warm; done
summarise
rm -f "$data.bak" "$vim_time"

echo
[[ -n $cold_summary ]] && echo "$cold_summary"
echo "Medians of $rounds rounds:"
echo "  load: tabulon $m_our_load s, vim $m_vim_load s"
echo "  save: tabulon $m_our_save s, vim write $m_vim_save s"
echo "  peak memory: tabulon $m_our_peak KiB, vim $m_vim_peak KiB, file $((size / 1024)) KiB"
load_ratio=$(ratio "$m_vim_load" "$m_our_load")
save_ratio=$(ratio "$m_vim_save" "$m_our_save")
memory_ratio=$(awk -v p="$m_our_peak" -v s="$size" 'BEGIN { printf "%.2f", p * 1024 / s }')
echo "load ratio (vim / tabulon, target >= 2): $load_ratio"
echo "save ratio (vim / tabulon, target >= 2): $save_ratio"
echo "memory ratio (tabulon peak / file size, target <= 2.2): $memory_ratio"
awk -v l="$load_ratio" -v s="$save_ratio" -v m="$memory_ratio" 'BEGIN { exit !(l >= 2 && s >= 2 && m <= 2.2) }'
