#!/bin/bash
# Switching cards: a catalogued disc points the emulator's first slot at the
# game's card and sends the emulator its keys; uncatalogued discs, a missing
# emulator, the Shift key and reinsertion.
#
#   test_switch.sh SLOTMATE_E2E_EXE STAND_IN_EXE
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init switch "$@"
sample_catalogue

# A poll runs every 3 s; waiting this long lets at least one see the drive.
readonly ONE_POLL=4

check "stand-in emulator is shown" start_stand_in
start_slotmate
check "main window is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "the slot is not set before any disc" not slot_value

log "a catalogued disc"
insert_disc SLUS_004.53
check "the slot holds the game's card within 5 s" wait_until 5 slot_is "$E2E_CARD_WIN"
check "the stand-in receives one switch's keys" wait_until 5 switches_are 1
downs=$(key_downs)
check "key downs are exactly Enter, Alt, E, Up, Enter, Enter" test "$downs" == "$E2E_SWITCH_DOWNS"
# Alt is released after E and before Up.
keys=$(grep -vx ready "$E2E_KEY_LOG" | tr -d '\r')
between=$(sed -n '/^sysdown 0x45$/,/^down 0x26$/p' <<<"$keys")
check "Alt goes up between E and Up" grep -Eq '^(sys)?up 0x12$' <<<"$between"
check "every key pressed is released" test "$(grep -Ec '^(sys)?down ' <<<"$keys")" -eq "$(grep -Ec '^(sys)?up ' <<<"$keys")"
screenshot switched

log "the disc stays in: no second switch"
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
sleep "$ONE_POLL"
check "the slot is left alone while the disc stays in" slot_is x
check "no more keys while the disc stays in" switches_are 1

log "eject and reinsert"
eject_disc
sleep "$ONE_POLL"
insert_disc SLUS_004.53
check "reinserted: the slot holds the card again" wait_until 5 slot_is "$E2E_CARD_WIN"
check "reinserted: one more switch's keys" wait_until 5 switches_are 2
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
sleep "$ONE_POLL"
check "reinserted: switched once only" slot_is x
check "reinserted: keys sent once only" switches_are 2

log "a disc not in the catalogue"
eject_disc
sleep "$ONE_POLL"
insert_disc SLES_123.45
sleep "$ONE_POLL"
check "uncatalogued: the slot is unchanged" slot_is x
check "uncatalogued: no keys" switches_are 2

log "a catalogued game whose card is missing"
eject_disc
sleep "$ONE_POLL"
insert_disc SLUS_009.99
sleep "$ONE_POLL"
check "missing card: the slot is unchanged" slot_is x
check "missing card: no keys" switches_are 2

log "another catalogued game, lower-case ID on the disc"
eject_disc
sleep "$ONE_POLL"
insert_disc scus_944.91
check "lower-case ID: the slot holds the other card" wait_until 5 slot_is "$E2E_OTHER_CARD_WIN"
check "lower-case ID: keys sent" wait_until 5 switches_are 3

log "Shift held while the disc goes in"
eject_disc
sleep "$ONE_POLL"
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
focus_main_window
xdotool keydown shift
insert_disc SLUS_004.53
sleep "$ONE_POLL"
xdotool keyup shift
check "Shift held: the slot is unchanged" slot_is x
check "Shift held: no keys" switches_are 3

log "an emulator window whose caption only starts with the name"
eject_disc
sleep "$ONE_POLL"
stop_stand_in
check "stand-in with a longer caption is shown" start_stand_in "$E2E_EMULATOR_CAPTION - running"
insert_disc SLUS_004.53
check "longer caption: the slot holds the card" wait_until 5 slot_is "$E2E_CARD_WIN"
check "longer caption: the stand-in receives the keys" wait_until 5 switches_are 1

log "no emulator running"
eject_disc
stop_stand_in
# Another program holds the keyboard: keys sent without an emulator to take
# them would land here.
check "an unrelated window is shown" start_stand_in "Some Other Program"
xdotool windowfocus "$(find_window '^Some Other Program$' --onlyvisible | head -n1)"
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
sleep "$ONE_POLL"
insert_disc SLUS_004.53
check "no emulator: the slot holds the card" wait_until 5 slot_is "$E2E_CARD_WIN"
sleep "$ONE_POLL"
check "no emulator: no keys sent anywhere" test -z "$(key_downs)"
check "no emulator: the program still runs" slotmate_running
check "no emulator: the main window is still shown" window_visible "^$E2E_CAPTION\$"
screenshot no-emulator

check "no crash reported by Wine" no_crash
e2e_finish
