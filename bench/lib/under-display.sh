# Sourced, from the project's root, by a script that shows windows: without
# a display it installs the benchmark packages and runs the script again
# under Xvfb; with one it makes sure the packages are there.
if [[ -z "${DISPLAY:-}" ]]; then
  scripts/install-deps.sh --bench >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
scripts/install-deps.sh --bench >/dev/null
