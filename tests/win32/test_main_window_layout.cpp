// The real main window, built through formSlotmate on the Win32 toolkit
// (the other services are the in-memory fakes), checked through Win32.

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "app/form_slotmate.h"
#include "app/main_window_layout.h"
#include "app/product.h"
#include "fakes/fake_platform.h"
#include "platform/win32/win32_menu.h"
#include "test_toolkit_support.h"

namespace slotmate::win32 {
namespace {

using namespace testing_support;

class MainWindowTest : public ToolkitTest {
 protected:
  fakes::FakePlatform fakes;
  platform::Platform platform{fakes.drives,  fakes.media,    fakes.keyboard,
                              fakes.tray,    fakes.registry, fakes.settings,
                              fakes.dialogs, fakes.desktop,  fakes.files,
                              fakes.process, toolkit,        fakes.locale};
  formSlotmate form{platform};
  HWND main = HwndOf(form.window);
};

// Expected pixels, worked out by hand from the twips at each resolution.
struct Expected {
  platform::Control* control;
  const char* windowClass;
  std::string caption;
  PixelRect at96, at120;
};

TEST_F(MainWindowTest, EveryControlSitsWhereItsTwipsSay) {
  const int dpi = ScreenDpi();
  if (dpi != 96 && dpi != 120) GTEST_SKIP() << "no table for " << dpi << " dpi";
  RecordProperty("dpi", dpi);
  const Expected table[] = {
      {&form.btnSelect, "Button", "&Select", {117, 238, 61, 21}, {146, 298, 76, 26}},
      {&form.btnDel, "Button", "&Remove", {282, 238, 58, 21}, {353, 298, 73, 26}},
      {&form.btnChange, "Button", "&Change", {229, 238, 54, 21}, {286, 298, 68, 26}},
      {&form.lstGames, "ListBox", "", {-1, -1, 341, 238}, {-1, -1, 426, 298}},
      {&form.btnAdd, "Button", "&Add", {183, 238, 47, 21}, {229, 298, 59, 26}},
      {&form.lblCredits, "Static", kCredit, {4, 241, 109, 19}, {5, 301, 136, 24}},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.windowClass + (" " + e.caption));
    HWND hwnd = HwndOf(*e.control);
    EXPECT_EQ(GetParent(hwnd), main);
    EXPECT_EQ(ClassOf(hwnd), e.windowClass);
    EXPECT_EQ(TextOf(hwnd), e.caption);
    EXPECT_EQ(RectInParent(hwnd), dpi == 120 ? e.at120 : e.at96);
  }
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, dpi == 120 ? 424 : 339);
  EXPECT_EQ(client.bottom, dpi == 120 ? 325 : 260);
}

TEST_F(MainWindowTest, IsAFixedToolWindowWithATaskbarButtonAndTheIcon) {
  EXPECT_EQ(TextOf(main), kAppCaption);
  EXPECT_EQ(ClassOf(main), "SlotmateWindow");
  EXPECT_FALSE(StyleOf(main) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  EXPECT_TRUE(StyleOf(main) & WS_SYSMENU);
  EXPECT_TRUE(ExStyleOf(main) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ExStyleOf(main) & WS_EX_APPWINDOW);
  EXPECT_FALSE(form.window.Visible());

  const auto icon = reinterpret_cast<HICON>(form.window.Icon());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_BIG, 0)), icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof(mask), &mask);
  EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXICON));
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST_F(MainWindowTest, ControlStyles) {
  struct Case {
    const char* name;
    platform::Control* control;
    LONG present, absent;
  };
  const LONG buttonType = BS_TYPEMASK;
  const Case cases[] = {
      {"btnSelect", &form.btnSelect, WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
      {"btnAdd", &form.btnAdd, WS_TABSTOP, buttonType},
      {"btnChange", &form.btnChange, WS_TABSTOP, buttonType},
      {"btnDel", &form.btnDel, WS_TABSTOP, buttonType},
      {"lstGames", &form.lstGames,
       WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA, LBS_SORT},
      {"lblCredits", &form.lblCredits, SS_NOTIFY, WS_TABSTOP},
  };
  for (const Case& c : cases) {
    const LONG style = StyleOf(HwndOf(*c.control));
    EXPECT_EQ(style & c.present, c.present) << c.name;
    EXPECT_EQ(style & c.absent, 0) << c.name;
  }
}

TEST_F(MainWindowTest, FontsAreMsSansSerifAndTheCreditIsUnderlinedBlue) {
  const int height = -MulDiv(825, ScreenDpi(), 7200);
  for (platform::Control* control : std::vector<platform::Control*>{
           &form.btnSelect, &form.lstGames, &form.lblCredits, &form.btnAdd}) {
    HWND hwnd = HwndOf(*control);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif") << TextOf(hwnd);
    EXPECT_EQ(font.lfHeight, height);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfUnderline != 0, control == &form.lblCredits) << TextOf(hwnd);
  }
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(HwndOf(form.lblCredits)));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
  DeleteDC(dc);
}

