#!/usr/bin/env bash
# A user's walk through Tarvix under Wine: real keys and clicks, checked
# against a model of the bar after every step. Builds Tarvix.exe first.
#   scripts/walk.sh [--seed N] [--steps M] [--seeds K]
# A failure prints its seed and steps; the same seed replays it.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh" || exit 1
export WINEPREFIX=${TARVIX_WINEPREFIX:-$top/build/wine-prefix}
source "$top/scripts/wine-env.sh"
build_windows Tarvix >/dev/null || exit 1
cleanup() { stop_wineserver; stop_xvfb; }
trap cleanup EXIT
start_xvfb || exit 1
prepare_prefix
mkdir -p "$top/build/walk"
python3 "$top/tests/walk/walk.py" --exe "$top/build/win/Tarvix.exe" --out "$top/build/walk" "$@"
