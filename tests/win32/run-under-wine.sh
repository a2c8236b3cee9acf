#!/bin/bash
# Runs a Windows test under Wine (CTest's emulator):  run-under-wine.sh PREFIX EXE [ARGS...]
# The first run makes PREFIX, of the executable's kind (32- or 64-bit): null
# graphics, CD-ROM folders E: (one file) and F: (empty), and SLOTMATE_TEST_DPI
# dots per inch if set. Output goes through files, as Wine's background
# processes would hold CTest's pipes open.
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
arch=$(wine_arch_of "$2") || exit 1
why=$(wine_cannot_run "$arch")
[[ -z $why ]] || { echo "run-under-wine: cannot run $2: $why" >&2 && exit 1; }
wine_use "$arch"
mkdir -p "$(dirname "$1")"
prefix=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(dirname "$prefix")
export WINEPREFIX=$prefix
(
  flock 9
  if [[ ! -f $prefix/.slotmate-tests-ready ]]; then
    mkdir -p "$root/cdrom-e" "$root/cdrom-f"
    echo "A disc's only file." >"$root/cdrom-e/DISC.TXT"
    "$(dirname "$0")/../../scripts/make-prefix.sh" "$prefix" --arch "$arch" --graphics null \
      ${SLOTMATE_TEST_DPI:+--dpi "$SLOTMATE_TEST_DPI"} \
      --cdrom "e:$root/cdrom-e" --cdrom "f:$root/cdrom-f" || exit 1
    touch "$prefix/.slotmate-tests-ready"
  fi
  # A server kept for a minute makes the next start fast; it must not hold the lock.
  wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$prefix.lock" || exit 1
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
wine "$2" "${@:3}" </dev/null >"$logs/out" 2>"$logs/err"
status=$?
cat "$logs/out"
cat "$logs/err" >&2
if grep -q "wine: Unhandled" "$logs/err" && [[ $status -eq 0 ]]; then status=1; fi
exit $status
