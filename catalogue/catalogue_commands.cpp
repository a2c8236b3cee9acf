// Placeholder so the program links while the commands are being written.
#include "app/form_slotmate.h"

namespace slotmate {
void formSlotmate::btnAdd_Click() {}
void formSlotmate::btnChange_Click() {}
void formSlotmate::btnDel_Click() {}
void formSlotmate::btnSelect_Click() {}
void formSlotmate::lstGames_Click() {}
void formSlotmate::lstGames_DblClick() {}
void formSlotmate::Form_KeyDown(int, int) {}
void formSlotmate::FindGame() {}
void formSlotmate::FindNext() {}
}  // namespace slotmate
