#!/usr/bin/env bash
# Builds the Windows program and its benchmark and runs the benchmark under
# Wine in a virtual display and a prefix of its own (build/bench-prefix).
# Prints markdown tables and keeps them in build/bench-results.md. Takes a
# few minutes; --quick runs fewer repetitions and a 5-second idle.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh" || exit 1

build="$top/build/win"
source "$top/scripts/wine-env.sh"
build_windows tarvix_bench || exit 1

export WINEPREFIX="$top/build/bench-prefix"
cleanup() { stop_wineserver; stop_xvfb; }
trap cleanup EXIT
start_xvfb || exit 1
prepare_prefix

out="$top/build/bench-results.md"
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" "$build/Tarvix.exe" &&
  echo "Tarvix.exe stripped: $(stat -c %s "$stripped") bytes" >"$out"
rm -f "$stripped"
# Output to a file: Wine's service processes would hold a pipe open.
wine "$build/tarvix_bench.exe" "$@" >>"$out" 2>/dev/null </dev/null
rc=$?
cat "$out"
exit $rc
