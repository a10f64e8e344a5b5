#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when everything is present: apt-get runs only for missing packages.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils xclip imagemagick
  clang libclang-rt-14-dev
  fonts-dejavu-core
  libglib2.0-bin desktop-file-utils xdg-user-dirs
  # Printing: the Courier twin for print and preview, and the tools that
  # turn a printed PostScript file back into text for the tests.
  fonts-urw-base35 ghostscript poppler-utils
  # The launcher's icons (PNG compression), and building and checking the
  # Debian package: dpkg-shlibdeps, lintian, the AppStream validator.
  zlib1g-dev dpkg-dev lintian appstream
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(vim-nox)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
