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
  platform::ButtonSpec spec;
  spec.name = "btnSelect";
  spec.caption = "&Select";
  spec.rect = {1755, 3570, 915, 315};
  spec.tabIndex = 5;
  spec.defaultButton = true;
  return spec;
}

platform::ButtonSpec BtnDel() {
  platform::ButtonSpec spec;
  spec.name = "btnDel";
  spec.caption = "&Remove";
  spec.rect = {4230, 3570, 870, 315};
  spec.tabIndex = 3;
  return spec;
}

platform::ButtonSpec BtnChange() {
  platform::ButtonSpec spec;
  spec.name = "btnChange";
  spec.caption = "&Change";
  spec.rect = {3435, 3570, 810, 315};
  spec.tabIndex = 2;
  return spec;
}

// The list starts one pixel outside the client area at the left, top and
// right, so its border hides under the window frame on those sides.
platform::ControlSpec LstGames() {
  return {
      .name = "lstGames", .caption = "", .rect = {-15, -15, 5115, 3570}, .tabIndex = 1};
}

platform::ButtonSpec BtnAdd() {
  platform::ButtonSpec spec;
  spec.name = "btnAdd";
  spec.caption = "&Add";
  spec.rect = {2745, 3570, 705, 315};
  spec.tabIndex = 0;
  return spec;
}

platform::LabelSpec LblCredits() {
  platform::LabelSpec spec;
  spec.name = "lblCredits";
  spec.caption = kCredit;
  spec.rect = {60, 3615, 1635, 285};
  spec.tabIndex = 4;
  spec.underlined = true;
  spec.textColor = 0x00FF0000;  // blue, as 0x00BBGGRR
  spec.toolTip = kHomePage;
  return spec;
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
