#!/usr/bin/env bash
# Cross-builds the Windows program and its core tests with MinGW-w64:
# build-win/tabulon.exe and build-win/tests/core_tests.exe, both linked
# statically so that they run on their own.
#
# wxMSW is built once from Debian's wxWidgets source package and googletest
# once from the sources of Debian's googletest package; both are kept in
# ~/.cache/tabulon (or $TABULON_CACHE), so later builds take seconds.
# Not part of .ci/run: the first wxMSW build takes about ten minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh --windows

host=x86_64-w64-mingw32
export CC=$host-gcc-posix CXX=$host-g++-posix
jobs=${TABULON_JOBS:-2}
cache=${TABULON_CACHE:-$HOME/.cache/tabulon}
mkdir -p "$cache"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work}

elapsed() { echo "$1 took $((SECONDS - $2)) s"; }
# Runs a long step quietly, adding to a log that is shown only on failure.
quietly() {
  local log=$1
  shift
  "$@" >>"$log" 2>&1 || { tail -40 "$log" >&2; echo "Failed; see $log" >&2; exit 1; }
}

# --- wxMSW -----------------------------------------------------------------
wx_package=wxwidgets3.2
wx_version=$(apt-cache showsrc "$wx_package" | sed -n 's/^Version: //p' | sort -V | tail -1)
[[ -n "$wx_version" ]] || { echo "No source package $wx_package in the apt sources" >&2; exit 1; }
wx_upstream=${wx_version#*:}
wx_upstream=${wx_upstream%%[+-]*}
wx_prefix=$cache/wxmsw-$wx_upstream

if [[ ! -f $wx_prefix/.complete ]]; then
  start=$SECONDS
  work=$cache/work/wxmsw-$wx_upstream
  rm -rf "$work" "$wx_prefix"
  mkdir -p "$work"
  log=$cache/wxmsw-$wx_upstream.log
  : >"$log"
  echo "Building wxMSW $wx_upstream once (log: $log) ..."
  (cd "$work" && quietly "$log" apt-get source -qq "$wx_package=$wx_version")
  source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'wxwidgets*' | head -1)
  [[ -n "$source_dir" ]] || { echo "apt-get source $wx_package gave no source tree" >&2; exit 1; }
  mkdir -p "$work/build"
  # The source package lacks the bundled image libraries, so wxMSW goes
  # without them; the parts the program does not use are left out.
  (cd "$work/build" && quietly "$log" "$source_dir/configure" --host=$host --build="$(gcc -dumpmachine)" \
      --prefix="$wx_prefix" --disable-shared --with-msw \
      --without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat \
      --without-liblzma --without-opengl --disable-svg \
      --disable-html --disable-xrc --disable-aui --disable-stc --disable-richtext \
      --disable-ribbon --disable-propgrid --disable-webview --disable-mediactrl \
      --enable-postscript)
  quietly "$log" make -C "$work/build" -s -j"$jobs"
  quietly "$log" make -C "$work/build" -s install
  touch "$wx_prefix/.complete"
  rm -rf "$work"
  elapsed "wxMSW $wx_upstream" $start
fi

# --- googletest --------------------------------------------------------------
gtest_source=/usr/src/googletest
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_prefix=$cache/googletest-mingw-${gtest_version%%-*}
if [[ ! -f $gtest_prefix/.complete ]]; then
  start=$SECONDS
  rm -rf "$gtest_prefix" "$cache/work/googletest"
  log=$cache/googletest-mingw.log
  : >"$log"
  quietly "$log" cmake -S "$gtest_source" -B "$cache/work/googletest" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
  quietly "$log" cmake --build "$cache/work/googletest" -j"$jobs"
  quietly "$log" cmake --install "$cache/work/googletest"
  touch "$gtest_prefix/.complete"
  rm -rf "$cache/work/googletest"
  elapsed "googletest" $start
fi

# --- the program -------------------------------------------------------------
start=$SECONDS
# ccache is installed with the tools above; a build without it still works.
launcher=""
command -v ccache >/dev/null && launcher=ccache
cmake -S . -B build-win -DCMAKE_BUILD_TYPE=Release -DTABULON_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
  -DCMAKE_PREFIX_PATH="$gtest_prefix" \
  -DwxWidgets_CONFIG_EXECUTABLE="$wx_prefix/bin/wx-config" >/dev/null
cmake --build build-win -j"$jobs"
elapsed "Windows build" $start
ls -l build-win/tabulon.exe build-win/tests/core_tests.exe
