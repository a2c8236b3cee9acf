# shellcheck shell=bash disable=SC2034,SC2155  # constants for journeys.sh; local x=$(...) on purpose
# The real program under Wine on a private Xvfb display, and helpers that read
# like the user's steps. `setup` makes one prefix (E: a CD-ROM drive, its
# folder the disc); each journey runs in C:\NAME, its output in
# BUILD/e2e-output/NAME. E2E_KEEP=1 keeps the prefix.

readonly MAIN='^Slotmate 1\.0c$' MESSAGE='^Slotmate$' TRAY='^Wine System Tray$'
readonly CARDS_KEY='HKCU\SOFTWARE\Connectix\Connectix Virtual Game Station\Memory Cards'
# The key downs of one switch: Enter, Alt+E (Alt, then E), Up, Enter, Enter.
readonly SWITCH_KEYS='down 0x0D sysdown 0x12 sysdown 0x45 down 0x26 down 0x0D down 0x0D'
E2E_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)
source "$E2E_SCRIPTS/wine-env.sh"
FAILURES=0

check() { # DESCRIPTION COMMAND...
  if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1" && FAILURES=$((FAILURES + 1)); fi
}
not() { ! "$@"; }
wait_until() { wait_before $((${EPOCHREALTIME/./} + $1 * 1000000)) "${@:2}"; } # SECONDS COMMAND...
wait_before() { # DEADLINE COMMAND...: polls until COMMAND succeeds, DEADLINE in µs since 1970
  until "${@:2}"; do
    ((${EPOCHREALTIME/./} < $1)) || return 1
    sleep 0.1
  done
}

e2e_paths() { # BUILD_FOLDER SLOTMATE_E2E_EXE: the journeys run the build's kind of Wine
  BUILD=$1 WORK=$1/e2e-work ARCH=$(wine_arch_of "$2") || return 1
  wine_use "$ARCH"
  DISC=$WORK/disc-e
  export WINEPREFIX=$WORK/prefix
}

e2e_setup() {
  type -P Xvfb xdotool import wine >/dev/null ||
    { echo "FAIL: the journeys need xvfb, xdotool, imagemagick and wine" && return 1; }
  e2e_teardown
  rm -rf "$WORK" "$BUILD/e2e-output"
  mkdir -p "$DISC"
  # The first free display from :170.
  local number
  for number in $(seq 170 199); do
    [[ -e /tmp/.X$number-lock ]] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$WORK/xvfb.log" 2>&1 &
    echo $! >"$WORK/xvfb.pid"
    wait_until 10 test -S "/tmp/.X11-unix/X$number" -o ! -d "/proc/$!" && kill -0 $! && break
    kill $! 2>/dev/null
  done
  kill -0 "$(<"$WORK/xvfb.pid")" || { echo "FAIL: Xvfb did not start" && return 1; }
  echo ":$number" >"$WORK/display"
  SLOTMATE_WINE_TEMPLATE=$BUILD/.wine-template-$ARCH "$E2E_SCRIPTS/make-prefix.sh" \
    "$WINEPREFIX" --arch "$ARCH" --graphics x11 --cdrom "e:$DISC" >"$WORK/make-prefix.log" 2>&1 ||
    { cat "$WORK/make-prefix.log" && echo "FAIL: could not make the prefix" && return 1; }
  echo "display $(<"$WORK/display"), prefix $WINEPREFIX"
}

e2e_teardown() {
  local xvfb=$(cat "$WORK/xvfb.pid" 2>/dev/null) display=$(cat "$WORK/display" 2>/dev/null)
  [[ -d $WINEPREFIX ]] && wineserver -k 2>/dev/null
  # Only the Xvfb that setup started.
  [[ -n $xvfb && $(ps -o args= -p "$xvfb") == "Xvfb $display "* ]] && kill "$xvfb"
  [[ -n ${E2E_KEEP:-} ]] || rm -rf "$WORK"
}

