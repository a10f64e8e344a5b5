#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (FUZZ_SECONDS, 60 s
# by default; 0 only replays the seeds and kept inputs). FUZZ_BUILD names a
# build folder whose targets are already built (test.sh builds them beside
# the sanitizer build).
#
# Each target's flags come from tests/fuzz/fuzz_<target>.options (libFuzzer
# flags, one a line): its longest input and its time limit per input (10 s
# when none is named), so that quadratic work shows as a fault. The kept
# inputs of past faults (tests/fuzz/regressions/<target>) run once first;
# seeds come from tests/fuzz/corpus/<target>; new inputs go to a scratch
# corpus so the repository stays unchanged. A crash or slow input leaves its
# input in <build>/crashes/<target>/ and fails the run.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-}

if [[ -z $build ]]; then
  build="build-fuzz"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DTABULON_GUI=OFF -DTABULON_TESTS=OFF -DTABULON_FUZZ=ON >/dev/null || exit 1
  cmake --build "$build" -j"$(nproc)" || exit 1
fi
limit=(-max_total_time="$seconds") span="in ${seconds}s"
[[ $seconds -gt 0 ]] || limit=(-runs=0) span="replaying the seeds"

status=0 targets=0
for exe in "$build"/tests/fuzz/fuzz_*; do
  [[ -x "$exe" ]] || continue
  targets=$((targets + 1))
  name=$(basename "$exe"); name=${name#fuzz_}
  work=$build/corpus/$name crashes=$build/crashes/$name
  mkdir -p "$work" "$crashes"
  seeds=()
  [[ -d tests/fuzz/corpus/$name ]] && seeds=(tests/fuzz/corpus/"$name")
  options=(-timeout=10)
  optfile=tests/fuzz/fuzz_$name.options
  [[ -f "$optfile" ]] && mapfile -t -O 1 options < <(grep -Ev '^[[:space:]]*(#|$)' "$optfile")
  log=$build/$name.log
  : >"$log"
  # The kept inputs of past faults run once each under the same limits (as
  # seeds, large ones would slow every mutation down).
  kept=()
  [[ -d tests/fuzz/regressions/$name ]] && kept=(tests/fuzz/regressions/"$name"/*)
  if [[ ${#kept[@]} -gt 0 ]] && ! "$exe" "${options[@]}" -runs=1 -artifact_prefix="$crashes/" "${kept[@]}" \
      >>"$log" 2>&1; then
    echo "fuzz $name: a kept input FAILED, see $log"
    status=1
    continue
  fi
  "$exe" "${options[@]}" "${limit[@]}" -artifact_prefix="$crashes/" -print_final_stats=1 \
    "$work" "${seeds[@]}" >>"$log" 2>&1
  rc=$?
  execs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  if [[ $rc -eq 0 ]]; then
    echo "fuzz $name: clean, ${execs:-?} executions $span, ${#kept[@]} kept inputs (${options[*]:1})"
  else
    echo "fuzz $name: FAILED (exit $rc), see $log and $crashes/"
    status=1
  fi
done
if [[ $targets -eq 0 ]]; then
  echo "No fuzz targets in $build/tests/fuzz" >&2
  exit 1
fi
exit $status
