#!/bin/bash
# Runs a Windows test program under Wine in a private 32-bit prefix with the
# null graphics driver: run-under-wine.sh PREFIX PROGRAM [ARGS...]
set -u
prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="
unset DISPLAY

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.ready" ]; then
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    if [ -n "${SLOTMATE_TEST_DPI:-}" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$SLOTMATE_TEST_DPI" /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$prefix/.ready"
  fi
) 9>"$prefix.lock"

# Output goes through files: Wine's helpers would hold ctest's pipes open.
out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err" </dev/null
status=$?
cat "$out"
cat "$err" >&2
if grep -q "wine: Unhandled" "$err"; then status=1; fi
rm -f "$out" "$err"
exit $status
