#!/bin/bash
# Builds what a player downloads: dist/slotmate-<version>-win32.zip with the
# stripped slotmate.exe and README.txt (docs/player-readme.txt, CR LF line
# ends). The version is the project VERSION of CMakeLists.txt.
#
# The same commit gives the same zip, byte for byte: no time goes into the
# executable's header, and the zip's two entries have the commit's date
# (UTC), a fixed order, fixed modes and no extra attributes.
#
# Usage: scripts/release.sh [build-dir]   (default build/release). Prints the
# zip's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-${SLOTMATE_BUILD:-$root/build}/release}
max_exe_bytes=$((600 * 1024))

version=$(sed -n 's/^project(Slotmate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ -n $version ]] || { echo "release: no project VERSION in CMakeLists.txt" >&2; exit 1; }
zip=$root/dist/slotmate-$version-win32.zip
git diff --quiet HEAD -- || echo "release: note: the working tree differs from the commit" >&2

scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)" --target slotmate >/dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# strip writes the current time into the header unless given an epoch.
SOURCE_DATE_EPOCH=0 i686-w64-mingw32-strip -o "$stage/slotmate.exe" "$build/slotmate.exe"
sed -e "s/@VERSION@/$version/" -e 's/\r*$/\r/' docs/player-readme.txt >"$stage/README.txt"
size=$(stat -c %s "$stage/slotmate.exe")
if ((size >= max_exe_bytes)); then
  echo "release: slotmate.exe is $size bytes, not under $max_exe_bytes" >&2
  exit 1
fi

stamp=$(TZ=UTC git log -1 --format=%cd --date=format-local:%Y%m%d%H%M.%S)
chmod 644 "$stage/slotmate.exe" "$stage/README.txt"
TZ=UTC touch -t "$stamp" "$stage/slotmate.exe" "$stage/README.txt"
mkdir -p dist
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -X -q "$zip" slotmate.exe README.txt)
echo "release: slotmate.exe $size bytes; sha256 $(sha256sum "$zip" | cut -d' ' -f1)"
echo "$zip"
