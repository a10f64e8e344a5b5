#!/usr/bin/env bash
# The large-file benchmark: files of a size of choice (BENCH_SIZES, default
# "200M 6G"), each of lines of 60 bytes on average (6G: 100 million lines,
# past 4 GiB), made once in bench/data/. For each size:
#   - opening end to end (`tabulon FILE` to the first paint of its records)
#     against `vim -u NONE -N -es -n FILE +q`, alternately, from the page
#     cache; and the program's peak private memory on the way. Before each
#     start as much memory as the program will take is touched and freed
#     (records_bench warm): on a virtual machine the first touch of memory
#     its host took back costs many times the program's own work, and would
#     measure the host instead;
#   - Ctrl+Page Down (to the last record), a Jump to the last record and
#     thumb drags all over the bar, each with its repaint (large_bench);
#   - Replace All of a pattern with about a million matches against
#     `sed s/.../.../g` writing a copy (the results must be equal);
#   - saving the unedited file against a flushed copy (dd conv=fsync).
# Targets: opening at least 2x faster than vim (medians); peak private
# memory at most the file plus 40 bytes a record; each far move with its
# repaint under 100 ms; Replace All no slower than sed; the save at most 2x
# the copy. A size the machine has not the memory for (the file twice over
# plus 40 bytes a line, for vim and for the page cache) is skipped with a
# note. The last lines print each size's ratios; the script exits non-zero
# when a target is missed.
#   BENCH_SIZES="200M 6G"  sizes (M or G: 10^6 or 10^9 bytes)
#   BENCH_ROUNDS=n         open rounds (default 3)
set -euo pipefail
cd "$(dirname "$0")/../.."

source bench/lib/under-display.sh "$@"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null
cmake --build build -j2 --target tabulon open_bench records_bench large_bench >/dev/null
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 TABULON_REGISTRY=/nonexistent/bench.reg
open_bench=build/bench/open/open_bench
records_bench=build/bench/records/records_bench
large_bench=build/bench/open/large_bench
rounds=${BENCH_ROUNDS:-3}
source bench/lib/stats.sh
mkdir -p bench/data
now() { date +%s.%N; }
since() { awk -v s="$1" -v e="$(now)" 'BEGIN { printf "%.3f", e - s }'; }
check() { awk -v v="$1" -v t="$2" -v op="$3" 'BEGIN { exit !((op == ">=") ? v >= t : v <= t) }'; }

status=0
summaries=()
for size in ${BENCH_SIZES:-200M 6G}; do
  case $size in
    *G) bytes=$(( ${size%G} * 1000000000 )) ;;
    *M) bytes=$(( ${size%M} * 1000000 )) ;;
    *) echo "BENCH_SIZES: $size is not like 200M or 6G" >&2; exit 2 ;;
  esac
  lines=$(( bytes / 60 ))
  available_kb=$(sed -n 's/^MemAvailable: *\([0-9]*\) kB/\1/p' /proc/meminfo)
  need_kb=$(( (2 * bytes + 40 * lines) / 1024 ))
  if (( available_kb < need_kb )); then
    summaries+=("$size: SKIPPED, $(( available_kb / 1048576 )) GiB available, $(( need_kb / 1048576 )) GiB needed")
    continue
  fi
  data=bench/data/large-$size.txt
  [[ -f $data ]] || { echo "Generating $data ..."; $large_bench generate "$data" "$lines"; sync; }  # on disk before anything is timed
  size_kb=$(( $(stat -c %s "$data") / 1024 ))
  records=$(wc -l < "$data")
  echo "== $size: $data, $(stat -c %s "$data") bytes, $records lines; load $(cut -d' ' -f1-3 /proc/loadavg)"
  cat "$data" > /dev/null   # every program reads it from the page cache
  export BENCH_TIMEOUT=$(( 120 + bytes / 20000000 ))

  warm_mib=$(( (bytes + 40 * lines) / 1048576 + 256 ))
  warm() { sync; $records_bench warm "$warm_mib"; }
  open_rounds "$open_bench" warm "$data" "$rounds"

  warm; out=$($large_bench run "$data" XYZZY Q "$data.ours")
  echo "$out"
  field_of() { sed -n "s/^$1 \([0-9.]*\)$/\1/p" <<< "$out"; }
  start=$(now); sed 's/XYZZY/Q/g' "$data" > "$data.sed"; sed_seconds=$(since "$start")
  cmp -s "$data.sed" "$data.ours" || { echo "Replace All differs from sed's copy" >&2; status=1; }
  rm -f "$data.sed" "$data.ours"

  # Both writers get memory at hand for the new file's pages in the cache.
  file_mib=$(( bytes / 1048576 + 64 ))
  warm; save=$($records_bench save "$data" "$file_mib" | field seconds)
  cmp -s "$data" "$data.bak" || { echo "Saved file differs from the loaded one" >&2; status=1; }
  rm -f "$data.bak"
  sync; $records_bench warm "$file_mib"
  start=$(now); dd if="$data" of="$data.copy" bs=1M conv=fsync status=none; copy=$(since "$start")
  rm -f "$data.copy"

  m_ours=$(printf '%s\n' "${ours[@]}" | median)
  m_vim=$(printf '%s\n' "${vims[@]}" | median)
  peak=$(printf '%s\n' "${peaks[@]}" | sort -g | tail -1)
  budget_kb=$(( size_kb + 40 * records / 1024 ))
  far=$(printf '%s\n' "$(field_of ctrl_page_down_ms)" "$(field_of jump_to_last_ms)" "$(field_of thumb_drag_ms)" | sort -g | tail -1)
  speed=$(ratio "$m_vim" "$m_ours")
  memory=$(ratio "$peak" "$budget_kb")
  replace=$(ratio "$(field_of replace_seconds)" "$sed_seconds")
  saving=$(ratio "$save" "$copy")
  ok=1
  check "$speed" 2 ">=" || ok=0
  check "$memory" 1 "<=" || ok=0
  check "$far" 100 "<=" || ok=0
  check "$replace" 1 "<=" || ok=0
  check "$saving" 2 "<=" || ok=0
  [[ $(field_of last_record_shown) == 1 ]] || ok=0
  (( ok )) || status=1
  echo "open: tabulon median $m_ours s, vim median $m_vim s; peak private $peak kB of $budget_kb kB allowed"
  echo "Replace All ($(field_of replaced) replacements): tabulon $(field_of replace_seconds) s, sed $sed_seconds s"
  echo "save: tabulon $save s, flushed copy $copy s"
  summaries+=("$size: open ${speed}x faster than vim (>= 2), peak private memory ${memory}x the file + 40 B/line (<= 1), far moves with repaint ${far} ms (<= 100), Replace All ${replace}x sed (<= 1), save ${saving}x the flushed copy (<= 2) $( ((ok)) && echo ok || echo MISSED)")
done
printf '%s\n' "${summaries[@]}"
exit $status
