#!/usr/bin/env bash
# Builds everything and runs every test: the core tests, the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets over
# their seeds, and the GUI tests under Xvfb. Exits non-zero on any failure.
# With --fuzz it runs the fuzz targets for a while instead.
set -uo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh || exit 1
if [[ "${1:-}" == "--fuzz" ]]; then
  exec scripts/fuzz.sh   # every fuzz target for 60 s; not part of the default run
fi
jobs=$(nproc)

# Core again under the sanitizers (clang), without the toolkit. The same
# build compiles the fuzz targets (one core for both), which then replay
# their seeds: a change that breaks them fails here.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTABULON_GUI=OFF -DTABULON_SANITIZE=ON -DTABULON_FUZZ=ON -DTABULON_WERROR=ON >/dev/null || exit 1
cmake --build build-asan -j"$jobs" || exit 1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure --no-tests=error -j"$jobs" -L core)
asan_status=$?
FUZZ_BUILD=build-asan FUZZ_SECONDS=0 scripts/fuzz.sh || asan_status=1

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON >/dev/null || exit 1
cmake --build build -j"$jobs" || exit 1
(cd build && ctest --output-on-failure -j"$jobs")
status=$?

if [[ $asan_status -ne 0 ]]; then
  echo "Sanitizer run of the core tests or the fuzz targets FAILED" >&2
  exit 1
fi
exit $status
