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
  platform::LabelSpec spec;
  spec.name = "lblPrompt";
  spec.caption = prompt;
  spec.rect = {120, 120, 3960, 1020};
  spec.tabIndex = 3;
  return spec;
}

platform::TextBoxSpec Answer() {
  platform::TextBoxSpec spec;
  spec.name = "txtAnswer";
  spec.rect = {120, 1260, 5160, 315};
  spec.tabIndex = 0;
  return spec;
}

platform::ButtonSpec Ok() {
  platform::ButtonSpec spec;
  spec.name = "btnOK";
  spec.caption = "OK";
  spec.rect = {4200, 120, 1080, 345};
  spec.tabIndex = 1;
  spec.defaultButton = true;
  return spec;
}

platform::ButtonSpec Cancel() {
  platform::ButtonSpec spec;
  spec.name = "btnCancel";
  spec.caption = "Cancel";
  spec.rect = {4200, 540, 1080, 345};
  spec.tabIndex = 2;
  spec.cancelButton = true;
  return spec;
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
