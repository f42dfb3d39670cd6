#!/usr/bin/env bash
# Builds the Release Tarvix.exe, strips it and writes the download for
# Windows users, dist/Tarvix-<version>-x64.zip, holding:
#   Tarvix.exe, Tarvix.html and its pictures (guide/), はじめにお読みください.txt
#   (UTF-8 with a byte-order mark and CRLF lines, for Notepad) and LICENSE.
# The version is the one in res/version.h. Prints the zip's path.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh"
source "$top/scripts/wine-env.sh"

number() { sed -n "s/^#define TARVIX_VERSION_$1 \([0-9]\{1,\}\)\$/\1/p" res/version.h; }
version="$(number MAJOR).$(number MINOR)"
[ "$(number PATCH)" = 0 ] || version="$version.$(number PATCH)"

# The build's output goes to a log, shown only when the build fails.
mkdir -p "$top/build/release"
log="$top/build/release/package-build.log"
win_build="$top/build/release" win_config=Release build_windows Tarvix >"$log" 2>&1 ||
  { cat "$log" >&2; echo "package: the Release build failed" >&2; exit 1; }

stage="$top/build/package"
rm -rf "$stage"
mkdir -p "$stage/guide" "$top/dist"
x86_64-w64-mingw32-strip -o "$stage/Tarvix.exe" "$top/build/release/Tarvix.exe"
cp docs/Tarvix.html "$stage/"
cp docs/guide/*.png "$stage/guide/"
readme='はじめにお読みください.txt'
{ printf '\357\273\277'; sed 's/$/\r/' "docs/$readme"; } >"$stage/$readme"
sed 's/$/\r/' LICENSE >"$stage/LICENSE"

# Python's zip writer marks names outside ASCII as UTF-8, so that the
# Windows file manager shows the readme's name right.
zip="$top/dist/Tarvix-$version-x64.zip"
rm -f "$zip"
python3 - "$stage" "$zip" <<'PY'
import os, sys, zipfile
stage, target = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, dirs, files in os.walk(stage):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(folder, name)
            z.write(path, os.path.relpath(path, stage))
PY
echo "$zip"
