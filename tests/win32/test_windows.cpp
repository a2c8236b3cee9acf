// The program's windows on the real toolkit, the other services faked.

#include <windows.h>

#include <dbt.h>

#include <gtest/gtest.h>

#include <cmath>

#include "app/form_slotmate.h"
#include "app/main_window_layout.h"
#include "editor/form_game.h"
#include "editor/game_window_layout.h"
#include "fakes/fake_platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_toolkit.h"

namespace slotmate::win32 {
namespace {

HWND HwndOf(platform::Control& control) {
  return dynamic_cast<ControlCore&>(control).hwnd();
}
HWND HwndOf(platform::Window& window) { return reinterpret_cast<HWND>(window.Handle()); }

// A list that takes `room` more rows, then refuses them as a full one does.
WNDPROC listProcedure;
int room;
LRESULT CALLBACK ListWithRoom(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == LB_ADDSTRING || message == LB_INSERTSTRING) && room-- <= 0)
    return LB_ERRSPACE;
  return CallWindowProcW(listProcedure, hwnd, message, wParam, lParam);
}

class ProgramTest : public ::testing::Test {
 protected:
  fakes::FakeSystem fake;
  Win32Toolkit toolkit;
  platform::Platform platform{fake, fake, fake, fake, fake,    fake,
                              fake, fake, fake, fake, toolkit, fake};
  formSlotmate main{platform};
  formGame& game = main.GameEditor();
};

// Twips become pixels at the screen's DPI, to the nearest pixel.
TEST_F(ProgramTest, BothWindowsScaleWithTheScreensDpi) {
  const char* asked = std::getenv("SLOTMATE_TEST_DPI");
  const int dpi = asked ? std::atoi(asked) : 96;
  ASSERT_EQ(toolkit.Dpi(), dpi) << "the prefix's DPI";
  const auto pixels = [dpi](int twips) { return int(std::lround(twips * dpi / 1440.0)); };
  const platform::TwipsRect select = layout::BtnSelect().rect;  // on .25 and .5 at 120
  RECT r;
  GetWindowRect(HwndOf(main.btnSelect), &r);
  MapWindowPoints(nullptr, HwndOf(main.window), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(std::tuple(r.left, r.top, r.right - r.left, r.bottom - r.top),
            std::tuple(pixels(select.left), pixels(select.top), pixels(select.width),
                       pixels(select.height)));
  EXPECT_TRUE(IsWindow(HwndOf(game.Image1)));
  EXPECT_TRUE(dynamic_cast<Win32Picture&>(game.Image1).HasPicture());
  for (auto [window, design] : {std::pair(HwndOf(main.window), layout::MainWindow()),
                                std::pair(HwndOf(game.window), layout::GameWindow())}) {
    RECT client, frame;
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_EQ(std::tuple(client.right, client.bottom),
              std::tuple(pixels(design.clientWidth), pixels(design.clientHeight)));
    // Centred on the screen; an odd pixel goes to the right and below.
    EXPECT_EQ(std::tuple(frame.left, frame.top),
              std::tuple((GetSystemMetrics(SM_CXSCREEN) - frame.right + frame.left) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - frame.bottom + frame.top) / 2));
  }
  // Every label shows its whole text on one line.
  for (platform::Control* label :
       {&main.lblCredits, &game.lblTitle, &game.lblMemory, &game.lblCode}) {
    HWND hwnd = HwndOf(*label);
    HDC dc = GetDC(hwnd);
    SelectObject(dc, HGDIOBJ(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    RECT needed{}, inside;
    DrawTextA(dc, label->Text().c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    ReleaseDC(hwnd, dc);
    GetClientRect(hwnd, &inside);
    EXPECT_LE(needed.right, inside.right) << label->Text();
  }
}

TEST_F(ProgramTest, EventsReachTheirHandlers) {
  std::string events;
  const auto note = [&](const char* what) { return [&events, what] { events += what; }; };
  main.btnSelect.OnClick(note("select "));
  main.btnAdd.OnClick(note("add "));
  game.btnCancel.OnClick(note("cancel "));
  main.lstGames.OnClick(note("row "));
  main.lstGames.OnDblClick(note("double-click "));
  main.lblCredits.OnClick(note("credits "));
  main.window.OnTaskbarCreated(note("taskbar "));
  main.window.OnKeyDown([&](int k, int shift) {
    events += "key " + std::to_string(k) + "+" + std::to_string(shift) + " ";
  });
  main.window.OnMouseMove([&](std::uint32_t n) { events += std::to_string(n); });
  main.window.OnCloseRequest([&](platform::UnloadMode mode) {
    events += "close " + std::to_string(int(mode));
    return false;
  });
  game.txtCode.OnKeyPress([](std::int16_t& key) { key = key == 'a' ? 'A' : 0; });
  HWND hwnd = HwndOf(main.window), list = HwndOf(main.lstGames),
       add = HwndOf(main.btnAdd), code = HwndOf(game.txtCode);
  main.lstGames.AddItems({"alpha", "beta"});
  main.lstGames.AddItem("gamma");
  main.lstGames.SetItem(1, "b\xE9ta");
  // A refused row ("y" here) changes neither copy of the rows, and throws.
  listProcedure = WNDPROC(SetWindowLongPtrW(list, GWLP_WNDPROC, LONG_PTR(&ListWithRoom)));
  room = 1;
  EXPECT_ANY_THROW(main.lstGames.AddItems({"x", "y"}));
  EXPECT_ANY_THROW(main.lstGames.AddItem("y"));
  EXPECT_ANY_THROW(main.lstGames.SetItem(0, "y"));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), main.lstGames.Count());
  for (int row = 0; row < 3; ++row) {  // the control's own text, as others read it
    char text[16] = {};
    SendMessageA(list, LB_GETTEXT, row, LPARAM(text));
    EXPECT_EQ(text, main.lstGames.Item(row));
  }
  main.btnDel.SetFocus();  // while hidden: it takes the focus on show
  main.window.Show();
  EXPECT_TRUE(main.window.Visible());
  EXPECT_EQ(GetFocus(), HwndOf(main.btnDel));
  game.window.Show();

  const std::tuple<HWND, UINT, WPARAM, LPARAM, std::string> steps[] = {
      {list, WM_KEYDOWN, VK_RETURN, 1, "key 13+0 select "},
      {add, WM_KEYDOWN, VK_RETURN, 1, "key 13+0 add "},
      {add, WM_SYSKEYDOWN, 'F', 1 | 1 << 29, "key 70+4 "},  // Alt+F
      {HwndOf(game.txtTitle), WM_KEYDOWN, VK_ESCAPE, 1, "cancel "},
      {code, WM_CHAR, 'a', 1, ""},
      {list, WM_CHAR, 'G', 1, "row "},  // type-ahead: the next row starting with g
      {hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK), 0, "double-click "},
      {hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(HwndOf(main.lblCredits)), STN_CLICKED),
       0, "credits "},
      {hwnd, WM_MOUSEMOVE, 0, WM_RBUTTONUP, "517"},
      {hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0, "taskbar "},
      // The user (the system keeps the low bits), another program, the session's end.
      {hwnd, WM_SYSCOMMAND, SC_CLOSE | 3, 0, "close 0"},
      {hwnd, WM_CLOSE, 0, 0, "close 3"},
      {hwnd, WM_ENDSESSION, TRUE, 0, "close 2"},
  };
  for (const auto& [to, message, wParam, lParam, expected] : steps) {
    events.clear();
    if (to != hwnd) SetFocus(to);
    PostMessageA(to, message, wParam, lParam);
    toolkit.PumpPending();
    EXPECT_EQ(events, expected) << "message " << message;
  }
  // Sent, not posted: Wine cuts a posted character to its low byte.
  SendMessageA(code, WM_CHAR, 0x100 + 'a', 1);  // not the a
  EXPECT_EQ(game.txtCode.Text(), "A");
  EXPECT_EQ(main.lstGames.ListIndex(), 2);
  // A disc in E: (bit 4) announced; the handler runs later, from the queue.
  main.window.OnMediaChange([&](std::uint32_t units, bool arrived) {
    events += std::to_string(units) + (arrived ? "+" : "-");
  });
  DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << 4, DBTF_MEDIA};
  events.clear();
  for (WPARAM event :
       {DBT_DEVICEARRIVAL, DBT_DEVICEQUERYREMOVE, DBT_DEVICEREMOVECOMPLETE})
    SendMessageA(hwnd, WM_DEVICECHANGE, event, LPARAM(&volume));
  volume.dbcv_size = sizeof(DEV_BROADCAST_HDR);  // too short to be a volume's
  SendMessageA(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&volume));
  EXPECT_EQ(events, "");
  toolkit.PumpPending();
  EXPECT_EQ(events, "16+16-");
  main.lstGames.Clear();
  EXPECT_EQ(std::pair(main.lstGames.Count(), SendMessageA(list, LB_GETCOUNT, 0, 0)),
            std::pair(0, LRESULT(0)));
}

