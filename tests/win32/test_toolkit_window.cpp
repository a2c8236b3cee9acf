// Windows of the toolkit under Wine: frame, size, close requests, modal
// loops, key preview and focus.

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "test_toolkit_support.h"

namespace slotmate::win32 {
namespace {

using namespace testing_support;
using platform::UnloadMode;

platform::WindowSpec TestWindow(bool keyPreview = false, bool taskbarButton = false) {
  return {.name = "test",
          .caption = "Test window",
          .clientWidth = 3000,
          .clientHeight = 1500,
          .keyPreview = keyPreview,
          .taskbarButton = taskbarButton};
}

platform::ButtonSpec ButtonAt(const std::string& caption, int left, int tabIndex) {
  platform::ButtonSpec design;
  design.name = caption;
  design.caption = caption;
  design.rect = {left, 120, 700, 345};
  design.tabIndex = tabIndex;
  return design;
}

TEST(TwipsTest, ConvertsWithTheGivenResolution) {
  struct Case {
    int twips, dpi, pixels;
  };
  for (const Case& c : {Case{15, 96, 1}, Case{-15, 96, -1}, Case{1440, 96, 96},
                        Case{5085, 96, 339}, Case{3570, 120, 298}, Case{-15, 120, -1},
                        Case{705, 120, 59}, Case{0, 144, 0}, Case{1440, 144, 144}})
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

class WindowTest : public ToolkitTest {};

// A fixed tool window with only a close box, of the size its twips say,
// centred on the screen; an application window when it has a taskbar button.
TEST_F(WindowTest, FrameSizeAndPlace) {
  for (bool taskbarButton : {false, true}) {
    auto window = toolkit.NewWindow(TestWindow(false, taskbarButton));
    HWND hwnd = HwndOf(*window);
    EXPECT_EQ(TextOf(hwnd), "Test window");
    EXPECT_TRUE(StyleOf(hwnd) & WS_SYSMENU);
    EXPECT_EQ(StyleOf(hwnd) & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(StyleOf(hwnd) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_TRUE(ExStyleOf(hwnd) & WS_EX_TOOLWINDOW);
    EXPECT_EQ((ExStyleOf(hwnd) & WS_EX_APPWINDOW) != 0, taskbarButton);
    RECT client, frame;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, TwipsToPixels(3000, ScreenDpi()));
    EXPECT_EQ(client.bottom, TwipsToPixels(1500, ScreenDpi()));
    GetWindowRect(hwnd, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  }
}

// The close request's mode, and whether the window is gone afterwards.
TEST_F(WindowTest, CloseRequestsCarryWhoAsked) {
  struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
    std::optional<UnloadMode> mode;
  };
  const Case cases[] = {
      {"close box / Alt+F4", WM_SYSCOMMAND, SC_CLOSE, UnloadMode::kUser},
      {"another program", WM_CLOSE, 0, UnloadMode::kOutside},
      {"session ends", WM_ENDSESSION, TRUE, UnloadMode::kSession},
      {"session goes on", WM_ENDSESSION, FALSE, std::nullopt},
  };
  for (const Case& c : cases) {
    for (bool allow : {false, true}) {
      auto window = toolkit.NewWindow(TestWindow());
      HWND hwnd = HwndOf(*window);
      std::vector<UnloadMode> asked;
      window->OnCloseRequest([&](UnloadMode mode) {
        asked.push_back(mode);
        return allow;
      });
      SendMessageA(hwnd, c.message, c.wParam, 0);
      if (c.mode) {
        ASSERT_EQ(asked.size(), 1u) << c.what;
        EXPECT_EQ(asked[0], *c.mode) << c.what;
        EXPECT_EQ(IsWindow(hwnd) == FALSE, allow) << c.what;
      } else {
        EXPECT_TRUE(asked.empty()) << c.what;
        EXPECT_TRUE(IsWindow(hwnd)) << c.what;
      }
    }
  }
  // Ending the session is agreed to; without a handler the close box closes.
  auto window = toolkit.NewWindow(TestWindow());
  HWND hwnd = HwndOf(*window);
  EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTest, MouseMovesAndTaskbarRestartsReachTheirHandlers) {
  auto window = toolkit.NewWindow(TestWindow());
  std::vector<std::uint32_t> moves;
  int taskbars = 0;
  window->OnMouseMove([&](std::uint32_t lParam) { moves.push_back(lParam); });
  window->OnTaskbarCreated([&] { ++taskbars; });
  SendMessageA(HwndOf(*window), WM_MOUSEMOVE, 0, WM_RBUTTONUP);
  SendMessageA(HwndOf(*window), WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK);
  SendMessageA(HwndOf(*window), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(moves, (std::vector<std::uint32_t>{WM_RBUTTONUP, WM_LBUTTONDBLCLK}));
  EXPECT_EQ(taskbars, 1);
}

TEST_F(WindowTest, ModalShowKeepsTheOwnersTimerTicking) {
  auto owner = toolkit.NewWindow(TestWindow());
  auto dialog = toolkit.NewWindow(TestWindow());
  owner->Show();
  platform::Timer& timer = owner->AddTimer("tick", 10, true);
  int ticks = 0;
  std::vector<bool> ownerEnabled;
  timer.OnTimer([&] {
    ownerEnabled.push_back(IsWindowEnabled(HwndOf(*owner)) != FALSE);
    EXPECT_TRUE(dialog->Visible());
    if (++ticks == 3) dialog->Close();
  });
  dialog->ShowModal(*owner);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(ownerEnabled, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(IsWindowEnabled(HwndOf(*owner)));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(GetWindow(HwndOf(*dialog), GW_OWNER), HwndOf(*owner));
}

TEST_F(WindowTest, TheCloseBoxEndsAModalShowAndKeepsTheWindow) {
  auto owner = toolkit.NewWindow(TestWindow());
  auto dialog = toolkit.NewWindow(TestWindow());
  owner->Show();
  std::vector<UnloadMode> asked;
  dialog->OnCloseRequest([&](UnloadMode mode) {
    asked.push_back(mode);
    return true;
  });
  LoopScript script([&] {
    if (!dialog->Visible()) return false;
    PostMessageA(HwndOf(*dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  });
  dialog->ShowModal(*owner);
  EXPECT_EQ(asked, std::vector<UnloadMode>{UnloadMode::kUser});
  EXPECT_TRUE(IsWindow(HwndOf(*dialog)));
  EXPECT_FALSE(dialog->Visible());
}

TEST_F(WindowTest, KeyPreviewSeesKeysBeforeTheFocusedControl) {
  for (bool preview : {true, false}) {
    auto window = toolkit.NewWindow(TestWindow(preview));
    platform::Button& button = window->AddButton(ButtonAt("&One", 120, 0));
    std::vector<std::pair<int, int>> keys;
    window->OnKeyDown([&](int key, int shift) { keys.emplace_back(key, shift); });
    DeleteKeyCounter buttonKeys(HwndOf(button));
    window->Show();
    button.SetFocus();
    ASSERT_EQ(GetFocus(), HwndOf(button));
    PostMessageA(HwndOf(button), WM_KEYDOWN, VK_DELETE, 1);
    Pump();
    if (preview)
      EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{VK_DELETE, 0}}));
    else
      EXPECT_TRUE(keys.empty());
    EXPECT_EQ(buttonKeys.count, 1) << "preview " << preview;
  }
}

TEST_F(WindowTest, FocusSetWhileHiddenIsAppliedOnShow) {
  auto window = toolkit.NewWindow(TestWindow());
  platform::Button& first = window->AddButton(ButtonAt("&First", 120, 0));
  platform::Button& second = window->AddButton(ButtonAt("&Second", 1000, 1));
  second.SetFocus();
  EXPECT_NE(GetFocus(), HwndOf(second));
  window->Show();
  EXPECT_EQ(GetFocus(), HwndOf(second));
  first.SetFocus();
  EXPECT_EQ(GetFocus(), HwndOf(first));
}

TEST_F(WindowTest, AModalShowWithoutFocusStartsOnTheFirstTabStop) {
  auto owner = toolkit.NewWindow(TestWindow());
  auto dialog = toolkit.NewWindow(TestWindow());
  dialog->AddButton(ButtonAt("&Later", 1000, 1));
  platform::Button& first = dialog->AddButton(ButtonAt("&Earlier", 120, 0));
  owner->Show();
  HWND focused = nullptr;
  LoopScript script([&] {
    focused = GetFocus();
    dialog->Close();
    return true;
  });
  dialog->ShowModal(*owner);
  EXPECT_EQ(focused, HwndOf(first));
}

}  // namespace
}  // namespace slotmate::win32

namespace slotmate::win32 {
namespace {

// The 120-dpi run of the layout tests means nothing unless the prefix
// really gives the screen that many dots per inch.
TEST(ScreenTest, DpiIsWhatThePrefixWasMadeWith) {
  const char* asked = std::getenv("SLOTMATE_TEST_DPI");
  EXPECT_EQ(ScreenDpi(), asked ? std::atoi(asked) : 96);
}

}  // namespace
}  // namespace slotmate::win32
