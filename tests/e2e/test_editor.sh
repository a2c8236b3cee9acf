#!/bin/bash
# The game editor: Add with real keystrokes (the game code's key filter, the
# question to create the card, the row saved at the close); Add cancelled
# with Esc, or with No to the card question, leaves games.txt alone.
#
#   test_editor.sh SLOTMATE_E2E_EXE STAND_IN_EXE
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init editor "$@"

readonly GAME=^$E2E_GAME_CAPTION\$
readonly CARD='C:\VGS\Cards\Test Game.mem'
readonly CANCELLED_CARD='C:\VGS\Cards\Cancelled Game.mem'
readonly REFUSED_CARD='C:\VGS\Refused\Refused Game.mem'
readonly ROW="SLUS-00453 Test Game"$'\t'"$CARD"

# add_game TITLE CARD CODE: opens Add with Alt+A and types into its boxes;
# the dialog stays open. Tab order: title, card path, "...", code.
add_game() {
  press_in_main alt+a || return 1
  type_in "$GAME" "$1" || return 1
  xdotool key Tab
  type_in "$GAME" "$2" || return 1
  xdotool key Tab Tab
  type_in "$GAME" "$3"
}

log "no catalogue: the main window"
start_slotmate
check "main window is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "a tray icon is shown" wait_until "$E2E_TIMEOUT" tray_icon_shown
check "games.txt does not exist at the start" catalogue_absent

log "Add, then Esc"
check "Alt+A opens the Game dialog" add_game "Cancelled Game" "$CANCELLED_CARD" SLUS-00001
xdotool key Escape
check "Esc closes the Game dialog" wait_until 5 window_hidden "$GAME"
check "Esc: no question is asked" no_message_within 1
check "Esc: no card is made" test ! -e "$(unix_path "$CANCELLED_CARD")"

log "Add, No to the card question"
check "Alt+A opens the Game dialog once more" add_game "Refused Game" "$REFUSED_CARD" SLUS-00002
xdotool key Return
check "Enter asks whether to create the card" wait_until 5 message_shown
question=$(message_id)
answer_message alt+n
# The answer closes the question and the refusal follows in its own box.
check "No: a message says the card is invalid" wait_until 5 another_message_shown "$question"
check "No: one message box" test "$(shown_count "^$E2E_MESSAGE_CAPTION\$")" -eq 1
screenshot editor-invalid-card
answer_message Return
check "Enter closes the message" wait_until 5 message_gone
check "No: the Game dialog stays open" window_visible "$GAME"
press_in "$GAME" Escape
check "Esc then closes the Game dialog" wait_until 5 window_hidden "$GAME"
check "No: no card is made" test ! -e "$(unix_path "$REFUSED_CARD")"
click_close_box
check "the close box hides the main window" wait_until 5 window_hidden "^$E2E_CAPTION\$"
# A save would come straight after the close request; allow it time to show.
check "Esc and No: the close writes no games.txt" not wait_until 2 not catalogue_absent

log "Add with typed keys, then Enter and Yes"
check "Configure Games... shows the main window" show_main_window_from_tray
# The code box refuses "x" and raises the letters it lets through.
check "Alt+A opens the Game dialog again" add_game "Test Game" "$CARD" slus-x00453
screenshot editor-typed
check "no card before Save" test ! -e "$(unix_path "$CARD")"
xdotool key Return
check "Enter asks whether to create the card" wait_until 5 message_shown
check "one question box" test "$(shown_count "^$E2E_MESSAGE_CAPTION\$")" -eq 1
screenshot editor-create-question
answer_message alt+y
check "the question box closes" wait_until 5 message_gone
check "the Game dialog closes after Save" wait_until 5 window_hidden "$GAME"
check "Yes makes a blank card of 131,136 bytes starting with VgsM" wait_until 5 blank_card_at "$CARD"
check "no other message follows" no_message_within 1
check "games.txt is not written before the close" catalogue_absent
click_close_box
check "the close box hides the main window again" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "the close writes games.txt with exactly the new row (code SLUS-00453)" \
  wait_until 5 catalogue_is "$ROW"

log "Add, then Esc, with a catalogue"
before=$(catalogue_stamp)
check "Configure Games... shows the main window again" show_main_window_from_tray
check "Alt+A opens the Game dialog a third time" add_game "Cancelled Game" "$CANCELLED_CARD" SLUS-00001
xdotool key Escape
check "Esc closes the Game dialog again" wait_until 5 window_hidden "$GAME"
click_close_box
check "the close box hides the main window a third time" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "Esc: the close leaves games.txt untouched" not wait_until 2 test "$(catalogue_stamp)" != "$before"
check "games.txt still holds exactly the row" catalogue_is "$ROW"

check "the program still runs" slotmate_running
check "no crash reported by Wine" no_crash
e2e_finish
