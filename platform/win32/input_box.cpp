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
  return platform::Place<platform::LabelSpec>("lblPrompt", prompt, {120, 120, 3960, 1020},
                                              3);
}

platform::TextBoxSpec Answer() {
  return platform::Place<platform::TextBoxSpec>("txtAnswer", "", {120, 1260, 5160, 315},
                                                0);
}

platform::ButtonSpec Ok() {
  auto design =
      platform::Place<platform::ButtonSpec>("btnOK", "OK", {4200, 120, 1080, 345}, 1);
  design.defaultButton = true;
  return design;
}

platform::ButtonSpec Cancel() {
  auto design = platform::Place<platform::ButtonSpec>("btnCancel", "Cancel",
                                                      {4200, 540, 1080, 345}, 2);
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
