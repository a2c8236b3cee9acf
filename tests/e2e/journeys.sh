#!/bin/bash
# A few journeys a user takes with the real program under Wine and Xvfb; the
# rules themselves are checked by the native and Windows tests.
#   journeys.sh setup|teardown|JOURNEY SLOTMATE_E2E_EXE STAND_IN_EXE [EXE...]
# A journey is journey_NAME below and its name in cmake/windows.cmake.
set -uo pipefail
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

# The sample game's card CARD is in this journey's folder, so that no earlier
# journey's switch passes for its own.
ready_to_switch() { # [EXE]
  CARD="$APP_WIN\\Sample Game.mem"
  head -c 131136 /dev/zero >"$APP/Sample Game.mem"
  catalogue 'SLUS-00453 Sample Game'$'\t'"$CARD"
  check "the stand-in emulator shows its window" start_stand_in
  start_slotmate "$@"
  check "the main window shows" wait_until 15 shown "$MAIN"
}

# A disc goes in while the emulator runs: its card goes into the first slot
# and the emulator is told to take it up. A second start ends at once. Taken
# out and put back, the disc is switched within 2.5 s of the eject, which the
# 3 s poll cannot do. With Add New Games, a game's disc 1 gets a row, a card
# and the keys; discs 2 and 3 none.
journey_switch() {
  ready_to_switch
  insert_disc SLUS_004.53
  check "the game's card goes into Bank 00 Slot 00" wait_until 8 slot_is "$CARD"
  check "the stand-in gets Enter, Alt+E, Up, Enter, Enter" wait_until 3 keys_are "$SWITCH_KEYS"
  (cd "$APP" && timeout 5 wine slotmate_e2e.exe </dev/null &>"$OUT/second.out")
  local status=$?
  check "a second start ends at once with status 0 (got $status)" test $status -eq 0
  local deadline=$((${EPOCHREALTIME/./} + 2500000)) keys="$SWITCH_KEYS $SWITCH_KEYS"
  swap_disc SLUS_004.53
  check "it is switched within 2.5 s of the eject" wait_before "$deadline" keys_are "$keys"
  check "Add New Games in the tray menu" choose_in_tray_menu "Add &New Games"
  keys+=" $SWITCH_KEYS"
  swap_disc SCUS_941.63
  check "Final Fantasy VII's disc 1 gets the keys" wait_until 5 keys_are "$keys"
  swap_disc SCUS_941.64 && sleep 0.5 && swap_disc SCUS_941.65
  check "Exit in the tray menu ends the program with status 0" exit_from_tray
  check "the swaps sent no keys" keys_are "$keys"
  check "disc 1's card stays in the slot" slot_is 'C:\VGS\SCUS-94163.mem'
  check "games.txt gained one row" test "$(wc -l <"$APP/games.txt")" -eq 2
}

# A game added through the editor with the keyboard (its real tab order); a
# row removed; Exit writes the list back.
journey_catalogue() {
  local card="$APP_WIN\\Sample Game.mem"
  local kept='SLUS-00453 Sample Game'$'\t'"$card"
  local added='SLUS-01040 Vagrant Story'$'\t''C:\catalogue\Cards\Vagrant Story.mem'
  head -c 131136 /dev/zero >"$APP/Sample Game.mem"
  catalogue 'SCUS-94194 Gran Turismo'$'\t''C:\Cards\Gran Turismo.mem' "$kept"
  start_slotmate
  check "Alt+A opens the game editor" to "$MAIN" key alt+a
  check "the title, the card and the code are typed" to '^Game$' type "Vagrant Story"
  to '^Game$' key Tab type 'C:\catalogue\Cards\Vagrant Story.mem'
  to '^Game$' key Tab Tab type slus-01040
  to '^Game$' key Return
  check "Save asks whether to make the card; Yes" to "$MESSAGE" key alt+y
  check "the editor closes" wait_until 5 not shown '^Game$'
  click_first_row
  to "$MAIN" key Delete
  check "Delete asks before removing" wait_until 5 shown "$MESSAGE"
  check "Yes" to "$MESSAGE" key alt+y
  check "the question closes" wait_until 5 not shown "$MESSAGE"
  check "Exit in the tray menu ends the program with status 0" exit_from_tray
  check "games.txt holds the row kept, the added one last" catalogue_is "$kept" "$added"
}

# DLLs named like system ones beside the program (see cmake/windows.cmake)
# are never loaded, though Wine is told to look there first, as Windows does
# for all but the KnownDLLs.
journey_dlls() {
  cp "$BUILD/slotmate.exe" "$BUILD"/e2e-dlls/* "$APP/"
  local exe NATIVE_FIRST
  NATIVE_FIRST=$(cd "$BUILD/e2e-dlls" && ls | sed 's/[.]dll$//' | paste -sd,)
  for exe in slotmate.exe slotmate_e2e.exe; do
    # In before the start: Wine's MCI finds a disc in a CD-ROM drive always.
    rm -f "$APP"/*.loaded && insert_disc SLUS_004.53
    ready_to_switch "$exe"
    check "$exe switches the disc" wait_until 8 keys_are "$SWITCH_KEYS"
    check "Browse in the game editor opens the file dialog" to "$MAIN" key alt+a
    to '^Game$' key Tab Tab space && wait_until 10 shown '^Select Memory Card$'
    check "no DLL beside $exe was loaded" not compgen -G "$APP/*.loaded"
    wineserver -k && wineserver -w
  done
}

e2e_paths "$(cd "$(dirname "$2")" && pwd)" "$2" || exit 1
case $1 in
  setup) e2e_setup ;;
  teardown) e2e_teardown ;;
  *) e2e_journey "$1" "${@:2}" ;;
esac
