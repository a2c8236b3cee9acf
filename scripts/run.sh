#!/bin/bash
# Shows Slotmate's main job under Wine: a private prefix with drive E: as a
# CD-ROM drive holding a sample game disc, a catalogue naming that game and
# its memory card, and a stand-in for the emulator that records the keys it
# gets. Slotmate finds the disc, points the emulator's first card slot at the
# game's card and nudges the stand-in.
#
# With a DISPLAY the windows appear there and Slotmate keeps running until
# you choose Exit from its tray menu. Without one it runs under Xvfb, saves a
# screenshot and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${SLOTMATE_BUILD:-$root/build}
out=$build/run
scripts/install-deps.sh

cmake -S . -B "$build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/windows" -j"$(nproc)" --target slotmate stand_in_emulator >/dev/null

export WINEPREFIX=$out/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="
rm -rf "$out"
mkdir -p "$out/disc"
cp scripts/sample/system.cnf "$out/disc/SYSTEM.CNF"

xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} ]]; then
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  sleep 1
fi

scripts/make-prefix.sh "$WINEPREFIX" --graphics x11 --cdrom "e:$out/disc" >/dev/null
app=$WINEPREFIX/drive_c/Slotmate
cards=$WINEPREFIX/drive_c/VGS
mkdir -p "$app" "$cards"
cp "$build/windows/slotmate.exe" "$app/"
printf 'SLUS-00453 Sample Game\tC:\\VGS\\Sample Game.mem\r\nSCUS-94491 Another Game\tC:\\VGS\\Another Game.mem\r\n' >"$app/games.txt"
# A blank card: the "VgsM" header, then zeros to 131,136 bytes.
{
  printf 'VgsM\001\000\000\000\001\000\000\000\001\000\000\000\000\002'
  head -c $((131136 - 18)) /dev/zero
} >"$cards/Sample Game.mem"

key='HKCU\SOFTWARE\Connectix\Connectix Virtual Game Station\Memory Cards'
card_value() {
  wine reg query "$key" /v "Bank 00 Slot 00" 2>/dev/null | tr -d '\r' |
    sed -n 's/.*REG_SZ[[:space:]]*//p' | head -n 1
}
wineserver -p60 </dev/null >/dev/null 2>&1 || true
echo "Bank 00 Slot 00 before: $(card_value || true)"
[[ -n $(card_value || true) ]] || echo "  (not set)"

keys=$out/stand-in-keys.txt
wine "$build/windows/stand_in_emulator.exe" "$(winepath -w "$keys")" </dev/null >/dev/null 2>&1 &
for _ in $(seq 50); do grep -q ready "$keys" 2>/dev/null && break; sleep 0.2; done

(cd "$app" && wine slotmate.exe </dev/null >/dev/null 2>&1) &
slotmate=$!
for _ in $(seq 75); do [[ -n $(card_value || true) ]] && break; sleep 0.2; done
sleep 1

echo "Bank 00 Slot 00 after:  $(card_value || true)"
echo "Keys the stand-in emulator received:"
grep -v ready "$keys" | sed -e 's/0x0D/Enter/; s/0x12/Alt/; s/0x45/E/; s/0x26/Up/' \
  -e 's/^sys//; s/^/  /' || echo "  (none)"

if [[ -n $xvfb ]]; then
  sleep 1
  import -window root "$out/screenshot.png"
  echo "Screenshot: $out/screenshot.png"
else
  echo "Slotmate is running on $DISPLAY; choose Exit from its tray menu to end it."
  wait "$slotmate" || true
fi