// The user's part while the box runs its modal loop: types, then clicks `button`.
HWND owner;
const char* button;
void CALLBACK UseTheBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = FindWindowA("SlotmateWindow", "Find game");
  if (!box || !IsWindowVisible(box)) return;
  EXPECT_FALSE(IsWindowEnabled(owner));  // the owner waits
  HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
  for (char c : std::string("zelda")) PostMessageA(edit, WM_CHAR, WPARAM(c), 1);
  PostMessageA(FindWindowExA(box, nullptr, "Button", button), BM_CLICK, 0, 0);
}

TEST_F(ProgramTest, InputBoxReturnsTheTypedTextOnOkOnly) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, &UseTheBox);
  owner = HwndOf(main.window);
  main.window.Show();
  for (const std::string clicked : {"OK", "Cancel"}) {
    button = clicked.c_str();
    // Typing replaces the default, which starts selected.
    EXPECT_EQ(Win32Dialogs(toolkit).InputBox(main.window.Handle(), "Find what?",
                                             "Find game", "old"),
              clicked == "OK" ? "zelda" : "");
  }
  KillTimer(nullptr, timer);
}

// While the tray menu is open its owner is in front, or a click elsewhere
// would leave the menu open. The user presses Down and Enter: the first item.
HWND inFront;
void CALLBACK ChooseTheFirstItem(HWND, UINT, UINT_PTR, DWORD) {
  inFront = GetForegroundWindow();
  HWND menu = FindWindowA("#32768", nullptr);
  PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(ProgramTest, TheTrayMenuComesToTheFrontAndRunsTheChosenItem) {
  bool chosen = false;
  main.mnuMain.OnClick(0, [&chosen] { chosen = true; });
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, &ChooseTheFirstItem);
  main.mnuMain.Popup();
  KillTimer(nullptr, timer);
  EXPECT_EQ(std::pair(inFront, chosen), std::pair(HwndOf(main.window), true));
}

}  // namespace
}  // namespace slotmate::win32
