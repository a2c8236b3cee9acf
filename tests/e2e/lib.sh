# shellcheck shell=bash disable=SC2034  # variables here are for the scripts that source it
# Shared helpers for the end-to-end scripts: the real program under Wine on a
# private Xvfb display, in a fresh prefix with drive E: as a CD-ROM drive.
#
# A script sources this file, then calls
#   e2e_init NAME SLOTMATE_E2E_EXE STAND_IN_EXE
# which starts Xvfb, makes the prefix and installs a cleanup trap. Results are
# reported with `check` / `pass` / `fail`, and `e2e_finish` exits non-zero when
# any check failed. Screenshots and logs are kept in e2e-output/NAME beside
# the program (the build folder); the prefix lives in e2e-work/NAME.
#
# Set E2E_KEEP=1 to keep the prefix after the run (for looking around).

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_FAILURES=0
E2E_TIMEOUT=${E2E_TIMEOUT:-15}

readonly E2E_CAPTION="Slotmate 1.0c"
readonly E2E_EMULATOR_CAPTION="Connectix Virtual Game Station"
readonly E2E_TRAY_CAPTION="Wine System Tray"
readonly E2E_CARDS_KEY='HKCU\SOFTWARE\Connectix\Connectix Virtual Game Station\Memory Cards'
readonly E2E_SLOT_VALUE="Bank 00 Slot 00"
readonly E2E_SETTINGS_KEY='HKCU\Software\Slotmate\Settings'

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="

log() { echo "[$(date +%T)] $*"; }

pass() { echo "PASS: $*"; }

# not COMMAND...: succeeds when COMMAND fails (for check).
not() { ! "$@"; }

