#!/bin/bash
# Shows Slotmate's main job under Wine: a private prefix with drive E: as a
# CD-ROM drive holding a sample game disc, a catalogue of a few games with
# their memory cards, and a stand-in for the emulator that records the keys
# it gets. Slotmate finds the disc, points the emulator's first card slot at
# the game's card and nudges the stand-in.
#
#   scripts/run.sh [--screenshots]
#
# With a DISPLAY the windows appear there and Slotmate keeps running until
# you choose Exit from its tray menu. Without one it runs under Xvfb, saves a
# screenshot and says where.
#
# --screenshots   runs in Wine's virtual desktop on a private Xvfb display
#                 whatever DISPLAY says, and writes docs/screenshot-main.png
#                 (the main window with the catalogue),
#                 docs/screenshot-editor.png (the game editor, opened with
#                 Alt+A and typed into), docs/screenshot-tray-menu.png (the
#                 tray icon's menu, "Add New Games" checked) and
#                 docs/screenshot-new-game.png (a disc of a game not in the
#                 catalogue added at the next start, and its balloon).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${SLOTMATE_BUILD:-$root/build}
out=$build/run
screenshots=""
case ${1:-} in
  "") ;;
  --screenshots) screenshots=1 ;;
  *)
    sed -n '8p' "$0" >&2
    exit 2
    ;;
esac
scripts/install-deps.sh

# The 32-bit build, which players on any Windows take, where this machine
# runs it; the 64-bit build where the kernel refuses 32-bit programs.
source scripts/wine-env.sh
source scripts/steps.sh
arch=$(wine_shown_arch) why=$(wine_cannot_run win32)
echo "run.sh: showing the ${arch#win}-bit build${why:+; not the 32-bit one: $why}"
# Each step's output goes to a log here (build.log, prefix.log...).
rm -rf "$out"
mkdir -p "$out/disc"
cp scripts/sample/system.cnf "$out/disc/SYSTEM.CNF"
build_it() {
  cmake -S . -B "$build/$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$(mingw_cpu "$arch").cmake" &&
    cmake --build "$build/$arch" -j"$(nproc)" --target slotmate stand_in_emulator
}
step_run "$out/build.log" "building slotmate.exe and the stand-in emulator in $build/$arch (a minute or two the first time)" \
  build_it

wine_use "$arch"
export WINEPREFIX=$out/prefix
xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} || -n $screenshots ]]; then
  # Xvfb takes a display that nothing else holds and tells its number once
  # it accepts windows.
  mkfifo "$out/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/displayfd" \
    </dev/null >"$out/xvfb.log" 2>&1 &
  xvfb=$!
  read_display() { read -r -t 30 display <"$out/displayfd"; }
  step_log "$out/xvfb.log" "starting Xvfb" read_display
  export DISPLAY=":$display"
fi

step_run "$out/prefix.log" "making a Wine prefix whose drive E: is a CD-ROM drive (10-20 s)" \
  scripts/make-prefix.sh "$WINEPREFIX" --arch "$arch" --graphics x11 --cdrom "e:$out/disc"
if [[ -n $screenshots ]]; then
  # Every window in Wine's virtual desktop: frames and title bars as on
  # Windows, and the tray icon in its taskbar.
  step_log "$out/prefix.log" "setting up Wine's virtual desktop" \
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Slotmate /f
  step_log "$out/prefix.log" "setting up Wine's virtual desktop" \
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Slotmate /d 800x600 /f
fi
app=$WINEPREFIX/drive_c/Slotmate
cards=$WINEPREFIX/drive_c/VGS
mkdir -p "$app"
cp "$build/$arch/slotmate.exe" "$app/"
scripts/sample-catalogue.sh "$app/games.txt" "$cards" 'C:\VGS'

key='HKCU\SOFTWARE\Connectix\Connectix Virtual Game Station\Memory Cards'
card_value() {
  wine reg query "$key" /v "Bank 00 Slot 00" 2>/dev/null | tr -d '\r' |
    sed -n 's/.*REG_SZ[[:space:]]*//p' | head -n 1
}
wineserver -p60 </dev/null >/dev/null 2>&1 || true
echo "Bank 00 Slot 00 before: $(card_value || true)"
[[ -n $(card_value || true) ]] || echo "  (not set)"

# wait_for SECONDS COMMAND...: until COMMAND succeeds, for at most SECONDS.
wait_for() {
  local tries=$(($1 * 5))
  until "${@:2}"; do
    ((--tries > 0)) || return 1
    sleep 0.2
  done
}
keys=$out/stand-in-keys.txt
step "starting the stand-in emulator, then Slotmate"
wine "$build/$arch/stand_in_emulator.exe" "$(winepath -w "$keys")" \
  </dev/null >"$out/stand-in.log" 2>&1 &
