#!/usr/bin/env bash
# The start-up benchmark, end to end as a user sees it: from starting
# `tabulon FILE` to the first paint of the file's records, against
# `vim -u NONE -N -es -n FILE +q`, alternately in the same run, on the 200 MB
# file of 2.5 million lines. No memory is prepared between runs: each starts
# as a user's would, after the disk has been flushed. Also: the program's
# peak private (anonymous) memory on the way, and saving the unedited file
# against a flushed copy (dd conv=fsync), since a safe save flushes too.
# Targets (the last line prints the ratios; the script exits non-zero when
# one is missed):
#   start-up at least 2x faster than vim (medians), slowest run at most 2x
#   the fastest, peak private memory at most 1.6x the file, save at most 2x
#   the flushed copy.
#   BENCH_ROUNDS=n  rounds (default 5)
set -euo pipefail
cd "$(dirname "$0")/../.."

source bench/lib/under-display.sh "$@"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null
cmake --build build -j2 --target tabulon open_bench records_bench >/dev/null
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 TABULON_REGISTRY=/nonexistent/bench.reg
bench=build/bench/open/open_bench
records=build/bench/records/records_bench
rounds=${BENCH_ROUNDS:-5}

mkdir -p bench/data
data=bench/data/lines.txt
[[ -f $data ]] || { echo "Generating $data ..."; $records generate "$data"; sync; }  # on disk before anything is timed
size_kb=$(( $(stat -c %s "$data") / 1024 ))
echo "File: $data, $(stat -c %s "$data") bytes, $(wc -l < "$data") lines"
cat "$data" > /dev/null   # both read it from the page cache

source bench/lib/stats.sh

open_rounds "$bench" sync "$data" "$rounds"

# Save of the unedited file, against a flushed copy.
saves=(); copies=()
for ((i = 1; i <= 3; i++)); do
  sync; saves+=("$($records save "$data" | field seconds)")
  cmp -s "$data" "$data.bak" || { echo "Saved file differs from the loaded one" >&2; exit 1; }
  sync; start=$(date +%s.%N)
  dd if="$data" of="$data.copy" bs=1M conv=fsync status=none
  copies+=("$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.4f", e - s }')")
  rm -f "$data.copy"
done

m_ours=$(printf '%s\n' "${ours[@]}" | median)
m_vim=$(printf '%s\n' "${vims[@]}" | median)
fastest=$(printf '%s\n' "${ours[@]}" | sort -g | head -1)
slowest=$(printf '%s\n' "${ours[@]}" | sort -g | tail -1)
peak=$(printf '%s\n' "${peaks[@]}" | sort -g | tail -1)
m_save=$(printf '%s\n' "${saves[@]}" | median)
m_copy=$(printf '%s\n' "${copies[@]}" | median)

speed=$(ratio "$m_vim" "$m_ours")
spread=$(ratio "$slowest" "$fastest")
memory=$(ratio "$peak" "$size_kb")
save=$(ratio "$m_save" "$m_copy")
status=0
check() { awk -v v="$1" -v t="$2" -v op="$3" 'BEGIN { exit !((op == ">=") ? v >= t : v <= t) }' || status=1; }
check "$speed" 2 ">="; check "$spread" 2 "<="; check "$memory" 1.6 "<="; check "$save" 2 "<="
echo "start-up: tabulon median $m_ours s (fastest $fastest, slowest $slowest), vim median $m_vim s"
echo "save: tabulon $m_save s, flushed copy $m_copy s"
echo "open ratios: ${speed}x faster than vim (>= 2), slowest/fastest $spread (<= 2), peak private memory ${memory}x the file (<= 1.6), save ${save}x the flushed copy (<= 2) $([[ $status -eq 0 ]] && echo ok || echo MISSED)"
exit $status
