#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary folder
# and checks it the way scripts/package.sh does.
#
# Usage: PackageTest.sh BUILD-DIR VERSION SOURCE-DIR
set -euo pipefail
build=$1
version=$2
source=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  exit 1
fi
"$source/scripts/check-package.sh" "$out/tabulon_${version}_amd64.deb" "$version"
