#!/bin/bash
# Start-up: the main window and tray icon, a second start that ends at once,
# a start minimised to the tray, and a start with no CD-ROM drive.
#
#   test_startup.sh SLOTMATE_E2E_EXE STAND_IN_EXE
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init startup "$@"
sample_catalogue

log "first start"
start_slotmate
check "main window \"$E2E_CAPTION\" is shown" wait_until "$E2E_TIMEOUT" window_visible "^$E2E_CAPTION\$"
check "a tray icon is shown" wait_until "$E2E_TIMEOUT" tray_icon_shown
screenshot startup

log "second start"
started=$SECONDS
run_slotmate_again 15
check "a second start ends by itself (status $E2E_SECOND_STATUS)" test "$E2E_SECOND_STATUS" -ne 124
check "a second start ends with status 0" test "$E2E_SECOND_STATUS" -eq 0
check "a second start ends within 5 s (took $((SECONDS - started)) s)" test $((SECONDS - started)) -le 5
check "the first instance still runs" slotmate_running
check "the main window is still shown" window_visible "^$E2E_CAPTION\$"
check "there is one main window" test "$(find_window "^$E2E_CAPTION\$" --onlyvisible | wc -l)" -eq 1

log "start minimised"
end_all_programs
check "the tray icon goes with the program" wait_until "$E2E_TIMEOUT" not tray_icon_shown
reg_set "$E2E_SETTINGS_KEY" Minimized True
start_slotmate
check "minimised: a tray icon is shown" wait_until "$E2E_TIMEOUT" tray_icon_shown
# The window would be shown straight after the first poll; give it longer
# than one poll interval to appear (it must not).
check "minimised: the main window stays hidden" not wait_until 4 window_visible "^$E2E_CAPTION\$"
check "minimised: the program runs" slotmate_running
screenshot startup-minimised

log "start with no CD-ROM drive"
end_all_programs
reg_set "$E2E_SETTINGS_KEY" Minimized False
wine reg delete 'HKLM\Software\Wine\Drives' /v e: /f </dev/null >/dev/null 2>&1
rm -f "$WINEPREFIX/dosdevices/e:"
# Drive types are read when the server starts.
end_all_programs
start_slotmate
check "no CD-ROM drive: the program ends by itself" wait_until "$E2E_TIMEOUT" slotmate_ended
slotmate_status
check "no CD-ROM drive: exit status 0 (got $E2E_STATUS)" test "$E2E_STATUS" == 0
check "no CD-ROM drive: no main window" not window_visible "^$E2E_CAPTION\$"
check "no CD-ROM drive: no tray icon" not tray_icon_shown

check "no crash reported by Wine" no_crash
e2e_finish
