#!/bin/bash
# Runs a Windows test program under Wine, for CTest (its cross-compiling
# emulator) and by hand:
#
#   run-under-wine.sh PREFIX EXE [ARGS...]
#
# The first run makes PREFIX (null graphics, so no X server is needed) with
# two CD-ROM drives: E: holding one file (PREFIX/../cdrom-e) and F: empty
# (PREFIX/../cdrom-f, for tests that fill and empty a disc folder).
# SLOTMATE_TEST_DPI, when set, gives a new prefix that many dots per inch.
# A persistent wineserver keeps later runs fast; it ends itself a minute
# after the last program, or at once with `WINEPREFIX=PREFIX wineserver -k`.
#
# The program's output goes to files, printed afterwards: Wine's background
# processes would otherwise hold CTest's pipes open after the program ends.
# Fails when the program's exit code is non-zero or Wine reports an unhandled
# exception.
set -uo pipefail

if [[ $# -lt 2 ]]; then
  sed -n '2,15p' "$0" >&2
  exit 2
fi
prefix=$1
exe=$2
shift 2

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
root=$(dirname "$prefix")

export WINEPREFIX=$prefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="

(
  flock 9
  if [[ ! -f $prefix/.slotmate-tests-ready ]]; then
    mkdir -p "$root/cdrom-e" "$root/cdrom-f"
    echo "A disc's only file." >"$root/cdrom-e/DISC.TXT"
    "$here/../../scripts/make-prefix.sh" "$prefix" --graphics null \
      ${SLOTMATE_TEST_DPI:+--dpi "$SLOTMATE_TEST_DPI"} \
      --cdrom "e:$root/cdrom-e" --cdrom "f:$root/cdrom-f" || exit 1
    touch "$prefix/.slotmate-tests-ready"
  fi
  # Fails harmlessly when a server is already running. It must not inherit
  # the lock, or every later run would wait for the server to end.
  wineserver -p60 </dev/null >/dev/null 2>&1 9>&-
  exit 0
) 9>"$prefix.lock" || {
  echo "run-under-wine.sh: could not make the Wine prefix $prefix" >&2
  exit 1
}

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
wine "$exe" "$@" </dev/null >"$logs/out" 2>"$logs/err"
status=$?
cat "$logs/out"
cat "$logs/err" >&2
if grep -q "wine: Unhandled" "$logs/err"; then
  echo "run-under-wine.sh: $exe crashed" >&2
  [[ $status -ne 0 ]] || status=1
fi
exit $status
