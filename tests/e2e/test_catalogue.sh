#!/bin/bash
# The catalogue window's commands: a game added through the editor, Find and
# Find next up to "not found", Remove answered No then Yes, Select on a game
# whose card is missing, the rows saved at the close and read again at the
# next start, and Change (also by double-click).
#
#   test_catalogue.sh SLOTMATE_E2E_EXE STAND_IN_EXE
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init catalogue "$@"

readonly GAME=^$E2E_GAME_CAPTION\$
readonly FIND=^$E2E_FIND_CAPTION\$
readonly GT_CARD='C:\VGS\Cards\Gran Turismo.mem'
readonly CRASH_CARD='C:\VGS\Cards\Crash Bandicoot 2.mem'
readonly GT2_CARD='C:\VGS\Cards\Gran Turismo 2.mem'
readonly VAGRANT_CARD='C:\VGS\Cards\Vagrant Story.mem'
readonly GT_ROW="SCUS-94194 Gran Turismo"$'\t'"$GT_CARD"
readonly CRASH_ROW="SLUS-00594 Crash Bandicoot 2"$'\t'"$CRASH_CARD"
readonly GT2_ROW="SCES-02380 Gran Turismo 2"$'\t'"$GT2_CARD"
readonly VAGRANT_ROW="SLUS-01040 Vagrant Story"$'\t'"$VAGRANT_CARD"

# find_text TEXT: F, then TEXT and Enter in the Find box.
find_text() {
  press_in_main f || return 1
  type_in "$FIND" "$1" || return 1
  xdotool key Return
  wait_until 5 window_hidden "$FIND"
}

# selected_card_is CARD: Alt+S (Select) writes CARD into the slot, which
# proves the selected row is the one with that card (its card exists).
selected_card_is() {
  reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
  press_in_main alt+s || return 1
  wait_until 5 slot_is "$1"
}

make_card "$(unix_path "$GT_CARD")"
make_card "$(unix_path "$GT2_CARD")"
write_catalogue "$GT_ROW" "$CRASH_ROW" "$GT2_ROW"
original=$(catalogue_stamp)

start_slotmate
check "main window is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"

log "a game added through the editor"
press_in_main alt+a
check "Alt+A opens the Game dialog" type_in "$GAME" "Vagrant Story"
xdotool key Tab
type_in "$GAME" "$VAGRANT_CARD"
xdotool key Tab Tab
type_in "$GAME" SLUS-01040
xdotool key Return
check "Save asks whether to create the card" wait_until 5 message_shown
answer_message alt+y
check "the Game dialog closes" wait_until 5 window_hidden "$GAME"
check "the added game's card is made" wait_until 5 blank_card_at "$VAGRANT_CARD"

log "Find and Find next"
# "GRAN" is in two titles and inside "Vagrant"; the search ignores case.
check "F opens the Find box and Enter closes it" find_text GRAN
check "no message after the first find" no_message_within 1
check "Find selects the first row holding the text" selected_card_is "$GT_CARD"
press_in_main F3
check "no message after the first F3" no_message_within 1
check "F3 selects the next row holding it" selected_card_is "$GT2_CARD"
press_in_main F3
check "no message after the second F3" no_message_within 1
check "F3 finds the text inside a word of the added game" selected_card_is "$VAGRANT_CARD"
press_in_main F3
check "past the last one, a message box shows" wait_until 5 message_shown
check "exactly one message box" test "$(shown_count "^$E2E_MESSAGE_CAPTION\$")" -eq 1
screenshot not-found
answer_message Return
check "Enter closes the message box" wait_until 5 message_gone
check "no second message box" no_message_within 2
check "the main window is shown after the message" window_visible "^$E2E_CAPTION\$"

log "Remove: No, then Yes"
# The failed search left no row selected: F3 starts again at the top.
press_in_main F3
check "F3 after not found selects the first match again" selected_card_is "$GT_CARD"
press_in_main Delete
check "Delete asks before removing" wait_until 5 message_shown
screenshot remove-question
answer_message alt+n
check "No closes the question" wait_until 5 message_gone
check "No: the row stays, still selected" selected_card_is "$GT_CARD"
press_in_main Delete
check "Delete asks again" wait_until 5 message_shown
answer_message alt+y
check "Yes closes the question" wait_until 5 message_gone
check "Remove alone writes nothing before the close" test "$(catalogue_stamp)" == "$original"

log "Select on a game whose card is missing"
check "Find selects the game without a card" find_text crash
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
press_in_main alt+s
check "Select asks whether to create the missing card" wait_until 5 message_shown
answer_message alt+n
check "No closes the question" wait_until 5 message_gone
check "No: no card is made" not wait_until 1 test -e "$(unix_path "$CRASH_CARD")"
check "No: the slot is unchanged" slot_is x
press_in_main alt+s
check "Select asks again" wait_until 5 message_shown
answer_message alt+y
check "Yes closes the question" wait_until 5 message_gone
check "Yes makes a blank card of 131,136 bytes" wait_until 5 blank_card_at "$CRASH_CARD"
check "Yes puts the new card in the slot" wait_until 5 slot_is "$CRASH_CARD"
check "no other message follows" no_message_within 1

log "the close saves, the next start reads"
click_close_box
check "the close box hides the main window" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "games.txt holds exactly the rows left, the added one last" \
  wait_until 5 catalogue_is "$CRASH_ROW" "$GT2_ROW" "$VAGRANT_ROW"
end_all_programs
start_slotmate
check "restart: the main window is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "restart: F and Enter find \"vagrant\"" find_text vagrant
check "restart: the added game is listed (Select applies its card)" selected_card_is "$VAGRANT_CARD"
check "restart: F and Enter find \"Gran Turismo\"" find_text "Gran Turismo"
check "restart: the removed game is gone (the first match is Gran Turismo 2)" selected_card_is "$GT2_CARD"

log "Change and a double-click replace the row in place"
# Gran Turismo 2 is still selected: the middle row. The title box gets the
# focus with its text selected, so typing replaces the title.
press_in_main alt+c
check "Alt+C opens the Game dialog" type_in "$GAME" "Gran Turismo 2 Prologue"
screenshot change-typed
xdotool key Return
check "Save closes the Game dialog (the card exists: no question)" wait_until 5 window_hidden "$GAME"
check "no message after Change" no_message_within 1
# The first row sits just under the caption (Wine draws it: 18 px or so).
xdotool mousemove --window "$(main_window_id)" 80 24 click --repeat 2 --delay 100 1
check "a double-click on the first row opens the Game dialog" type_in "$GAME" "Crash Team Racing"
xdotool key Return
check "Save closes the Game dialog again" wait_until 5 window_hidden "$GAME"
click_close_box
check "the close box hides the main window once more" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "games.txt holds both changed rows in their places, codes and cards kept" \
  wait_until 5 catalogue_is "SLUS-00594 Crash Team Racing"$'\t'"$CRASH_CARD" \
  "SCES-02380 Gran Turismo 2 Prologue"$'\t'"$GT2_CARD" "$VAGRANT_ROW"

check "no crash reported by Wine" no_crash
e2e_finish
