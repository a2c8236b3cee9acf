#!/bin/bash
# Builds everything and runs all three tiers of tests:
#   1. the program's logic natively against in-memory fakes (also with ASan
#      and UBSan),
#   2. the Windows layer for real under Wine,
#   3. the real program end to end under Wine and Xvfb,
# tiers 2 and 3 on each Windows build (32- and 64-bit) this machine runs;
# then checks the release zips and runs the parsers' fuzz targets briefly.
# Installs what is missing first (see install-deps.sh). Build trees go to
# ./build (or $SLOTMATE_BUILD). SLOTMATE_WINE_ARCH=win64 runs the Wine tiers
# on the 64-bit build only, as a machine that refuses 32-bit programs does.
# A step that stops the run is named on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${SLOTMATE_BUILD:-$root/build}
jobs=$(nproc)
passed=0
failed=0

source scripts/steps.sh
step() {
  STEP_NOW=$*
  printf '\n== %s\n' "$*"
}
# configure BUILD_DIR CMAKE_ARGS...: CMake's output goes to BUILD_DIR.log.
configure() {
  rm -f "$1.log"
  step_log "$1.log" "configuring $1" cmake -S . -B "$@"
}

# Runs ctest, echoes its output and adds its counts to the totals.
run_ctest() {
  local log
  log=$(mktemp)
  local status=0
  ctest "$@" --output-on-failure 2>&1 | tee "$log" || status=$?
  local total fails
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  fails=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
  rm -f "$log"
  if [[ -z $total ]]; then
    echo "test.sh: ctest ran no test" >&2
    failed=$((failed + 1))
    return 0
  fi
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  [[ $status -eq 0 ]] || failed=$((failed > 0 ? failed : 1))
}

step "Installing what is missing"
scripts/install-deps.sh

step "Format check"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "Tier 1: native tests"
configure "$build/native" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/native" -j"$jobs"
run_ctest --test-dir "$build/native" -j"$jobs"

step "Tier 1: native tests with ASan and UBSan"
configure "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DSLOTMATE_SANITIZE=ON
cmake --build "$build/sanitize" -j"$jobs" --target slotmate_tests
run_ctest --test-dir "$build/sanitize" -j"$jobs"

# Both Windows builds are always built and checked; the Wine tiers run on
# each build this machine can run (a kernel may refuse 32-bit programs).
source scripts/wine-env.sh
runnable=() not_run=""
for arch in win32 win64; do
  step "Windows build ($arch)"
  configure "$build/$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$(mingw_cpu "$arch").cmake"
  cmake --build "$build/$arch" -j"$jobs"
  scripts/check-exe.sh "$arch" "$build/$arch/slotmate.exe"
  why=$(wine_cannot_run "$arch")
  if [[ -z $why ]]; then runnable+=("$arch"); else not_run+="; not on $arch: $why"; fi
done
step "Windows tiers run on: ${runnable[*]:-no build}$not_run"
[[ ${#runnable[@]} -gt 0 ]] || failed=$((failed + 1))

for arch in "${runnable[@]}"; do
  step "Tier 2: Windows tests under Wine ($arch)"
  run_ctest --test-dir "$build/$arch" -LE e2e

  step "Tier 3: end-to-end tests under Wine and Xvfb ($arch)"
  run_ctest --test-dir "$build/$arch" -L e2e
done

step "Release zips: the stripped program, README.txt and LICENSE.txt, nothing else"
# The zips' paths are taken from standard output; the progress goes to the
# log as it comes.
mapfile -t zips < <(SLOTMATE_RELEASE_TEST_BUILD=1 scripts/release.sh "$build")
[[ ${#zips[@]} -eq 2 ]] || { echo "test.sh: release.sh made no zips (see above)" >&2 && exit 1; }
version=$(sed -n 's/^project(Slotmate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for zip in "${zips[@]}"; do
  arch=$(basename "$zip" .zip) arch=${arch##*-}
  check=$build/release-check/$arch exe=$build/release-check/$arch/slotmate.exe
  rm -rf "$check" && mkdir -p "$check" && unzip -q "$zip" -d "$check"
  scripts/check-exe.sh "$arch" "$exe"
  [[ $(unzip -Z1 "$zip" | xargs) == "slotmate.exe README.txt LICENSE.txt" ]] &&
    file -b "$exe" | grep -q stripped && (($(stat -c %s "$exe") < 600 * 1024)) &&
    ! grep -qv $'\r$' "$check/README.txt" "$check/LICENSE.txt" &&
    [[ $(head -n 1 "$check/README.txt") == "Slotmate $version"$'\r' ]] &&
    ! grep -qE '@[A-Za-z_]+@|\$version' "$check/README.txt" || {
    echo "test.sh: $zip must hold a stripped slotmate.exe under 600 KB," \
      "README.txt and LICENSE.txt with CR LF line ends, and nothing else;" \
      "README.txt must begin \"Slotmate $version\", every placeholder filled in" >&2
    unzip -l "$zip" >&2
    exit 1
  }
  echo "$zip: checked"
done

step "Fuzzing the parsers for a few seconds each (libFuzzer, clang)"
CC=clang CXX=clang++ cmake -S . -B "$build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSLOTMATE_FUZZ=ON >/dev/null
cmake --build "$build/fuzz" -j"$jobs"
for source in tests/fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  mkdir -p "$build/fuzz/corpus/$target"
  if "$build/fuzz/$target" -max_total_time=4 -artifact_prefix="$build/fuzz/$target-" \
    "$build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$build/fuzz/$target.log" 2>&1; then
    echo "$target: $(grep '^Done' "$build/fuzz/$target.log")"
    passed=$((passed + 1))
  else
    cat "$build/fuzz/$target.log"
    echo "$target: FAILED (the input is kept in $build/fuzz/$target-*)"
    failed=$((failed + 1))
  fi
done

printf '\n'
echo "total: $passed passed, $failed failed"
exit $((failed > 0))
