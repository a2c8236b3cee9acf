#!/bin/bash
# Installs what building and testing Slotmate need on Debian 12, as root:
# the native toolchain and GoogleTest, mingw-w64 for 32- and 64-bit Windows,
# Wine with its 64-bit loader (which runs on every x86_64 kernel) and its
# 32-bit half (i386 multiarch; it runs only where the kernel runs 32-bit
# programs), and Xvfb, xdotool and ImageMagick for the end-to-end tests, zip
# for the release, clang with libFuzzer for the fuzz targets. Does nothing
# when everything is already there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev googletest libbenchmark-dev clang-format
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
  fonts-wine xvfb xauth xdotool x11-utils imagemagick file
  zip unzip clang libclang-rt-14-dev)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
  exit 1
fi
# shellcheck source=scripts/steps.sh
source "$(dirname "$0")/steps.sh"
STEP_SCRIPT=install-deps
log=$(mktemp --tmpdir slotmate-install-deps.XXXXXX.log)
step "installing ${missing[*]} (a few minutes; apt's output goes to $log)"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  step_log "$log" "adding the i386 architecture" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
step_log "$log" "apt-get update" apt-get update -qq
step_log "$log" "installing ${missing[*]}" \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
rm -f "$log"
