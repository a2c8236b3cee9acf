#!/bin/bash
# A few journeys a user takes with the real program under Wine and Xvfb; the
# rules themselves are checked by the native and Windows tests.
#
#   journeys.sh setup|teardown|JOURNEY SLOTMATE_E2E_EXE STAND_IN_EXE [EXE...]
#
# A journey is a function journey_NAME below plus its name in
# cmake/windows.cmake; any further program it runs is built there and passed
# after the others, and it finds that program in its folder.
set -uo pipefail
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

# The catalogue holds the sample game (SLUS-00453) and its card CARD, in this
# journey's folder so that no earlier journey's switch can pass for its own;
# the stand-in emulator and the program run, drive E: is empty.
ready_to_switch() {
  CARD="$APP_WIN\\Sample Game.mem"
  make_card "$CARD"
  catalogue 'SCUS-94491 Other Game'$'\t''C:\Cards\Other.mem' 'SLUS-00453 Sample Game'$'\t'"$CARD"
  check "the stand-in emulator shows its window" start_stand_in
  start_slotmate
  check "the main window shows" wait_until 15 shown "$MAIN"
}

# A disc goes in while the emulator runs: its card is put in the first slot
# and the emulator told to take it up, once. A second start ends at once.
journey_switch() {
  ready_to_switch
  insert_disc SLUS_004.53
  check "the game's card goes into Bank 00 Slot 00" wait_until 8 slot_is "$CARD"
  check "the stand-in gets Enter, Alt+E, Up, Enter, Enter" wait_until 3 keys_are "$SWITCH_KEYS"
  (cd "$APP" && timeout 5 wine slotmate_e2e.exe </dev/null >"$OUT/second.out" 2>"$OUT/second.err")
  local status=$?
  check "a second start ends at once with status 0 (got $status)" test $status -eq 0
  check "the first one goes on" running
  # By now the watcher has polled again with the disc still in.
  check "the keys come once" not wait_until 3 not keys_are "$SWITCH_KEYS"
}

# Announced as Windows does, a disc is taken up at once: taken out and put
# back between two polls, it is switched again, which no poll alone does.
journey_announced() {
  ready_to_switch
  insert_disc SLUS_004.53
  check "the disc is switched" wait_until 8 keys_are "$SWITCH_KEYS"
  eject_disc
  (cd "$APP" && wine announce_media.exe E: --removed) && insert_disc SLUS_004.53
  (cd "$APP" && wine announce_media.exe E:)
  check "announced again, it is switched within 1 s" wait_until 1 keys_are "$SWITCH_KEYS $SWITCH_KEYS"
}

# Exit after a save that failed asks before the changes are lost: No keeps
# the program and its icon, Yes ends it.
journey_unsaved() {
  catalogue 'SCUS-94194 Gran Turismo'$'\t''C:\Cards\Gran Turismo.mem'
  chmod a-w "$APP/games.txt"
  start_slotmate
  check "the main window shows" wait_until 15 shown "$MAIN"
  to "$MAIN" key Delete && to "$MESSAGE" key alt+y && wait_until 5 hidden "$MESSAGE"
  for answer in n y; do
    [[ $answer == n ]] || check "No keeps the program and its icon" eval 'running && shown "$TRAY"'
    check "the tray menu opens" open_tray_menu
    click_menu_item -8
    check "Exit says the list could not be saved" to "$MESSAGE" key Return
    check "then asks whether to end without saving it" wait_until 5 shown "$MESSAGE"
    sleep 1 && to "$MESSAGE" key "alt+$answer"
  done
  check "Yes ends the program with status 0" wait_until 15 ended_with_0
  check "and leaves nothing on the screen" wait_until 5 hidden "$MESSAGE|$MAIN|$TRAY"
}

# A game added through the editor with typed keys, another removed; the
# close box saves the catalogue.
journey_catalogue() {
  local kept='SLUS-00594 Crash Bandicoot 2'$'\t''C:\Cards\Crash Bandicoot 2.mem'
  local added='SLUS-01040 Vagrant Story'$'\t''C:\catalogue\Cards\Vagrant Story.mem'
  catalogue 'SCUS-94194 Gran Turismo'$'\t''C:\Cards\Gran Turismo.mem' "$kept"
  start_slotmate
  check "the main window shows" wait_until 15 shown "$MAIN"
  screenshot main-window
  check "Alt+A opens the game editor" to "$MAIN" key alt+a
  check "the title, the card and the code are typed" to "$GAME" type "Vagrant Story"
  to "$GAME" key Tab type 'C:\catalogue\Cards\Vagrant Story.mem'
  to "$GAME" key Tab Tab type slus-01040
  screenshot game-editor
  to "$GAME" key Return
  check "Save asks whether to make the card; Yes" to "$MESSAGE" key alt+y
  check "the editor closes" wait_until 5 hidden "$GAME"
  # The first row sits just under the caption.
  click_in "$(window "$MAIN")" 80 24
  to "$MAIN" key Delete
  check "Delete asks before removing; Yes" to "$MESSAGE" key alt+y
  check "the question closes" wait_until 5 hidden "$MESSAGE"
  click_close_box
  check "the close box hides the main window" wait_until 5 hidden "$MAIN"
  check "games.txt holds the rows left, the added one last" wait_until 5 catalogue_is "$kept" "$added"
}

# The close box hides the window to the tray, the tray menu brings it back,
# and its Exit ends the program.
journey_tray() {
  start_slotmate
  check "the main window shows" wait_until 15 shown "$MAIN"
  check "the icon is in the tray" wait_until 5 shown "$TRAY"
  click_close_box
  check "the close box hides the main window" wait_until 5 hidden "$MAIN"
  check "the program goes on" running
  check "its icon stays in the tray" shown "$TRAY"
  check "a right click on the icon opens the menu" open_tray_menu
  screenshot tray-menu
  click_menu_item 10
  check "Configure Games... shows the main window" wait_until 5 shown "$MAIN"
  check "the menu opens again" open_tray_menu
  click_menu_item -8
  check "its last item, Exit, ends the program with status 0" wait_until 10 ended_with_0
  check "the icon leaves the tray" wait_until 5 hidden "$TRAY"
}

e2e_paths "$(cd "$(dirname "$2")" && pwd)" "$2" || exit 1
case $1 in
  setup) e2e_setup ;;
  teardown) e2e_teardown ;;
  *) e2e_journey "$1" "${@:2}" ;;
esac