# e2e_journey NAME EXE...: runs journey_NAME in C:\NAME, beside the EXEs.
e2e_journey() {
  if [[ ! -s $WORK/display ]] || ! kill -0 "$(<"$WORK/xvfb.pid")" 2>/dev/null; then
    echo "FAIL: no display: run the journeys through ctest -L e2e" && return 1
  fi
  export DISPLAY=$(<"$WORK/display")
  OUT=$BUILD/e2e-output/$1 APP=$WINEPREFIX/drive_c/$1 APP_WIN="C:\\$1"
  rm -rf "$OUT" "$APP" && mkdir -p "$OUT" "$APP" && cp "${@:2}" "$APP/"
  eject_disc
  wineserver -p60 </dev/null >/dev/null 2>&1
  # Managed, Wine waited 2 s on each window the program hid. Its tray stays
  # managed: unmanaged, it lost a second right click on the icon.
  wine reg add 'HKCU\Software\Wine\AppDefaults\slotmate_e2e.exe\X11 Driver' /v Managed \
    /d N /f </dev/null >/dev/null
  trap 'wineserver -k; wineserver -w' EXIT
  "journey_$1"
  ((FAILURES == 0)) || screenshot at-the-end
  check "Wine reported no crash" not grep -qs "wine: Unhandled" "$OUT"/*.err
  ((FAILURES == 0))
}

# Programs

start() { # EXE ARGS...: a program of C:\NAME in the background, its pid in $!
  (cd "$APP" && exec wine "$APP_WIN\\$1" "${@:2}" </dev/null >>"$OUT/${1%.exe}.out" \
    2>>"$OUT/${1%.exe}.err") &
}
# start_slotmate [EXE]: Wine looks in its folder first for the DLLs in
# NATIVE_FIRST, as Windows would.
start_slotmate() {
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES${NATIVE_FIRST:+;$NATIVE_FIRST=n,b}" \
    start "${1:-slotmate_e2e.exe}" && SLOTMATE=$!
}
running() { kill -0 "$SLOTMATE" 2>/dev/null; }
ended_with_0() { ! running && wait "$SLOTMATE"; }
start_stand_in() { # it logs the keys it gets to OUT/keys.log
  local log=$(realpath -m "$OUT/keys.log")
  : >"$log"
  start stand_in_emulator.exe "Z:${log//\//\\}"
  wait_until 10 grep -qx ready "$OUT/keys.log"
}
# announce DRIVE: [--removed]: tells every window that a disc arrived (left).
announce() { (cd "$APP" && wine announce_media.exe "$@" </dev/null >>"$OUT/announce.out" 2>&1); }
keys_are() { # KEY_DOWNS: those the stand-in has logged
  [[ $(grep -E '^(sys)?down ' "$OUT/keys.log" | tr '\r\n' '  ' | sed 's/ *$//') == "$1" ]]
}

# Files, disc, registry

catalogue() { printf '%s\r\n' "$@" >"$APP/games.txt"; } # LINE...: games.txt, CR LF ends
catalogue_is() { cmp -s <(printf '%s\r\n' "$@") "$APP/games.txt"; }
# insert_disc BOOT_FILE: system.cnf last, in one step.
insert_disc() {
  echo data >"$DISC/$1"
  printf 'BOOT = cdrom:\\%s;1\r\nTCB = 4\r\n' "$1" >"$WORK/system.cnf"
  mv "$WORK/system.cnf" "$DISC/SYSTEM.CNF"
}
eject_disc() { find "$DISC" -mindepth 1 -delete; }
# swap_disc BOOT_FILE: each step announced. Its poll runs after the announcer.
swap_disc() { eject_disc && announce E: --removed && sleep 0.5 && insert_disc "$1" && announce E:; }
slot_is() { # CARD: the emulator's first slot holds CARD
  [[ $(wine reg query "$CARDS_KEY" /v "Bank 00 Slot 00" </dev/null 2>/dev/null |
    sed -n 's/.*REG_SZ *//p' | tr -d '\r') == "$1" ]]
}

# Windows on the display

window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
shown() { [[ -n $(window "$1") ]]; }
# to CAPTION XDOTOOL_COMMAND...: focuses the window, as no window manager does.
to() { wait_until 10 shown "$1" && xdotool windowfocus --sync "$(window "$1")" "${@:2}"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; } # WINDOW X Y [BUTTON]
# choose_in_tray_menu CAPTION: focuses the main window, or the menu gets no
# keys, right-clicks the tray's first icon 12 px in from its bottom left, and
# types the item's access key once the menu (taller than a tooltip) shows.
choose_in_tray_menu() {
  local WIDTH HEIGHT id=$(window "$TRAY") before=$(all_shown) key=${1#*&}
  to "$MAIN" && [[ -n $id ]] && geometry "$id" && click_in "$id" 12 $((HEIGHT - 12)) 3 &&
    wait_until 5 new_window_taller_than 40 "$before" && xdotool key "${key:0:1}"
}
exit_from_tray() { choose_in_tray_menu "E&xit" && wait_until 10 ended_with_0; }
all_shown() { xdotool search --onlyvisible --name '.*' | sort; }
new_window_taller_than() { # HEIGHT BEFORE
  local WIDTH HEIGHT id
  for id in $(comm -13 <(echo "$2") <(all_shown)); do
    HEIGHT=0 && geometry "$id" && ((HEIGHT > $1)) && return 0
  done
  return 1
}
# The first row of the game list, just under the main window's caption.
click_first_row() { click_in "$(window "$MAIN")" 80 24; }
screenshot() { import -window root "$OUT/$1.png"; }
