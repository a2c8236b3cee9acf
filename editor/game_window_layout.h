#pragma once

#include "platform/toolkit.h"

// The game editor as it is created: caption, size and controls.
namespace slotmate::layout {

platform::WindowSpec GameWindow();
platform::ButtonSpec BtnGet();
platform::ButtonSpec BtnCancel();
platform::ButtonSpec BtnSave();
platform::TextBoxSpec TxtCode();
platform::ButtonSpec BtnBrowse();
platform::TextBoxSpec TxtPath();
platform::TextBoxSpec TxtTitle();
platform::PictureSpec Image1();
platform::LabelSpec LblCode();
platform::LabelSpec LblMemory();
platform::LabelSpec LblTitle();

}  // namespace slotmate::layout
