#!/usr/bin/env bash
# Builds Tarvix and starts it under Wine in its own prefix. On a desktop it
# uses your display; without one it starts a virtual display, saves a
# screenshot and says where. Runs until Tarvix exits or you press Ctrl+C.
#
#   --sample   fill a fresh store with a sample page of Wine's own programs
#              and applets before Tarvix starts (an existing store is kept)
set -uo pipefail

sample=0
for arg in "$@"; do
  case "$arg" in
    --sample) sample=1 ;;
    -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run: unknown option $arg (try --help)" >&2; exit 2 ;;
  esac
done

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh" || exit 1

build="$top/build/win"
source "$top/scripts/wine-env.sh"
build_windows Tarvix || exit 1

export WINEPREFIX="${TARVIX_WINEPREFIX:-$HOME/.local/share/tarvix/wine}"

virtual=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  virtual=1
  start_xvfb || exit 1
fi

app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  stop_wineserver
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

prepare_prefix
if [ $sample -eq 1 ]; then
  "$top/scripts/sample-store.sh"
fi

echo "run: starting Tarvix on display $DISPLAY (Ctrl+C ends it)"
wine "$build/Tarvix.exe" &
app_pid=$!

if [ $virtual -eq 1 ]; then
  sleep 4
  shot="$top/build/tarvix-screen.png"
  import -window root "$shot" 2>/dev/null && echo "run: screenshot saved to $shot"
fi
wait "$app_pid"
app_pid=""
