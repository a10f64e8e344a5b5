#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (60 s by default).
# Seeds come from tests/fuzz/corpus/<target> and the kept inputs of past
# faults from tests/fuzz/regressions/<target>; new inputs go to a scratch
# corpus so the repository stays unchanged. Each target's longest input and
# time limit per input come from tests/fuzz/fuzz_<target>.options (libFuzzer
# flags, one a line): an input over its limit counts as a fault, which is
# how quadratic work shows. A crash or slow input leaves its input in
# build-fuzz/crashes/<target>/ and fails the run.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTABULON_GUI=OFF -DTABULON_TESTS=OFF -DTABULON_FUZZ=ON >/dev/null || exit 1
cmake --build build-fuzz -j"$(nproc)" || exit 1

status=0
for exe in build-fuzz/tests/fuzz/fuzz_*; do
  [[ -x "$exe" ]] || continue
  name=$(basename "$exe"); name=${name#fuzz_}
  work=build-fuzz/corpus/$name crashes=build-fuzz/crashes/$name
  mkdir -p "$work" "$crashes"
  # The seeds and the kept inputs of past faults, read but never written.
  seeds=()
  for dir in tests/fuzz/corpus/$name tests/fuzz/regressions/$name; do
    [[ -d "$dir" ]] && seeds+=("$dir")
  done
  options=(-timeout=10)
  optfile=tests/fuzz/fuzz_$name.options
  [[ -f "$optfile" ]] && mapfile -t -O 1 options < <(grep -Ev '^[[:space:]]*(#|$)' "$optfile")
  log=build-fuzz/$name.log
  "$exe" "${options[@]}" -max_total_time="$seconds" -artifact_prefix="$crashes/" -print_final_stats=1 \
    "$work" "${seeds[@]}" >"$log" 2>&1
  rc=$?
  execs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  slowest=$(grep -m1 'stat::slowest_unit_time_sec' "$log" | awk '{print $2}')
  if [[ $rc -eq 0 ]]; then
    echo "fuzz $name: clean, ${execs:-?} executions in ${seconds}s, slowest input ${slowest:-?}s (${options[*]})"
  else
    echo "fuzz $name: FAILED (exit $rc), see $log and $crashes/"
    status=1
  fi
done
exit $status
