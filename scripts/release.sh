#!/bin/bash
# Builds what a player downloads, one zip for each Windows build:
# dist/slotmate-<version>-win32.zip (runs on every Windows) and
# dist/slotmate-<version>-win64.zip (for 64-bit Windows), each with the
# stripped slotmate.exe and README.txt (docs/player-readme.txt, CR LF line
# ends). The version is the project VERSION of CMakeLists.txt.
#
# The same commit gives the same zips, byte for byte: no time goes into the
# executable's header, and the zip's two entries have the commit's date
# (UTC), a fixed order, fixed modes and no extra attributes.
#
# Usage: scripts/release.sh [build-root]   (default build/release): builds in
# BUILD-ROOT/win32 and BUILD-ROOT/win64. Tells its progress on standard error
# and prints the zips' paths on standard output, one a line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/wine-env.sh
build_root=${1:-${SLOTMATE_BUILD:-$root/build}/release}
max_exe_bytes=$((600 * 1024))

version=$(sed -n 's/^project(Slotmate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ -n $version ]] || { echo "release: no project VERSION in CMakeLists.txt" >&2; exit 1; }
# The same commit gives the same zips only from a tree that is that commit,
# untracked files included. A test build of a changed tree is asked for by name.
if [[ -n $(git status --porcelain) ]]; then
  if [[ ${SLOTMATE_RELEASE_TEST_BUILD:-} != 1 ]]; then
    echo "release: refused: the working tree has changes (git status); commit them," \
      "or set SLOTMATE_RELEASE_TEST_BUILD=1 for a test build" >&2
    exit 1
  fi
  echo "release: note: a test build: the working tree differs from the commit" >&2
fi

scripts/install-deps.sh >&2
stamp=$(TZ=UTC git log -1 --format=%cd --date=format-local:%Y%m%d%H%M.%S)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
sed -e "s/@VERSION@/$version/" -e 's/\r*$/\r/' docs/player-readme.txt >"$stage/README.txt"
mkdir -p dist
zips=()

for arch in win32 win64; do
  cpu=$(mingw_cpu "$arch") build=$build_root/$arch zip=$root/dist/slotmate-$version-$arch.zip
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$cpu.cmake" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target slotmate >/dev/null
  # strip writes the current time into the header unless given an epoch.
  SOURCE_DATE_EPOCH=0 "$cpu-w64-mingw32-strip" -o "$stage/slotmate.exe" "$build/slotmate.exe"
  size=$(stat -c %s "$stage/slotmate.exe")
  if ((size >= max_exe_bytes)); then
    echo "release: the $arch slotmate.exe is $size bytes, not under $max_exe_bytes" >&2
    exit 1
  fi
  chmod 644 "$stage/slotmate.exe" "$stage/README.txt"
  TZ=UTC touch -t "$stamp" "$stage/slotmate.exe" "$stage/README.txt"
  rm -f "$zip"
  (cd "$stage" && TZ=UTC zip -X -q "$zip" slotmate.exe README.txt)
  echo "release: $arch slotmate.exe $size bytes; sha256 $(sha256sum "$zip" | cut -d' ' -f1)" >&2
  zips+=("$zip")
done
printf '%s\n' "${zips[@]}"
