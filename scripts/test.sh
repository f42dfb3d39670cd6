#!/usr/bin/env bash
# Builds both configurations and runs every test: the portable core natively,
# then the Windows program under Wine in a virtual display and a throw-away
# prefix. Exits non-zero when any test fails.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh" || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
build="$top/build"

echo "== native build"
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build "$build/native" -j"$jobs" || exit 1

echo "== Windows build (mingw-w64)"
cmake -S . -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build "$build/win" -j"$jobs" || exit 1

echo "== native tests"
(cd "$build/native" && ctest --output-on-failure --timeout 120)
native_rc=$?

echo "== native tests with the address and undefined-behaviour sanitizers"
cmake -S . -B "$build/native-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIX_SANITIZE=ON \
  >/dev/null && cmake --build "$build/native-sanitize" -j"$jobs" --target core_tests || exit 1
(cd "$build/native-sanitize" && ctest --output-on-failure --timeout 300) || native_rc=1

export WINEPREFIX="$build/wine-prefix"
source "$top/scripts/wine-env.sh"
cleanup() { stop_wineserver; stop_xvfb; }
trap cleanup EXIT

echo "== tests under Wine"
start_xvfb || exit 1
prepare_prefix
# The tests must not see the store or windows of an earlier run.
wine reg delete 'HKCU\Software\Quenlow' /f >/dev/null 2>&1
# Wine's desktop process keeps the output of whoever started it and ends
# soon after its last user: left to the tests, each would start one and
# CTest would wait for it. One kept alive from here serves them all.
# It must own the desktop before the first test starts: wait until it says so.
start_desktop_keeper() {
  local ready="$build/desktop-ready"
  rm -f "$ready"
  wine "$build/win/tests/wine/desktop_keeper.exe" "Z:$ready" >/dev/null 2>&1 </dev/null &
  for _ in $(seq 300); do [ -e "$ready" ] && break; sleep 0.1; done
  [ -e "$ready" ] || echo "test.sh: the desktop keeper did not report; going on" >&2
}
start_desktop_keeper
(cd "$build/win" && ctest --output-on-failure --timeout 180 -j"$jobs" -LE 'twoscreens|scaled')
wine_rc=$?

# Nothing else runs now: the walk's keys go to whichever window has the focus.
echo "== a user's walk: real keys and clicks, checked against a model of the bar"
mkdir -p "$build/walk"
python3 "$top/tests/walk/walk.py" --exe "$build/win/Tarvix.exe" --out "$build/walk" \
  --seed 1 --steps 200 || wine_rc=1
wine reg delete 'HKCU\Software\Quenlow' /f >/dev/null 2>&1

# The download: exactly its files; its exe keeps ASLR with high entropy and
# NX compatibility, starts from an unpacked folder, shows the bar, and its
# help command hands the guide beside it to the shell.
# The shell, the common dialogs and the theme library are not in the
# program's import table: they are loaded when first called.
loads_on_demand() {
  local found
  found=$(x86_64-w64-mingw32-objdump -p "$1" | grep -iE 'DLL Name: (shell32|comdlg32|uxtheme)\.dll')
  [ -z "$found" ] || { echo "test.sh: Tarvix.exe imports at start: $found" >&2; return 1; }
}
check_package() {
  local zip dir expected
  zip=$("$top/scripts/package.sh" | tail -n 1) && [ -f "$zip" ] || return 1
  expected=$( (printf '%s\n' Tarvix.exe Tarvix.html LICENSE 'はじめにお読みください.txt'
    grep -o 'src="guide/[^"]*"' docs/Tarvix.html | sed 's/^src="//; s/"$//') | sort -u)
  diff <(echo "$expected") <(unzip -Z1 "$zip" | sort) ||
    { echo "test.sh: $zip does not hold exactly the files above" >&2; return 1; }
  dir=$(mktemp -d "$build/package-check.XXXXXX")
  unzip -q "$zip" -d "$dir" && python3 - "$dir/Tarvix.exe" <<'PY' &&
import struct, sys
image = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", image, 0x3C)[0]
flags = struct.unpack_from("<H", image, pe + 24 + 70)[0]
wanted = {"HIGH_ENTROPY_VA": 0x20, "DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100}
missing = [name for name, bit in wanted.items() if not flags & bit]
if missing:
    sys.exit("test.sh: Tarvix.exe lacks " + ", ".join(missing))
PY
    loads_on_demand "$dir/Tarvix.exe" &&
    wine "$build/win/tests/wine/package_check.exe" "Z:${dir//\//\\}" \
      "Z:${build//\//\\}\\win\\tests\\wine\\launch_probe.exe" </dev/null
  local rc=$?
  rm -rf "$dir"
  wine reg delete 'HKCU\Software\Quenlow' /f >/dev/null 2>&1
  return $rc
}
echo "== the release package"
check_package
package_rc=$?

echo "== tests under Wine at 144 DPI without a replacement of the dialog font"
scale_prefix 144
start_desktop_keeper
(cd "$build/win" && ctest --output-on-failure --timeout 180 -j"$jobs" -L scaled) || wine_rc=1

echo "== tests under Wine on a display of two screens"
stop_wineserver
stop_xvfb
XVFB_SCREENS='-screen 0 1024x768x24 -screen 1 1600x1200x24 +xinerama -extension RANDR' \
  start_xvfb || exit 1
prepare_prefix
start_desktop_keeper
(cd "$build/win" && ctest --output-on-failure --timeout 180 -L twoscreens) || wine_rc=1

echo
echo "native tests: $([ $native_rc -eq 0 ] && echo passed || echo FAILED)," \
  "tests under Wine: $([ $wine_rc -eq 0 ] && echo passed || echo FAILED)," \
  "release package: $([ $package_rc -eq 0 ] && echo passed || echo FAILED)"
[ $native_rc -eq 0 ] && [ $wine_rc -eq 0 ] && [ $package_rc -eq 0 ]