TEST_F(MainWindowTest, TabGoesAddListChangeRemoveSelect) {
  EXPECT_EQ(TabOrder(main, HwndOf(form.btnAdd), 6),
            (std::vector<HWND>{HwndOf(form.btnAdd), HwndOf(form.lstGames),
                               HwndOf(form.btnChange), HwndOf(form.btnDel),
                               HwndOf(form.btnSelect), HwndOf(form.btnAdd)}));
}

TEST_F(MainWindowTest, TheTrayMenu) {
  HMENU menu = dynamic_cast<Win32PopupMenu&>(form.mnuMain).handle();
  ASSERT_EQ(GetMenuItemCount(menu), 6);
  const char* captions[] = {"&Configure Games...", "&Enabled", nullptr,
                            "&About...",           nullptr,    "E&xit"};
  for (int i = 0; i < 6; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, captions[i] == nullptr) << i;
    if (!captions[i]) continue;
    char text[64] = {};
    GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, captions[i]);
  }
  EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
  EXPECT_TRUE(GetMenuState(menu, layout::kMnuEnabled, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(menu, layout::kMnuShow, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(form.Timer1.Enabled());
}

TEST_F(MainWindowTest, TheListToolTipAndTheCreditsToolTip) {
  const auto textOf = [&](platform::Control& c) { return ToolTipText(form.window, c); };
  EXPECT_EQ(textOf(form.lstGames), "");
  form.lstGames.SetToolTip("12 games listed");
  EXPECT_EQ(textOf(form.lstGames), "12 games listed");
  EXPECT_EQ(textOf(form.lblCredits), kHomePage);
}

TEST_F(MainWindowTest, FirstShowFocusesAdd) {
  form.ShowWindow();
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(GetFocus(), HwndOf(form.btnAdd));
}

// Delete while a button has the focus reaches the window's key handler
// first, and the button still gets the key.
TEST_F(MainWindowTest, KeyPreviewTakesDeleteWhileAButtonHasTheFocus) {
  std::vector<int> keys;
  form.window.OnKeyDown([&](int key, int shift) {
    keys.push_back(key);
    form.Form_KeyDown(key, shift);
  });
  form.ShowWindow();
  form.btnChange.SetFocus();
  DeleteKeyCounter buttonKeys(HwndOf(form.btnChange));
  PostMessageA(HwndOf(form.btnChange), WM_KEYDOWN, VK_DELETE, 1);
  Pump();
  EXPECT_EQ(keys, std::vector<int>{VK_DELETE});
  EXPECT_EQ(buttonKeys.count, 1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
  EXPECT_EQ(fakes.dialogs.messages[0].text, "Remove this game from the list?");
}

// The close box only hides the window; a close from another program ends it.
TEST_F(MainWindowTest, CloseBoxHidesAndACloseFromOutsideEnds) {
  form.ShowWindow();
  SendMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(main));
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(fakes.tray.Count(platform::kNimDelete), 0);
  form.ShowWindow();
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(fakes.tray.Count(platform::kNimDelete), 1);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace slotmate::win32
