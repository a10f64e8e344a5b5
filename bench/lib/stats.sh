# Shell helpers the benchmark scripts share (source it).
# field NAME: the number after NAME in the text read.
field() { sed -n "s/.*$1 \([0-9.]*\).*/\1/p"; }
# The median of the numbers read, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# ratio A B: A / B to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