step_log "$out/stand-in.log" "waiting 10 s at most for the stand-in emulator's window" \
  wait_for 10 grep -qs ready "$keys"

(cd "$app" && wine slotmate.exe </dev/null >"$out/slotmate.log" 2>&1) &
slotmate=$!
card_set() { [[ -n $(card_value || true) ]]; }
step_log "$out/slotmate.log" "waiting 15 s at most for Slotmate to switch the card" \
  wait_for 15 card_set
sleep 1

echo "Bank 00 Slot 00 after:  $(card_value || true)"
echo "Keys the stand-in emulator received:"
grep -v ready "$keys" | sed -e 's/0x0D/Enter/; s/0x12/Alt/; s/0x45/E/; s/0x26/Up/' \
  -e 's/^sys//; s/^/  /' || echo "  (none)"

# In the virtual desktop every window is drawn inside one X window; the
# user's clicks and keys go there, at the desktop's own coordinates.
desktop=""
if [[ -n $screenshots ]]; then
  for _ in $(seq 50); do
    desktop=$(xdotool search --onlyvisible --name '^Slotmate - Wine desktop$' | head -n 1 || true)
    [[ -n $desktop ]] && break
    sleep 0.2
  done
  [[ -n $desktop ]] || {
    echo "run.sh: no virtual desktop is shown" >&2
    exit 1
  }
  xdotool windowfocus --sync "$desktop"
fi
click() { xdotool mousemove --window "$desktop" "$1" "$2" click "${3:-1}"; } # X Y [BUTTON]
# Keys go to the window active in the desktop, which has the X focus (given
# once: giving it again makes the desktop itself the active window).
keys() { xdotool key --delay 50 "$@"; }
type_text() { xdotool type --delay 20 "$1"; }
# The pointer to an empty corner, where it shows no tip.
park() { xdotool mousemove --window "$desktop" 4 4 && sleep 1; }
# The tray icon sits at the right end of the taskbar, 20 pixels high.
open_tray_menu() { click $((800 - 11)) $((600 - 11)) 3 && sleep 1; }
# shot FILE: the desktop without its taskbar, cut to the windows on it.
shot() {
  import -window "$desktop" "$out/desktop.png"
  convert "$out/desktop.png" -gravity South -chop 0x20 +gravity -fuzz 3% -trim +repage \
    -bordercolor "$(convert "$out/desktop.png" -format '%[pixel:p{2,2}]' info:)" \
    -border 8 "$1"
}
# corner FILE WIDTH HEIGHT: the bottom right of the desktop, with the tray.
corner() {
  import -window "$desktop" png:- | convert - -gravity SouthEast -crop "$2x$3+0+0" +repage "$1"
}

if [[ -n $screenshots ]]; then
  # The main window in front of the emulator: a click on its caption. The
  # pointer rests on the first row, too long for the window: its tip shows it whole.
  click 260 168 && xdotool mousemove --window "$desktop" 300 186 && sleep 2
  shot docs/screenshot-main.png

  # The game editor, opened with the Add button's access key. Tab order:
  # title, card path, "...", game code.
  keys alt+a && sleep 1
  type_text "Tomb Raider" && keys Tab
  type_text 'C:\VGS\Tomb Raider.mem' && keys Tab Tab
  type_text "SLUS-00152" && park
  shot docs/screenshot-editor.png
  keys Escape

  # The tray menu: "Add New Games" chosen by its access key, then shown checked.
  open_tray_menu && keys n
  open_tray_menu && park
  corner docs/screenshot-tray-menu.png 200 130
  keys Escape

  # Exit, a disc of a game not in the catalogue, and a new start: the game is
  # added and the balloon tells of it.
  open_tray_menu && keys x
  wait "$slotmate" || true
  printf 'BOOT = cdrom:\\SLUS_008.92;1\r\nTCB = 4\r\n' >"$out/disc/SYSTEM.CNF"
  (cd "$app" && wine slotmate.exe </dev/null >/dev/null 2>&1) &
  sleep 6
  import -window "$desktop" docs/screenshot-new-game.png
  echo "Screenshots: docs/screenshot-main.png docs/screenshot-editor.png" \
    "docs/screenshot-tray-menu.png docs/screenshot-new-game.png"
elif [[ -n $xvfb ]]; then
  sleep 1
  step_log "$out/xvfb.log" "taking the screenshot" import -window root "$out/screenshot.png"
  echo "Screenshot: $out/screenshot.png"
else
  echo "Slotmate is running on $DISPLAY; choose Exit from its tray menu to end it."
  wait "$slotmate" || true
fi
