#!/bin/bash
# Builds everything and runs all three tiers of tests:
#   1. the program's logic natively against in-memory fakes (also with ASan
#      and UBSan),
#   2. the Windows layer for real under Wine,
#   3. the real program end to end under Wine and Xvfb;
# then checks the release zip and runs the parsers' fuzz targets briefly.
# Installs what is missing first (see install-deps.sh). Build trees go to
# ./build (or $SLOTMATE_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${SLOTMATE_BUILD:-$root/build}
jobs=$(nproc)
passed=0
failed=0

step() { printf '\n== %s\n' "$*"; }

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
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/native" -j"$jobs"
run_ctest --test-dir "$build/native" -j"$jobs"

step "Tier 1: native tests with ASan and UBSan"
cmake -S . -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DSLOTMATE_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize" -j"$jobs" --target slotmate_tests
run_ctest --test-dir "$build/sanitize" -j"$jobs"

step "Windows build"
cmake -S . -B "$build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/windows" -j"$jobs"
scripts/check-exe.sh "$build/windows/slotmate.exe"

step "Tier 2: Windows tests under Wine"
run_ctest --test-dir "$build/windows" -LE e2e

step "Tier 3: end-to-end tests under Wine and Xvfb"
run_ctest --test-dir "$build/windows" -L e2e

step "Release zip: the stripped program and README.txt, nothing else"
zip=$(scripts/release.sh "$build/windows" | tee /dev/stderr | tail -n 1)
exe=$build/release-check/slotmate.exe
rm -rf "$build/release-check" && unzip -q "$zip" -d "$build/release-check"
scripts/check-exe.sh "$exe"
[[ $(unzip -Z1 "$zip" | xargs) == "slotmate.exe README.txt" ]] &&
  file -b "$exe" | grep -q stripped && (($(stat -c %s "$exe") < 600 * 1024)) &&
  ! grep -qv $'\r$' "$build/release-check/README.txt" || {
  echo "test.sh: the zip must hold a stripped slotmate.exe under 600 KB and a CR LF README.txt" >&2
  unzip -l "$zip" >&2
  exit 1
}

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
[[ $failed -eq 0 ]]
