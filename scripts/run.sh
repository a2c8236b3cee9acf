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
# --screenshots   runs on a private Xvfb display whatever DISPLAY says, and
#                 writes docs/screenshot-main.png (the main window with the
#                 catalogue), docs/screenshot-editor.png (the game editor,
#                 opened with Alt+A and typed into) and
#                 docs/screenshot-tray-menu.png (the tray icon's menu).
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
arch=$(wine_shown_arch) why=$(wine_cannot_run win32)
echo "run.sh: showing the ${arch#win}-bit build${why:+; not the 32-bit one: $why}"
cmake -S . -B "$build/$arch" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$(mingw_cpu "$arch").cmake" >/dev/null
cmake --build "$build/$arch" -j"$(nproc)" --target slotmate stand_in_emulator >/dev/null

wine_use "$arch"
export WINEPREFIX=$out/prefix
rm -rf "$out"
mkdir -p "$out/disc"
cp scripts/sample/system.cnf "$out/disc/SYSTEM.CNF"

xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} || -n $screenshots ]]; then
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  sleep 1
fi

scripts/make-prefix.sh "$WINEPREFIX" --arch "$arch" --graphics x11 --cdrom "e:$out/disc" >/dev/null
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

keys=$out/stand-in-keys.txt
wine "$build/$arch/stand_in_emulator.exe" "$(winepath -w "$keys")" </dev/null >/dev/null 2>&1 &
for _ in $(seq 50); do grep -q ready "$keys" 2>/dev/null && break; sleep 0.2; done

(cd "$app" && wine slotmate.exe </dev/null >/dev/null 2>&1) &
slotmate=$!
for _ in $(seq 75); do [[ -n $(card_value || true) ]] && break; sleep 0.2; done
sleep 1

echo "Bank 00 Slot 00 after:  $(card_value || true)"
echo "Keys the stand-in emulator received:"
grep -v ready "$keys" | sed -e 's/0x0D/Enter/; s/0x12/Alt/; s/0x45/E/; s/0x26/Up/' \
  -e 's/^sys//; s/^/  /' || echo "  (none)"

# shown_window CAPTION: the X window of a shown window with that caption.
shown_window() {
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $id ]] && break
    sleep 0.2
  done
  echo "$id"
}

# crop_to WINDOW FILE: the screen's part under the window (as drawn: Wine
# draws the frame and caption itself here, with no window manager).
crop_to() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# focus CAPTION: gives the shown window with that caption the keyboard. With
# no window manager a new window does not get it by itself, and the X focus
# alone does not activate a window once another program was brought to the
# front (as the card switch does with the emulator); a click on the caption
# does. The pointer then leaves, so that no tip shows in a screenshot.
focus() {
  local id
  id=$(shown_window "$1")
  [[ -n $id ]] || return 1
  xdotool mousemove --window "$id" 40 9 click 1 mousemove 1000 750
  xdotool windowfocus --sync "$id"
}

if [[ -n $screenshots ]]; then
  main=$(shown_window "Slotmate 1.0c")
  [[ -n $main ]] || {
    echo "run.sh: the main window is not shown" >&2
    exit 1
  }
  # The pointer away from the list, whose tip would show over it.
  xdotool mousemove 1000 750
  sleep 1
  crop_to "$main" docs/screenshot-main.png

  # The game editor, opened with the Add button's access key.
  focus "Slotmate 1.0c"
  xdotool key alt+a
  focus Game || {
    echo "run.sh: Alt+A opened no game editor" >&2
    exit 1
  }
  # Tab order: title, card path, "...", game code.
  xdotool type --delay 20 "Tomb Raider"
  xdotool key Tab
  xdotool type --delay 20 'C:\VGS\Tomb Raider.mem'
  xdotool key Tab Tab
  xdotool type --delay 20 "SLUS-00152"
  sleep 0.5
  crop_to "$(shown_window Game)" docs/screenshot-editor.png
  focus Game && xdotool key Escape
  for _ in $(seq 25); do
    [[ -z $(xdotool search --onlyvisible --name '^Game$' 2>/dev/null) ]] && break
    sleep 0.2
  done

  # The tray menu: a right click on the first icon of Wine's tray window
  # (icons sit left to right, each as wide as the window is high).
  tray=$(shown_window "Wine System Tray")
  [[ -n $tray ]] || {
    echo "run.sh: no tray icon is shown" >&2
    exit 1
  }
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  left=$((X > 4 ? X - 4 : 0)) top=$((Y > 4 ? Y - 4 : 0))
  before=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort)
  xdotool mousemove --window "$tray" $((HEIGHT / 2)) $((HEIGHT / 2)) click 3
  menu=""
  for _ in $(seq 25); do
    # The menu is the one new window.
    menu=$(comm -13 <(echo "$before") \
      <(xdotool search --onlyvisible --name '' 2>/dev/null | sort) | head -n 1)
    [[ -n $menu ]] && break
    sleep 0.2
  done
  [[ -n $menu ]] || {
    echo "run.sh: the tray menu did not open" >&2
    exit 1
  }
  sleep 0.5
  # The tray icon and its menu together.
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  import -window root -crop "$((X + WIDTH + 4 - left))x$((Y + HEIGHT + 4 - top))+$left+$top" \
    +repage docs/screenshot-tray-menu.png
  echo "Screenshots: docs/screenshot-main.png docs/screenshot-editor.png" \
    "docs/screenshot-tray-menu.png"
elif [[ -n $xvfb ]]; then
  sleep 1
  import -window root "$out/screenshot.png"
  echo "Screenshot: $out/screenshot.png"
else
  echo "Slotmate is running on $DISPLAY; choose Exit from its tray menu to end it."
  wait "$slotmate" || true
fi
