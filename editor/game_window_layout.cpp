#include "editor/game_window_layout.h"

#include "common/resource_ids.h"

namespace slotmate::layout {
namespace {

// A game ID such as SLUS-00453 is ten characters.
constexpr int kGameIdLength = 10;

platform::ButtonSpec Button(const char* name, const char* caption,
                            platform::TwipsRect rect, int tabIndex) {
  return platform::Place<platform::ButtonSpec>(name, caption, rect, tabIndex);
}

platform::TextBoxSpec TextBox(const char* name, platform::TwipsRect rect, int tabIndex) {
  return platform::Place<platform::TextBoxSpec>(name, "", rect, tabIndex);
}

platform::LabelSpec Label(const char* name, const char* caption, platform::TwipsRect rect,
                          int tabIndex) {
  return platform::Place<platform::LabelSpec>(name, caption, rect, tabIndex);
}

}  // namespace

platform::WindowSpec GameWindow() {
  return {.name = "formGame",
          .caption = "Game",
          .clientWidth = 3945,
          .clientHeight = 2235,
          .keyPreview = false,
          .taskbarButton = false,
          .programIcon = false};
}

platform::ButtonSpec BtnGet() {
  return Button("btnGet", "&Get it!", {1965, 1380, 690, 315}, 7);
}

platform::ButtonSpec BtnCancel() {
  platform::ButtonSpec control =
      Button("btnCancel", "&Cancel", {2865, 1800, 1050, 405}, 9);
  control.cancelButton = true;
  return control;
}

platform::ButtonSpec BtnSave() {
  platform::ButtonSpec control = Button("btnSave", "&Save", {1755, 1800, 1050, 405}, 8);
  control.defaultButton = true;
  return control;
}

platform::TextBoxSpec TxtCode() {
  platform::TextBoxSpec control = TextBox("txtCode", {45, 1380, 1890, 315}, 6);
  control.maxLength = kGameIdLength;
  return control;
}

platform::ButtonSpec BtnBrowse() {
  return Button("btnBrowse", "...", {3555, 765, 360, 330}, 4);
}

platform::TextBoxSpec TxtPath() { return TextBox("txtPath", {45, 765, 3525, 330}, 3); }

platform::TextBoxSpec TxtTitle() { return TextBox("txtTitle", {45, 225, 3855, 315}, 1); }

// A picture takes no part in the tab order.
platform::PictureSpec Image1() {
  auto control =
      platform::Place<platform::PictureSpec>("Image1", "", {3255, 1110, 645, 660}, -1);
  control.resourceId = resources::kGamePicture;
  return control;
}

platform::LabelSpec LblCode() {
  return Label("lblCode", "Game Code (SLUS-00000)", {60, 1185, 2265, 210}, 5);
}

platform::LabelSpec LblMemory() {
  return Label("lblMemory", "Memory Card Path:", {45, 570, 1365, 210}, 2);
}

platform::LabelSpec LblTitle() {
  return Label("lblTitle", "Game Title:", {45, 15, 900, 210}, 0);
}

}  // namespace slotmate::layout
