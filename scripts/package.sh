#!/usr/bin/env bash
# Builds the Debian package build/tabulon_<version>_amd64.deb with CPack and
# checks it (lintian, the launcher and AppStream validators, the unpacked
# program). Installs whatever the build and the checks need first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Options already in build/ (such as TABULON_WERROR) stay as they are.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only what the package holds; the tests and benchmarks are not needed.
cmake --build build -j"$(nproc)" --target tabulon tabulon_desktop_data
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
(cd build && cpack -G DEB >/dev/null)
scripts/check-package.sh "build/tabulon_${version}_amd64.deb" "$version"
echo "Package: build/tabulon_${version}_amd64.deb"