fail() {
  echo "FAIL: $*"
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

# check DESCRIPTION COMMAND...: one PASS/FAIL line for a command's status.
check() {
  local description=$1
  shift
  if "$@"; then pass "$description"; else fail "$description"; fi
}

# wait_until SECONDS COMMAND...: polls every 0.2 s until COMMAND succeeds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while true; do
    "$@" && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# e2e_init NAME SLOTMATE_E2E_EXE STAND_IN_EXE: fresh work folder, Xvfb,
# prefix, cleanup trap.
e2e_init() {
  if [[ $# -ne 3 ]]; then
    echo "usage: $0 SLOTMATE_E2E_EXE STAND_IN_EXE" >&2
    exit 2
  fi
  E2E_NAME=$1
  E2E_EXE=$2
  E2E_STAND_IN=$3
  local exe
  for exe in "$E2E_EXE" "$E2E_STAND_IN"; do
    if [[ ! -f $exe ]]; then
      echo "FAIL: $exe is not built"
      exit 1
    fi
  done
  local tool
  for tool in Xvfb xdotool import wine wineserver; do
    if ! command -v "$tool" >/dev/null; then
      echo "FAIL: $tool is not installed (Debian: xvfb, xdotool, imagemagick, wine)"
      exit 1
    fi
  done
  E2E_BUILD=$(cd "$(dirname "$E2E_EXE")" && pwd)

  E2E_OUT=$E2E_BUILD/e2e-output/$E2E_NAME
  E2E_WORK=$E2E_BUILD/e2e-work/$E2E_NAME
  rm -rf "$E2E_OUT" "$E2E_WORK"
  mkdir -p "$E2E_OUT" "$E2E_WORK"
  E2E_DISC=$E2E_WORK/disc-e
  mkdir -p "$E2E_DISC"
  export WINEPREFIX=$E2E_WORK/prefix
  # Shared by all scripts: made once with wineboot, then copied.
  export SLOTMATE_WINE_TEMPLATE=$E2E_BUILD/e2e-work/.wine-template

  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM

  e2e_start_xvfb
  log "making the prefix"
  "$E2E_DIR/../../scripts/make-prefix.sh" "$WINEPREFIX" --graphics x11 \
    --cdrom "e:$E2E_DISC" >"$E2E_OUT/make-prefix.log" 2>&1 || {
    cat "$E2E_OUT/make-prefix.log"
    echo "FAIL: could not make the Wine prefix"
    exit 1
  }
  # One persistent server: each later wine call starts in a fraction of a
  # second instead of about one.
  wineserver -p60 </dev/null >/dev/null 2>&1

  E2E_APP_DIR=$WINEPREFIX/drive_c/Slotmate
  E2E_APP_WIN='C:\Slotmate'
  mkdir -p "$E2E_APP_DIR"
  cp "$E2E_EXE" "$E2E_APP_DIR/slotmate_e2e.exe"
  cp "$E2E_STAND_IN" "$E2E_APP_DIR/stand_in_emulator.exe"
  E2E_PIDS=()
  E2E_STAND_IN_RUNS=0
  log "ready: prefix $WINEPREFIX, display $DISPLAY, output $E2E_OUT"
}

e2e_start_xvfb() {
  local fifo=$E2E_WORK/displayfd
  mkfifo "$fifo"
  # No window manager: Wine shows its own "Wine System Tray" window.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$fifo" >"$E2E_OUT/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local number
  if ! read -r -t 15 number <"$fifo"; then
    echo "FAIL: Xvfb did not start"
    exit 1
  fi
  rm -f "$fifo"
  export DISPLAY=:$number
}

e2e_cleanup() {
  local status=$?
  if [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [[ -n ${E2E_XVFB_PID:-} ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  fi
  if [[ -z ${E2E_KEEP:-} && -n ${E2E_WORK:-} ]]; then
    rm -rf "$E2E_WORK"
  fi
  exit "$status"
}

e2e_finish() {
  if ((E2E_FAILURES > 0)); then
    echo "$E2E_NAME: $E2E_FAILURES check(s) failed; output in $E2E_OUT"
    exit 1
  fi
  echo "$E2E_NAME: all checks passed; output in $E2E_OUT"
  exit 0
}

# --- The catalogue, cards and discs -----------------------------------------

# make_card UNIX_PATH: a card file of the usual size (131,136 bytes).
make_card() {
  mkdir -p "$(dirname "$1")"
  head -c 131136 /dev/zero | tr '\0' 'M' >"$1"
}

# write_catalogue LINE...: games.txt beside the program, CR LF line ends.
# Each LINE is "GAMEID Title<TAB>card path".
write_catalogue() {
  local line
  : >"$E2E_APP_DIR/games.txt"
  for line in "$@"; do
    printf '%s\r\n' "$line" >>"$E2E_APP_DIR/games.txt"
  done
}

# insert_disc BOOT_FILE: a disc in E: whose system.cnf boots BOOT_FILE,
# e.g. SLUS_004.53. Files go in first; system.cnf last, as the program may
# look at the drive at any moment.
insert_disc() {
  printf 'BOOT = cdrom:\\%s;1\r\nTCB = 4\r\nEVENT = 10\r\nSTACK = 801FFFF0\r\n' "$1" \
    >"$E2E_WORK/system.cnf"
  echo "data" >"$E2E_DISC/$1"
  mv "$E2E_WORK/system.cnf" "$E2E_DISC/SYSTEM.CNF"
}

eject_disc() {
  find "$E2E_DISC" -mindepth 1 -delete
}

# --- Processes ----------------------------------------------------------------

# start_slotmate: the program in the background; its pid in E2E_SLOTMATE_PID.
start_slotmate() {
  (cd "$E2E_APP_DIR" && exec wine "$E2E_APP_WIN\\slotmate_e2e.exe" \
    </dev/null >>"$E2E_OUT/slotmate.out" 2>>"$E2E_OUT/slotmate.err") &
  E2E_SLOTMATE_PID=$!
  E2E_PIDS+=("$E2E_SLOTMATE_PID")
}

# run_slotmate_again SECONDS: a second start in the foreground; its exit
# status in E2E_SECOND_STATUS (124 when it did not end in time).
run_slotmate_again() {
  (cd "$E2E_APP_DIR" && exec timeout "$1" wine "$E2E_APP_WIN\\slotmate_e2e.exe" \
    </dev/null >>"$E2E_OUT/slotmate-second.out" 2>>"$E2E_OUT/slotmate-second.err")
  E2E_SECOND_STATUS=$?
}

slotmate_running() { kill -0 "$E2E_SLOTMATE_PID" 2>/dev/null; }

slotmate_ended() { ! slotmate_running; }

# start_stand_in [CAPTION]: the stand-in emulator logging keys to
# E2E_KEY_LOG (kept in the output folder); waits until its window is shown.
start_stand_in() {
  E2E_KEY_LOG=$E2E_OUT/keys-$((++E2E_STAND_IN_RUNS)).log
  : >"$E2E_KEY_LOG"
  local args=("$(windows_path "$E2E_KEY_LOG")")
  [[ $# -ge 1 ]] && args+=("$1")
  (cd "$E2E_APP_DIR" && exec wine "$E2E_APP_WIN\\stand_in_emulator.exe" "${args[@]}" \
    </dev/null >>"$E2E_OUT/stand-in.out" 2>>"$E2E_OUT/stand-in.err") &
  E2E_STAND_IN_PID=$!
  E2E_PIDS+=("$E2E_STAND_IN_PID")
  wait_until "$E2E_TIMEOUT" grep -qx ready "$E2E_KEY_LOG"
}

stop_stand_in() {
  kill "$E2E_STAND_IN_PID" 2>/dev/null || true
  wait "$E2E_STAND_IN_PID" 2>/dev/null || true
}

# windows_path UNIX_PATH: the same file through Wine's drive Z: (the root).
windows_path() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}

# Fails when Wine reported a crash of the program.
no_crash() {
  ! grep -qs "wine: Unhandled" "$E2E_OUT/slotmate.err" "$E2E_OUT/slotmate-second.err"
}

# --- Windows on the display -----------------------------------------------------

# find_window CAPTION_REGEX [--onlyvisible]: X window ids, one a line.
find_window() {
  xdotool search "${@:2}" --name "$1" 2>/dev/null
}

window_visible() { [[ -n $(find_window "$1" --onlyvisible) ]]; }

window_hidden() { ! window_visible "$1"; }

# The tray window is shown while it holds at least one icon.
tray_icon_shown() {
  local id
  id=$(find_window "^$E2E_TRAY_CAPTION\$" --onlyvisible | head -n1)
  [[ -n $id ]] || return 1
  local width height
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$WIDTH
  height=$HEIGHT
  ((width > 0 && height > 0))
}

screenshot() {
  import -window root "$E2E_OUT/$1.png" 2>>"$E2E_OUT/import.log" || true
}

# --- Registry -----------------------------------------------------------------

# reg_value KEY NAME: prints the value's data (empty with status 1 if absent).
reg_value() {
  local out
  out=$(wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r') || return 1
  local line
  line=$(grep -E "^ +$(sed 's/[][\.*^$]/\\&/g' <<<"$2") +REG_" <<<"$out" | head -n1)
  [[ -n $line ]] || return 1
  sed -E 's/^ +.* +REG_[A-Z_]+ +//' <<<"$line"
}

reg_set() {
  wine reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1
}

reg_delete_key() {
  wine reg delete "$1" /f </dev/null >/dev/null 2>&1
}

slot_value() { reg_value "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE"; }

# slot_is TEXT: "Bank 00 Slot 00" holds exactly TEXT.
slot_is() { [[ $(slot_value) == "$1" ]]; }

# --- Keys the stand-in received -------------------------------------------------

# key_downs: the key-down lines of the stand-in's log, in order, as
# "down 0x0D" / "sysdown 0x12"; key ups are left out as they may interleave.
key_downs() {
  grep -E '^(sys)?down ' "$E2E_KEY_LOG" 2>/dev/null | tr -d '\r'
}

# The downs of one switch: Enter, Alt, Alt+E, Up, Enter, Enter.
readonly E2E_SWITCH_DOWNS=$'down 0x0D\nsysdown 0x12\nsysdown 0x45\ndown 0x26\ndown 0x0D\ndown 0x0D'

# switch_count: how many complete switch key sequences the log holds.
switch_count() {
  local downs count=0
  downs=$(key_downs)
  while [[ $downs == *"$E2E_SWITCH_DOWNS"* ]]; do
    count=$((count + 1))
    downs=${downs#*"$E2E_SWITCH_DOWNS"}
  done
  echo "$count"
}

switches_are() { [[ $(switch_count) -eq $1 ]]; }

# --- Common set-ups -------------------------------------------------------------

readonly E2E_CARD_WIN='C:\Cards\Sample Game.mcr'
readonly E2E_OTHER_CARD_WIN='C:\Cards\Other Game.mcr'

# sample_catalogue: two games with their cards, and a third whose card is
# missing; the first is the one insert_disc SLUS_004.53 boots.
sample_catalogue() {
  make_card "$WINEPREFIX/drive_c/Cards/Sample Game.mcr"
  make_card "$WINEPREFIX/drive_c/Cards/Other Game.mcr"
  write_catalogue \
    "SCUS-94491 Other Game"$'\t'"$E2E_OTHER_CARD_WIN" \
    "SLUS-00453 Sample Game"$'\t'"$E2E_CARD_WIN" \
    "SLUS-00999 Lost Card Game"$'\t''C:\Cards\Missing.mcr'
}

# end_all_programs: ends every program in the prefix (the registry is saved),
# then starts a fresh persistent server.
end_all_programs() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wait "${E2E_PIDS[@]}" 2>/dev/null || true
  wineserver -p60 </dev/null >/dev/null 2>&1
}

# main_window_id: the program's main window while it is shown.
main_window_id() {
  find_window "^$E2E_CAPTION\$" --onlyvisible | head -n1
}

# focus_main_window: gives the main window the keyboard (no window manager
# here, so the X focus is set directly).
focus_main_window() {
  local id
  id=$(main_window_id)
  [[ -n $id ]] || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

tray_window_id() {
  find_window "^$E2E_TRAY_CAPTION\$" --onlyvisible | head -n1
}

# click_tray_icon BUTTON: clicks the middle of the tray's first icon.
click_tray_icon() {
  local id
  id=$(tray_window_id)
  [[ -n $id ]] || return 1
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
  # Icons sit left to right, each as wide as the window is high.
  local x=$((HEIGHT / 2)) y=$((HEIGHT / 2))
  xdotool mousemove --window "$id" "$x" "$y" click "$1"
}

# slotmate_status: the program's exit status in E2E_STATUS once it has
# ended, "running" while it has not (never blocks).
slotmate_status() {
  if slotmate_running; then
    E2E_STATUS=running
    return
  fi
  wait "$E2E_SLOTMATE_PID" 2>/dev/null
  E2E_STATUS=$?
}

# click_close_box: the close button at the right of the main window's caption
# (drawn by Wine itself here, as no window manager runs).
click_close_box() {
  local id WIDTH HEIGHT
  id=$(main_window_id)
  [[ -n $id ]] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$id" $((WIDTH - 11)) 9 click 1
}

# --- Dialogs and message boxes ----------------------------------------------------

readonly E2E_GAME_CAPTION="Game"
readonly E2E_FIND_CAPTION="Find"
# The program's message boxes carry its bare name.
readonly E2E_MESSAGE_CAPTION="Slotmate"

# window_id CAPTION_REGEX: the first shown window with that caption.
window_id() { find_window "$1" --onlyvisible | head -n1; }

# shown_count CAPTION_REGEX: how many shown windows carry that caption.
shown_count() { find_window "$1" --onlyvisible | wc -l; }

# focus_window CAPTION_REGEX: waits for the window, then gives it the X focus.
# With no window manager a new dialog does not get the focus by itself, and
# keys sent while a closed box held it are lost.
focus_window() {
  wait_until "$E2E_TIMEOUT" window_visible "$1" || return 1
  local id
  id=$(window_id "$1")
  [[ -n $id ]] || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

# press_in CAPTION_REGEX KEY...: keys (xdotool names) to that window.
press_in() {
  focus_window "$1" || return 1
  xdotool key "${@:2}"
}

# type_in CAPTION_REGEX TEXT: real keystrokes into the window's focused box.
type_in() {
  focus_window "$1" || return 1
  xdotool type --delay 20 "$2"
}

# press_in_main KEY...: keys to the main window.
press_in_main() { press_in "^$E2E_CAPTION\$" "$@"; }

# answer_message KEY...: keys to the program's message box once it is shown
# (alt+y / alt+n for Yes / No, Return for the default button).
answer_message() { press_in "^$E2E_MESSAGE_CAPTION\$" "$@"; }

message_shown() { window_visible "^$E2E_MESSAGE_CAPTION\$"; }

message_gone() { window_hidden "^$E2E_MESSAGE_CAPTION\$"; }

message_id() { window_id "^$E2E_MESSAGE_CAPTION\$"; }

# another_message_shown ID: a message box other than window ID is shown (one
# box following another).
another_message_shown() {
  local id
  id=$(message_id)
  [[ -n $id && $id != "$1" ]]
}

# no_message_within SECONDS: no message box shows up in that time.
no_message_within() { not wait_until "$1" message_shown; }

# show_main_window_from_tray: the tray menu's "Configure Games..." item.
show_main_window_from_tray() {
  local before
  before=$(e2e_shown_windows)
  click_tray_icon 3 || return 1
  wait_until 5 e2e_new_window_shown "$before" || return 1
  xdotool key c
  wait_until 5 window_visible "^$E2E_CAPTION\$"
}

e2e_shown_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | sort; }

e2e_new_window_shown() { [[ -n $(comm -13 <(echo "$1") <(e2e_shown_windows)) ]]; }

# --- Files in the prefix --------------------------------------------------------

# unix_path WINDOWS_PATH: a C:\ path's file in the prefix.
unix_path() {
  local rest=${1#[Cc]:\\}
  echo "$WINEPREFIX/drive_c/${rest//\\//}"
}

# blank_card_at WINDOWS_PATH: the file is a blank card (131,136 bytes,
# starting with "VgsM").
blank_card_at() {
  local file
  file=$(unix_path "$1")
  [[ -f $file && $(stat -c %s "$file") -eq 131136 && $(head -c 4 "$file") == VgsM ]]
}

# catalogue_is LINE...: games.txt holds exactly these lines, each ended by
# CR LF.
catalogue_is() {
  [[ -f $E2E_APP_DIR/games.txt ]] || return 1
  cmp -s <(printf '%s\r\n' "$@") "$E2E_APP_DIR/games.txt"
}

catalogue_absent() { [[ ! -e $E2E_APP_DIR/games.txt ]]; }

# catalogue_stamp: size, modification time (ns) and checksum of games.txt.
catalogue_stamp() {
  stat -c '%s %.9Y' "$E2E_APP_DIR/games.txt" 2>/dev/null || echo none
  md5sum <"$E2E_APP_DIR/games.txt" 2>/dev/null
}
