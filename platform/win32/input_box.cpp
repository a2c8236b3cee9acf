#include "platform/win32/input_box.h"

#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"

namespace slotmate::win32 {
namespace {

// Layout in twips.
platform::WindowSpec BoxWindow(const std::string& title) {
  return {
      .name = "InputBox", .caption = title, .clientWidth = 5400, .clientHeight = 1740};
}

platform::LabelSpec Prompt(const std::string& prompt) {
  platform::LabelSpec design;
  design.name = "lblPrompt";
  design.caption = prompt;
  design.rect = {120, 120, 3960, 1020};
  design.tabIndex = 3;
  return design;
}

platform::TextBoxSpec Answer() {
  platform::TextBoxSpec design;
  design.name = "txtAnswer";
  design.rect = {120, 1260, 5160, 315};
  design.tabIndex = 0;
  return design;
}

platform::ButtonSpec Ok() {
  platform::ButtonSpec design;
  design.name = "btnOK";
  design.caption = "OK";
  design.rect = {4200, 120, 1080, 345};
  design.tabIndex = 1;
  design.defaultButton = true;
  return design;
}

platform::ButtonSpec Cancel() {
  platform::ButtonSpec design;
  design.name = "btnCancel";
  design.caption = "Cancel";
  design.rect = {4200, 540, 1080, 345};
  design.tabIndex = 2;
  design.cancelButton = true;
  return design;
}

}  // namespace

std::optional<std::string> RunInputBox(Win32Toolkit& toolkit, HWND owner,
                                       const std::string& prompt,
                                       const std::string& title,
                                       const std::string& defaultText) {
  auto window = toolkit.NewWin32Window(BoxWindow(title));
  window->AddLabel(Prompt(prompt));
  platform::TextBox& answer = window->AddTextBox(Answer());
  platform::Button& ok = window->AddButton(Ok());
  platform::Button& cancel = window->AddButton(Cancel());

  std::optional<std::string> result;
  ok.OnClick([&] {
    result = answer.Text();
    window->Close();
  });
  cancel.OnClick([&] { window->Close(); });

  answer.SetText(defaultText);
  answer.SetSelection(0, int(defaultText.size()));
  answer.SetFocus();
  window->ShowModalOver(owner);
  return result;
}

}  // namespace slotmate::win32
