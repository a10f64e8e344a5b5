#!/usr/bin/env bash
# Builds Tabulon (Release) and starts it with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tabulon -j"$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "tabulon: no display found (DISPLAY is not set); run it on a desktop or under xvfb-run." >&2
  exit 1
fi
cd "$OLDPWD" 2>/dev/null || true
exec "$root/build/tabulon" "$@"
