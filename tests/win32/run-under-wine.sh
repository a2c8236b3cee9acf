#!/bin/bash
# CTest's emulator: run-under-wine.sh PREFIX EXE [ARGS...]. The first run makes
# PREFIX for EXE's kind: null graphics, CD-ROM folders E: and F:, and
# SLOTMATE_TEST_DPI dots per inch if set.
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
arch=$(wine_arch_of "$2") || exit 1
why=$(wine_cannot_run "$arch")
[[ -z $why ]] || { echo "run-under-wine: cannot run $2: $why" >&2 && exit 1; }
wine_use "$arch"
export WINEPREFIX=$(realpath -m "$1")
root=$(dirname "$WINEPREFIX")
mkdir -p "$root"
(
  flock 9
  if [[ ! -f $WINEPREFIX/.slotmate-tests-ready ]]; then
    mkdir -p "$root/cdrom-e" "$root/cdrom-f"
    "$(dirname "$0")/../../scripts/make-prefix.sh" "$WINEPREFIX" --arch "$arch" --graphics null \
      ${SLOTMATE_TEST_DPI:+--dpi "$SLOTMATE_TEST_DPI"} \
      --cdrom "e:$root/cdrom-e" --cdrom "f:$root/cdrom-f" || exit 1
    touch "$WINEPREFIX/.slotmate-tests-ready"
  fi
  # Kept a minute, the server speeds the next start; it must not hold the lock.
  wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$WINEPREFIX.lock" || exit 1
# Through files: Wine's background processes would hold CTest's pipes open.
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
wine "$2" "${@:3}" </dev/null >"$logs/out" 2>"$logs/err"
status=$?
cat "$logs/out"
cat "$logs/err" >&2
[[ $status -eq 0 ]] && grep -q "wine: Unhandled" "$logs/err" && status=1
exit $status
