#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when everything is present: apt-get runs only for missing packages.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libcairo2-dev
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
windows=0
case "${1:-}" in
  --bench) packages+=(vim-nox) ;;
  # The Windows cross build and its run under Wine (scripts/windows-*.sh):
  # the POSIX-thread MinGW-w64 compilers, googletest's sources, the tools
  # that fetch and unpack wxWidgets' source package, Wine, and ccache, which
  # keeps rebuilds of the program quick.
  --windows)
    windows=1
    packages+=(g++-mingw-w64-x86-64-posix googletest dpkg-dev wine64 ccache)
    ;;
esac

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi

# wxMSW is built from Debian's own wxWidgets source package, so the archive
# this machine already uses is added once as a source of source packages.
deb_src_list=/etc/apt/sources.list.d/tabulon-deb-src.sources
need_update=0
if [[ $windows -eq 1 && ! -f $deb_src_list ]]; then
  # Every "deb" stanza of the main archive (not the security one), as deb-src.
  stanzas=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v RS= -v ORS='\n\n' \
    '/(^|\n)Types:[^\n]*deb/ && !/security/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }')
  if [[ -z "$stanzas" && -f /etc/apt/sources.list ]]; then
    stanzas=$(awk '$1 == "deb" && !/security/ { $1 = "deb-src"; print }' /etc/apt/sources.list)
    deb_src_list=/etc/apt/sources.list.d/tabulon-deb-src.list
  fi
  [[ -n "$stanzas" ]] || { echo "No Debian archive found in the apt sources" >&2; exit 1; }
  command -v sudo >/dev/null || [[ -z $sudo ]] || { echo "Need root or sudo to add $deb_src_list" >&2; exit 1; }
  printf '%s\n' "$stanzas" | $sudo tee "$deb_src_list" >/dev/null
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -eq 0 ]]; then
  [[ $need_update -eq 1 ]] && $sudo apt-get update -qq
  exit 0
fi

if [[ -n $sudo ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
