# Shell helpers the benchmark scripts share (source it).
# field NAME: the number after NAME in the text read.
field() { sed -n "s/.*$1 \([0-9.]*\).*/\1/p"; }
# The median of the numbers read, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# ratio A B: A / B to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# open_rounds OPEN_BENCH PREPARE FILE ROUNDS: opens FILE with the program and
# with vim in turn, ROUNDS times, each start after the command PREPARE; sets
# the arrays ours and vims (seconds) and peaks (the program's peak private
# kB), and prints a line a round.
open_rounds() {
  local bench=$1 prepare=$2 data=$3 rounds=$4 out i
  ours=(); vims=(); peaks=()
  for ((i = 1; i <= rounds; i++)); do
    $prepare; out=$($bench tabulon build/tabulon "$data")
    ours+=("$(field seconds <<< "$out")"); peaks+=("$(field peak_kb <<< "$out")")
    $prepare; out=$($bench peer vim -u NONE -N -es -n "$data" +q)
    vims+=("$(field seconds <<< "$out")")
    printf 'round %d: tabulon %s s (peak private %s kB), vim %s s\n' "$i" "${ours[-1]}" "${peaks[-1]}" "${vims[-1]}"
  done
}
