#!/bin/bash
# Builds what a player downloads, one zip for each Windows build:
# dist/slotmate-<version>-win32.zip (Windows XP SP3 or later) and
# dist/slotmate-<version>-win64.zip (64-bit Windows 7 or later), each with the
# stripped slotmate.exe, README.txt (docs/player-readme.txt) and LICENSE.txt
# (LICENSE), both with CR LF line ends. The version is the project VERSION of
# CMakeLists.txt.
#
# The same commit gives the same zips, byte for byte: no time goes into the
# executable's header, and the zip's entries have the commit's date (UTC), a
# fixed order, fixed modes and no extra attributes.
#
# Usage: scripts/release.sh [build-root]   (default build/release): builds in
# BUILD-ROOT/win32 and BUILD-ROOT/win64, each build's output in
# BUILD-ROOT/ARCH.log. Tells its progress on standard error and prints the
# zips' paths on standard output, one a line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/wine-env.sh
source scripts/steps.sh
STEP_SCRIPT=release
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
sed -e 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
entries=(slotmate.exe README.txt LICENSE.txt)
mkdir -p dist
zips=()

for arch in win32 win64; do
  cpu=$(mingw_cpu "$arch") build=$build_root/$arch zip=$root/dist/slotmate-$version-$arch.zip
  log=$build_root/$arch.log
  rm -f "$log"
  step_run "$log" "building the $arch slotmate.exe in $build (a few minutes the first time)" \
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$cpu.cmake"
  step_log "$log" "building the $arch slotmate.exe in $build" \
    cmake --build "$build" -j"$(nproc)" --target slotmate
  # strip writes the current time into the header unless given an epoch.
  step_log "$log" "stripping the $arch slotmate.exe" env SOURCE_DATE_EPOCH=0 \
    "$cpu-w64-mingw32-strip" -o "$stage/slotmate.exe" "$build/slotmate.exe"
  size=$(stat -c %s "$stage/slotmate.exe")
  if ((size >= max_exe_bytes)); then
    echo "release: the $arch slotmate.exe is $size bytes, not under $max_exe_bytes" >&2
    exit 1
  fi
  (cd "$stage" && chmod 644 "${entries[@]}" && TZ=UTC touch -t "$stamp" "${entries[@]}")
  rm -f "$zip"
  step_log "$log" "zipping $zip" env -C "$stage" TZ=UTC zip -X -q "$zip" "${entries[@]}"
  echo "release: $arch slotmate.exe $size bytes; sha256 $(sha256sum "$zip" | cut -d' ' -f1)" >&2
  zips+=("$zip")
done
printf '%s\n' "${zips[@]}"
