#!/bin/bash
# The main window's close box and the tray menu: closing hides the window
# while polling goes on; Exit stores whether the window was hidden and ends
# the program; the next start honours it.
#
#   test_tray.sh SLOTMATE_E2E_EXE STAND_IN_EXE
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init tray "$@"
sample_catalogue

# popup_menu_id: a shown window of the program's that is neither its main
# window nor the tray (Wine draws menus as override-redirect windows).
visible_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | sort; }
new_window_id() { comm -13 <(echo "$1") <(visible_windows) | head -n1; }
menu_opened() { [[ -n $(new_window_id "$1") ]]; }

# open_tray_menu: right-clicks the tray icon; the menu's id in MENU_ID.
open_tray_menu() {
  local before
  before=$(visible_windows)
  click_tray_icon 3 || return 1
  wait_until 5 menu_opened "$before" || return 1
  MENU_ID=$(new_window_id "$before")
}

log "close box hides the window"
start_slotmate
check "main window is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "a tray icon is shown" wait_until "$E2E_TIMEOUT" tray_icon_shown
screenshot main-window
click_close_box
check "the close box hides the main window" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "the program keeps running" slotmate_running
check "the tray icon stays" tray_icon_shown
insert_disc SLUS_004.53
check "hidden: a disc inserted still switches the card" wait_until 5 slot_is "$E2E_CARD_WIN"

log "tray menu, Configure Games..."
check "right-click on the tray icon opens a menu" open_tray_menu
screenshot tray-menu
xdotool key c
check "Configure Games... shows the main window" wait_until 5 window_visible "^$E2E_CAPTION\$"
focus_main_window
xdotool key alt+F4
check "Alt+F4 hides the main window" wait_until 5 window_hidden "^$E2E_CAPTION\$"
check "the program keeps running after Alt+F4" slotmate_running

log "tray menu, Enabled"
# A poll runs every 3 s; waiting this long lets at least one see the drive.
readonly ONE_POLL=4
check "right-click on the tray icon opens the menu" open_tray_menu
xdotool key e
eject_disc
reg_set "$E2E_CARDS_KEY" "$E2E_SLOT_VALUE" x
sleep "$ONE_POLL"
insert_disc SLUS_004.53
sleep "$ONE_POLL"
check "not Enabled: a disc reinserted does not switch" slot_is x
check "right-click on the tray icon opens the menu" open_tray_menu
screenshot tray-menu-disabled
xdotool key e
eject_disc
sleep "$ONE_POLL"
insert_disc SLUS_004.53
check "Enabled again: a disc reinserted switches" wait_until 5 slot_is "$E2E_CARD_WIN"

log "tray menu, Exit while hidden"
check "right-click on the tray icon opens the menu" open_tray_menu
xdotool key x
check "Exit ends the program" wait_until "$E2E_TIMEOUT" slotmate_ended
slotmate_status
check "Exit: status 0 (got $E2E_STATUS)" test "$E2E_STATUS" == 0
check "Exit: the tray icon goes" wait_until 5 not tray_icon_shown
check "Exit while hidden stores Minimized = True" test "$(reg_value "$E2E_SETTINGS_KEY" Minimized)" == True

log "restart minimised"
start_slotmate
check "restart: a tray icon is shown" wait_until "$E2E_TIMEOUT" tray_icon_shown
check "restart: the main window stays hidden" not wait_until 4 window_visible "^$E2E_CAPTION\$"

log "tray menu, Exit while shown"
end_all_programs
reg_set "$E2E_SETTINGS_KEY" Minimized False
start_slotmate
check "main window is shown again" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "a tray icon is shown again" wait_until "$E2E_TIMEOUT" tray_icon_shown
check "right-click on the tray icon opens the menu again" open_tray_menu
# Exit is the menu's last item: click it this time.
eval "$(xdotool getwindowgeometry --shell "$MENU_ID" | grep -E '^(WIDTH|HEIGHT)=')"
xdotool mousemove --window "$MENU_ID" $((WIDTH / 2)) $((HEIGHT - 8)) click 1
check "clicking Exit ends the program" wait_until "$E2E_TIMEOUT" slotmate_ended
check "Exit while shown stores Minimized = False" test "$(reg_value "$E2E_SETTINGS_KEY" Minimized)" == False

check "no crash reported by Wine" no_crash
e2e_finish
