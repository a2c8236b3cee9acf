#include "app/main_window_layout.h"

#include "common/product.h"

namespace slotmate::layout {

using platform::Place;

platform::WindowSpec MainWindow() {
  return {.name = "formSlotmate",
          .caption = kAppCaption,
          .clientWidth = 5085,
          .clientHeight = 3900,
          .keyPreview = true,
          .taskbarButton = true,
          .programIcon = true};
}

platform::ButtonSpec BtnSelect() {
  auto design =
      Place<platform::ButtonSpec>("btnSelect", "&Select", {1755, 3570, 915, 315}, 5);
  design.defaultButton = true;
  return design;
}

platform::ButtonSpec BtnDel() {
  return Place<platform::ButtonSpec>("btnDel", "&Remove", {4230, 3570, 870, 315}, 3);
}

platform::ButtonSpec BtnChange() {
  return Place<platform::ButtonSpec>("btnChange", "&Change", {3435, 3570, 810, 315}, 2);
}

// The list starts one pixel outside the client area at the left, top and
// right, so its border hides under the window frame on those sides.
platform::ControlSpec LstGames() {
  return Place("lstGames", "", {-15, -15, 5115, 3570}, 1);
}

platform::ButtonSpec BtnAdd() {
  return Place<platform::ButtonSpec>("btnAdd", "&Add", {2745, 3570, 705, 315}, 0);
}

// Blue and underlined, like a link to the home page it opens.
platform::LabelSpec LblCredits() {
  auto design =
      Place<platform::LabelSpec>("lblCredits", kCredit, {60, 3615, 1635, 285}, 4);
  design.underlined = true;
  design.textColor = 0x00FF0000;  // 0x00BBGGRR
  design.toolTip = kHomePage;
  return design;
}

std::vector<platform::MenuItemSpec> MnuMain() {
  return {
      {.name = "mnuShow", .caption = "&Configure Games...", .isDefault = true},
      {.name = "mnuEnabled", .caption = "&Enabled", .checked = true},
      {.name = "mnuSep1", .caption = "-"},
      {.name = "mnuAbout", .caption = "&About..."},
      {.name = "mnuSep2", .caption = "-"},
      {.name = "mnuExit", .caption = "E&xit"},
  };
}

}  // namespace slotmate::layout
