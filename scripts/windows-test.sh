#!/usr/bin/env bash
# Runs the Windows build of scripts/windows-build.sh under Wine: first the
# core tests (build-win/tests/core_tests.exe), then a smoke test of
# build-win/tabulon.exe under Xvfb: it opens a DOS file, types, saves and
# compares the bytes; enables a file type in the File Types dialog and finds
# its verb's command under the class root; and checks with `reg query` the
# settings the program wrote at exit. Exits non-zero on any failure. Not
# part of .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Debian's wine64 package keeps its loader outside the PATH.
wine_loader() { dpkg -L wine64 2>/dev/null | grep -m1 '/wine64$'; }
export WINEDEBUG=-all
# No Mono or Gecko: the prefix is made without asking for them.
export WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "FAILED: $*" >&2; exit 1; }

# The smoke test, run by the first part below inside Xvfb.
smoke_test() {
  local wine=$1 work=$WINEPREFIX/..
  winpath() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
  reg() { "$wine" reg "$@" 2>/dev/null | tr -d '\r'; }
  # Waits up to 30 s for a top window whose title matches, and answers its id.
  window() {
    local id
    for _ in $(seq 300); do
      id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [[ -n $id ]] && { echo "$id"; return 0; }
      sleep 0.1
    done
    return 1
  }
  keys() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.3; }

  local exe
  exe=$(winpath "$root/build-win/tabulon.exe")
  local maker="HKLM\\Software\\Halvern's Workshop\\Tabulon"
  # The program's key with its path, as the installation step leaves it:
  # registry access is on at start, so the settings are written at exit.
  reg add "$maker" /v exePath /t REG_SZ /d "$exe" /f >/dev/null
  # A file type of our own, first in the File Types dialog's list.
  reg add 'HKCR\.tabsmoke' /ve /d tabsmokefile /f >/dev/null
  reg add 'HKCR\tabsmokefile' /ve /d '!Tabulon smoke test' /f >/dev/null
  reg add 'HKCR\tabsmokefile\shell\open\command' /ve /d 'notepad "%1"' /f >/dev/null

  local doc=$work/data/dos.txt
  mkdir -p "$work/data"
  printf 'line one\r\nline two\r\n' >"$doc"
  "$wine" "$root/build-win/tabulon.exe" "$(winpath "$doc")" >"$work/tabulon.log" 2>&1 &
  local pid=$!
  local main
  main=$(window 'Tabulon') || fail "the main window did not appear"
  sleep 1
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  # Type at the end of the first record, then save with Ctrl+S.
  keys End
  xdotool type --delay 60 'XY'
  keys ctrl+s
  sleep 1
  [[ "$(od -An -c "$doc")" == "$(printf 'line oneXY\r\nline two\r\n' | od -An -c)" ]] ||
    fail "the saved file holds $(od -An -c "$doc")"
  [[ "$(od -An -c "$doc.bak")" == "$(printf 'line one\r\nline two\r\n' | od -An -c)" ]] ||
    fail "the backup holds $(od -An -c "$doc.bak" 2>&1)"
  echo "Smoke test: typed and saved a DOS file, backup kept"

  # Tools > Options, its third page (Setup), "Setup File Associations".
  keys alt+t o
  local sheet
  sheet=$(window '^Options$') || fail "the Options sheet did not appear"
  xdotool windowfocus --sync "$sheet" 2>/dev/null || true
  keys ctrl+Tab ctrl+Tab
  keys alt+f
  local types
  types=$(window 'File Types') || fail "the File Types dialog did not appear"
  # A click on the first row, just below the list's heading at the
  # dialog's top left; then Enable (Auto comes with it) and OK.
  xdotool mousemove --window "$types" 60 34 click 1
  sleep 0.5
  keys alt+e
  keys Return
  local verb
  for _ in $(seq 50); do
    verb=$(reg query 'HKCR\tabsmokefile\shell\Tabulon\command' /ve) && break
    sleep 0.1
  done
  grep -qF "\"$exe\" \"%1\"" <<<"$verb" || fail "the verb's command is: $verb"
  echo "Smoke test: the File Types dialog wrote the verb $(grep -o '".*' <<<"$verb")"
  keys Escape

  # Leave the program; it writes the settings.
  keys alt+f x
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  local settings
  settings=$(reg query "$maker")
  for expected in 'autoHex *REG_BINARY *00' 'srcMark *REG_DWORD *0x4' 'printLeft *REG_DWORD *0x3f000000' \
                  'printFont *REG_DWORD *0x8' "exePath *REG_SZ *${exe//\\/\\\\}" 'findItems *REG_MULTI_SZ'; do
    grep -qE "$expected" <<<"$settings" || fail "no '$expected' in the settings: $settings"
  done
  echo "Smoke test: $(grep -c 'REG_' <<<"$settings") settings values written at exit"
}

if [[ "${1:-}" == --smoke ]]; then
  smoke_test "$2"
  exit 0
fi

scripts/install-deps.sh --windows
[[ -f build-win/tabulon.exe && -f build-win/tests/core_tests.exe ]] ||
  fail "build first: scripts/windows-build.sh"
wine=$(wine_loader)
[[ -x "$wine" ]] || fail "no wine64 loader"
wineserver=$(dirname "$wine")/wineserver

# A prefix made once and kept in the cache; each run works on a fresh copy,
# so that its registry starts without the program's keys.
cache=${TABULON_CACHE:-$HOME/.cache/tabulon}
template=$cache/wine-prefix
if [[ ! -f $template/.complete ]]; then
  rm -rf "$template"
  mkdir -p "$template"
  WINEPREFIX=$template "$wine" wineboot --init >/dev/null 2>&1
  WINEPREFIX=$template "$wineserver" -w
  touch "$template/.complete"
fi
work=$root/build-win/wine-test
rm -rf "$work"
mkdir -p "$work"
cp -a "$template" "$work/prefix"
export WINEPREFIX=$work/prefix
trap '"$wineserver" -k 2>/dev/null || true' EXIT

start=$SECONDS
"$wine" build-win/tests/core_tests.exe --gtest_brief=1 >"$work/core_tests.log" 2>&1 || true
grep -v '^\[       OK \]' "$work/core_tests.log" | tail -40
grep -q '^\[  PASSED  \]' "$work/core_tests.log" && ! grep -q '^\[  FAILED  \]' "$work/core_tests.log" ||
  fail "core tests under Wine"
echo "Core tests under Wine: $(grep -m1 -oE '[0-9]+ tests? from [0-9]+ test suites? ran' "$work/core_tests.log")" \
     "in $((SECONDS - start)) s"

# The program gets a Wine of its own, started inside Xvfb.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true

start=$SECONDS
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --smoke "$wine"
echo "Smoke test of tabulon.exe under Wine passed in $((SECONDS - start)) s"
