#!/usr/bin/env bash
# Runs every benchmark. Each prints its measurements against a peer measured
# in the same run and exits non-zero when a target is missed.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
bash bench/view/run.sh "$@" || status=1
bash bench/records/run.sh || status=1
bash bench/editing/run.sh "$@" || status=1
bash bench/print/run.sh "$@" || status=1
bash bench/clipboard/run.sh "$@" || status=1
bash bench/find/run.sh "$@" || status=1
exit $status
