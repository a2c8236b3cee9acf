#include "app/main_window_layout.h"

#include "app/product.h"

namespace slotmate::layout {

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
  platform::ButtonSpec design;
  design.name = "btnSelect";
  design.caption = "&Select";
  design.rect = {1755, 3570, 915, 315};
  design.tabIndex = 5;
  design.defaultButton = true;
  return design;
}

platform::ButtonSpec BtnDel() {
  platform::ButtonSpec design;
  design.name = "btnDel";
  design.caption = "&Remove";
  design.rect = {4230, 3570, 870, 315};
  design.tabIndex = 3;
  return design;
}

platform::ButtonSpec BtnChange() {
  platform::ButtonSpec design;
  design.name = "btnChange";
  design.caption = "&Change";
  design.rect = {3435, 3570, 810, 315};
  design.tabIndex = 2;
  return design;
}

// The list starts one pixel outside the client area at the left, top and
// right, so its border hides under the window frame on those sides.
platform::ControlSpec LstGames() {
  return {
      .name = "lstGames", .caption = "", .rect = {-15, -15, 5115, 3570}, .tabIndex = 1};
}

platform::ButtonSpec BtnAdd() {
  platform::ButtonSpec design;
  design.name = "btnAdd";
  design.caption = "&Add";
  design.rect = {2745, 3570, 705, 315};
  design.tabIndex = 0;
  return design;
}

platform::LabelSpec LblCredits() {
  platform::LabelSpec design;
  design.name = "lblCredits";
  design.caption = kCredit;
  design.rect = {60, 3615, 1635, 285};
  design.tabIndex = 4;
  design.underlined = true;
  design.textColor = 0x00FF0000;  // blue, as 0x00BBGGRR
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
