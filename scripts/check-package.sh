#!/usr/bin/env bash
# Checks a built Debian package of Tabulon: lintian finds no error, the
# package holds exactly the expected files, its launcher and AppStream file
# pass their validators, and the unpacked program answers --version and
# --help without a display.
#
# Usage: scripts/check-package.sh PACKAGE.deb VERSION
set -euo pipefail
deb=$1
version=$2
fail() { echo "check-package: $*" >&2; exit 1; }

[[ -f "$deb" ]] || fail "no package at $deb"
[[ "$(basename "$deb")" == "tabulon_${version}_amd64.deb" ]] || fail "unexpected package name $(basename "$deb")"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libwxgtk3.2* && "$depends" == *libc6* ]] || fail "dependencies not computed: '$depends'"

# Warnings and notes are shown; only errors fail. Root gets a warning of
# its own from lintian, which says nothing about the package.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
lintian_status=0
lintian --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$tmp/lintian.log" || true
[[ $lintian_status -eq 0 ]] || fail "lintian reports errors"
dpkg -x "$deb" "$tmp/root"

expected=(
  usr/bin/tabulon
  usr/share/applications/Tabulon.desktop
  usr/share/doc/tabulon/changelog.gz
  usr/share/doc/tabulon/copyright
  usr/share/icons/hicolor/scalable/apps/tabulon.svg
  usr/share/man/man1/tabulon.1.gz
  usr/share/metainfo/org.example.tabulon.metainfo.xml
)
# The icon sizes the build writes (TABULON_ICON_SIZES in cmake/Packaging.cmake).
icon_sizes=(16 22 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tabulon.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$tmp/root" && find . -type f -printf '%P\n' | sort) \
  || fail "the package's files differ from the expected list (< expected, > found)"
for size in "${icon_sizes[@]}"; do
  png="$tmp/root/usr/share/icons/hicolor/${size}x${size}/apps/tabulon.png"
  # PNG signature, then the IHDR chunk's width and height.
  [[ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" == "$(printf '%08x%08x' "$size" "$size")" ]] \
    || fail "$png is not a ${size}x${size} PNG"
done

desktop-file-validate "$tmp/root/usr/share/applications/Tabulon.desktop" || fail "desktop entry invalid"
grep -qx 'Exec=tabulon %f' "$tmp/root/usr/share/applications/Tabulon.desktop" || fail "launcher Exec line"
# The mark of launchers the program writes for the user, which it may replace.
! grep -q '^X-Tabulon-' "$tmp/root/usr/share/applications/Tabulon.desktop" || fail "launcher carries the program's mark"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/"*.metainfo.xml >"$tmp/as.log" 2>&1 \
  || { cat "$tmp/as.log" >&2; fail "AppStream metadata invalid"; }
zcat "$tmp/root/usr/share/man/man1/tabulon.1.gz" | grep -q '^\.TH TABULON 1 .*"Tabulon '"$version"'"' \
  || fail "man page does not carry version $version"

program="$tmp/root/usr/bin/tabulon"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version 2>"$tmp/err") || fail "--version failed"
[[ "$out" == "tabulon $version" && ! -s "$tmp/err" ]] || fail "--version printed '$out' $(cat "$tmp/err")"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" -h --help /s 2>"$tmp/err") || fail "--help failed"
[[ "$out" == "Usage: tabulon "* && ! -s "$tmp/err" ]] || fail "--help printed '$out' $(cat "$tmp/err")"
echo "check-package: $(basename "$deb") is fine"
