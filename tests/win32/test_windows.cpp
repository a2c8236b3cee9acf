// The program's windows on the real toolkit, the other services faked.

#include <windows.h>

#include <commctrl.h>
#include <dbt.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"

namespace slotmate::win32 {
namespace {

using namespace std::string_literals;

HWND HwndOf(platform::Control& control) {
  return dynamic_cast<ControlCore&>(control).hwnd();
}
HWND HwndOf(platform::Window& window) { return reinterpret_cast<HWND>(window.Handle()); }

// The real dialogs; the file dialog's record as it came back.
struct SeenDialogs : Win32Dialogs {
  using Win32Dialogs::Win32Dialogs;
  platform::OpenFileNameRecord seen;
  int ShowOpenFileDialog(platform::OpenFileNameRecord& record) override {
    const int result = Win32Dialogs::ShowOpenFileDialog(record);
    seen = record;
    return result;
  }
};

class ProgramTest : public ::testing::Test {
 protected:
  fakes::FakeSystem fake;
  Win32Toolkit toolkit;
  SeenDialogs dialogs{toolkit};
  platform::Platform platform{fake,    fake, fake, fake, fake,    fake,
                              dialogs, fake, fake, fake, toolkit, fake};
  formSlotmate main{platform};
  formGame& game = main.GameEditor();
};

// Where the design puts a few controls and how large it makes each window, in
// twips: 15 a pixel at 96 dpi, 12 at 120, to the nearest pixel.
TEST_F(ProgramTest, BothWindowsScaleWithTheScreensDpi) {
  const char* asked = std::getenv("SLOTMATE_TEST_DPI");
  const int dpi = asked ? std::atoi(asked) : 96;
  ASSERT_EQ(toolkit.Dpi(), dpi) << "the prefix's DPI";
  const auto pixels = [dpi](int twips) { return int(std::lround(twips * dpi / 1440.0)); };
  const std::tuple<platform::Control*, std::string, int, int, int, int> design[] = {
      {&main.lstGames, "", -15, -15, 5115, 3570},
      {&main.btnSelect, "&Select", 1755, 3570, 915, 315},  // on .25 and .5 at 120 dpi
      {&game.btnSave, "&Save", 1755, 1800, 1050, 405}};
  for (const auto& [control, caption, left, top, width, height] : design) {
    RECT r;
    GetWindowRect(HwndOf(*control), &r);
    MapWindowPoints(nullptr, GetParent(HwndOf(*control)), reinterpret_cast<POINT*>(&r),
                    2);
    EXPECT_EQ(
        std::tuple(control->Text(), r.left, r.top, r.right - r.left, r.bottom - r.top),
        std::tuple(caption, pixels(left), pixels(top), pixels(width), pixels(height)));
  }
  EXPECT_TRUE(dynamic_cast<Win32Picture&>(game.Image1).HasPicture());
  for (auto [window, width, height] : {std::tuple(HwndOf(main.window), 5085, 3900),
                                       std::tuple(HwndOf(game.window), 3945, 2235)}) {
    RECT client, frame;
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_EQ(std::tuple(client.right, client.bottom),
              std::tuple(pixels(width), pixels(height)));
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
  const std::map<int, std::string> keys = {{VK_RETURN, "Enter "}, {'F', "F "}},
                                   shifts = {{0, ""}, {4, "Alt+"}};
  main.window.OnKeyDown(
      [&](int key, int shift) { events += shifts.at(shift) + keys.at(key); });
  main.window.OnMouseMove([&](std::uint32_t message) {
    events += message == WM_RBUTTONUP ? "right button up" : "another mouse message";
  });
  main.window.OnCloseRequest([&](platform::UnloadMode mode) {
    const char* by[] = {"by the user", "by the program", "at the session's end",
                        "by another program"};
    events += "close "s + by[int(mode)];
    return false;
  });
  game.txtCode.OnKeyPress([](std::int16_t& key) { key = key == 'a' ? 'A' : 0; });
  HWND hwnd = HwndOf(main.window), list = HwndOf(main.lstGames),
       add = HwndOf(main.btnAdd), code = HwndOf(game.txtCode);
  fake.files[main.CatalogueFilePath()] =
      "gamma\rb\xE9ta\rg\xE9\x99" + std::string(3000, 'x');
  main.LoadGames();
  char text[16] = "";  // the control's own text, as an ANSI reader reads it
  SendMessageA(list, LB_GETTEXT, 1, LPARAM(text));
  EXPECT_STREQ(text, "b\xE9ta");
  // A Unicode reader (a screen reader, another program) reads a long row whole.
  std::wstring wide(SendMessageW(list, LB_GETTEXTLEN, 2, 0) + 1, L'?');
  wide.resize(SendMessageW(list, LB_GETTEXT, 2, LPARAM(wide.data())));
  EXPECT_EQ(wide, L"g\u00E9\u2122" + std::wstring(3000, L'x'));
  main.btnDel.SetFocus();  // while hidden: it takes the focus on show
  main.window.Show();
  EXPECT_TRUE(main.window.Visible());
  EXPECT_EQ(GetFocus(), HwndOf(main.btnDel));
  game.window.Show();

  const std::tuple<HWND, UINT, WPARAM, LPARAM, std::string> steps[] = {
      {list, WM_KEYDOWN, VK_RETURN, 1, "Enter select "},
      {add, WM_KEYDOWN, VK_RETURN, 1, "Enter add "},
      {add, WM_SYSKEYDOWN, 'F', 1 | 1 << 29, "Alt+F "},
      {HwndOf(game.txtTitle), WM_KEYDOWN, VK_ESCAPE, 1, "cancel "},
      {code, WM_CHAR, 'a', 1, ""},
      {list, WM_CHAR, 'G', 1, "row "},  // type-ahead, with none selected: the first g
      {list, WM_CHAR, 'G', 1, "row "},  // then the next row starting with g
      {hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK), 0, "double-click "},
      {hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(HwndOf(main.lblCredits)), STN_CLICKED),
       0, "credits "},
      {hwnd, WM_MOUSEMOVE, 0, WM_RBUTTONUP, "right button up"},
      {hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0, "taskbar "},
      // The user (the system keeps the low bits), another program, the session's end.
      {hwnd, WM_SYSCOMMAND, SC_CLOSE | 3, 0, "close by the user"},
      {hwnd, WM_CLOSE, 0, 0, "close by another program"},
      {hwnd, WM_ENDSESSION, TRUE, 0, "close at the session's end"},
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
  // A disc in E: announced, and its removal; the handler runs later, from the queue.
  main.window.OnMediaChange([&](std::uint32_t units, bool arrived) {
    for (char drive = 'A'; drive <= 'Z'; ++drive)
      if (units >> (drive - 'A') & 1) events += drive + (arrived ? ": in "s : ": out "s);
  });
  DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << ('E' - 'A'),
                              DBTF_MEDIA};
  events.clear();
  for (WPARAM event :
       {DBT_DEVICEARRIVAL, DBT_DEVICEQUERYREMOVE, DBT_DEVICEREMOVECOMPLETE})
    SendMessageA(hwnd, WM_DEVICECHANGE, event, LPARAM(&volume));
  volume.dbcv_size = sizeof(DEV_BROADCAST_HDR);  // too short to be a volume's
  SendMessageA(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&volume));
  EXPECT_EQ(events, "");
  toolkit.PumpPending();
  EXPECT_EQ(events, "E: in E: out ");
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

// The user presses Enter in a message box: its default button answers.
void CALLBACK PressEnter(HWND, UINT, UINT_PTR, DWORD) {
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(ProgramTest, EnterAnswersAQuestionWithItsDefaultButton) {
  using namespace platform;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, &PressEnter);
  EXPECT_EQ(dialogs.ShowMessage(0, "?", "", kMbYesNo | kMbIconQuestion | kMbDefButton2),
            kIdNo);
  EXPECT_EQ(dialogs.ShowMessage(0, "?", "", kMbYesNo | kMbIconQuestion), kIdYes);
  KillTimer(nullptr, timer);
}

// What the user sees of the file dialog. The user then asks for a card that is
// not there, closes the box that refuses it, which shows in front, and types
// one that is there; anything still open then is cancelled.
struct {
  int step = 0;
  HWND dialog = nullptr, owner = nullptr, nameBox = nullptr;
  std::string caption, folder;
  bool readOnlyBox = true, missingCardRefused = false;
} browse;
const std::string card = "C:\\windows\\win.ini";
void CALLBACK UseTheFileDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND front = FindWindowA("#32770", nullptr);
  char text[MAX_PATH] = "";
  switch (browse.step++) {
    case 0:
      browse.dialog = front;
      browse.owner = GetWindow(front, GW_OWNER);
      GetWindowTextA(front, text, MAX_PATH);
      browse.caption = text;
      SendMessageA(front, CDM_GETFOLDERPATH, MAX_PATH, LPARAM(text));
      browse.folder = text;
      browse.readOnlyBox = IsWindowVisible(GetDlgItem(front, chx1));
      browse.nameBox = GetFocus();
      SetWindowTextA(browse.nameBox, "no such card.mem");
      break;
    case 1:
      browse.missingCardRefused = front != browse.dialog;
      SetWindowTextA(browse.nameBox, "");
      break;
    case 2:  // a click into the box, then the keys
      PostMessageA(browse.nameBox, WM_LBUTTONDOWN, 0, 0);
      for (char c : card) PostMessageA(browse.nameBox, WM_CHAR, WPARAM(c), 0);
      break;
    default:
      PostMessageA(front, WM_COMMAND, IDCANCEL, 0);
      return;
  }
  PostMessageA(front, WM_COMMAND, IDOK, 0);
}

TEST_F(ProgramTest, BrowseShowsTheFileDialogForExistingCardsInTheProgramsFolder) {
  fake.folder = "C:\\windows";  // where the program is
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &UseTheFileDialog);
  game.btnBrowse_Click();
  KillTimer(nullptr, timer);
  const auto buffer = [](std::string name) { return name.resize(MAX_PATH), name; };
  EXPECT_EQ(std::tuple(browse.caption, browse.owner, browse.folder, browse.readOnlyBox,
                       browse.missingCardRefused, game.txtPath.Text(),
                       dialogs.seen.lpstrFile, dialogs.seen.lpstrFileTitle),
            std::tuple("Select Memory Card"s, HwndOf(game.window), fake.folder, false,
                       true, card, buffer(card), buffer("win.ini")));
}

// What `dc` shows inside `band`, but its edges: a string per pixel column,
// '#' where a pixel is not the band's background (its colour inside the top
// left corner), from the first column with ink to the last.
std::string InkOf(HDC dc, RECT band) {
  const COLORREF background = GetPixel(dc, band.left + 1, band.top + 1);
  std::string ink;
  for (int x = band.left + 1; x < band.right - 1; ++x) {
    ink += '|';
    for (int y = band.top + 1; y < band.bottom - 1; ++y)
      ink += ".#"[GetPixel(dc, x, y) != background];
  }
  if (ink.find('#') == ink.npos) return "";
  const auto first = ink.rfind('|', ink.find('#'));
  return ink.substr(first, ink.find('|', ink.rfind('#')) - first);
}

// The list scrolled to its end, a row selected, printed: each row shown has
// text, a shortened path ends with its file name. Over a shortened row the
// tip is that row, title and path on a line each; elsewhere, the count.
TEST_F(ProgramTest, TheListDrawsEachRowAndTipsTheOneUnderTheMouse) {
  const std::string card = "Crash Bandicoot.mem",
                    path = "C:\\Memory Cards\\Naughty Dog\\" + card;
  const auto title = [](int i) {
    return "SCUS-9" + std::to_string(4900 + i) + " Crash " + std::to_string(i);
  };
  const int rows = 41;
  std::string& games = fake.files[main.CatalogueFilePath()];
  for (int i = 0; i < rows - 1; ++i) games += title(i) + "\t" + path + "\r";
  games += "SLUS-00453 Game\tC:\\g.mem";  // shown whole
  main.LoadGames();
  main.window.Show();
  HWND list = HwndOf(main.lstGames),
       tips = dynamic_cast<Win32Window&>(main.window).ToolTips();
  SendMessageW(list, LB_SETTOPINDEX, rows, 0);
  const int top = int(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  SendMessageW(list, LB_SETCURSEL, top + 1, 0);
  RECT client, row;
  GetClientRect(list, &client);
  HDC screen = GetDC(list), dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  SelectObject(dc, bitmap);
  SendMessageW(list, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
  for (int shown = top; shown < rows; ++shown) {
    SendMessageW(list, LB_GETITEMRECT, shown, LPARAM(&row));
    EXPECT_NE(InkOf(dc, row), "") << "row " << shown;
  }
  SendMessageW(list, LB_GETITEMRECT, top, LPARAM(&row));
  const std::string drawn = InkOf(dc, row);
  FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));  // the file name alone
  SelectObject(dc, HGDIOBJ(SendMessageW(list, WM_GETFONT, 0, 0)));
  DrawTextA(dc, card.c_str(), -1, &row, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  const std::string alone = InkOf(dc, row);
  EXPECT_TRUE(!alone.empty() && drawn.ends_with(alone));
  // A row shown whole may be wider than the list (Windows without a width: one line).
  EXPECT_GT(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), client.right);
  DeleteDC(dc);
  DeleteObject(bitmap);
  ReleaseDC(list, screen);

  std::string shownTips;
  for (int under : {top, rows - 1}) {
    SendMessageW(list, LB_GETITEMRECT, under, LPARAM(&row));
    PostMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(20, row.top + 1));
    toolkit.PumpPending();
    char text[80] = "";  // the most a tip gives
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = HwndOf(main.window);
    tool.uId = UINT_PTR(list);
    tool.lpszText = text;
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, LPARAM(&tool));
    shownTips += text + "|"s;
  }
  EXPECT_EQ(shownTips, title(top) + "\r\n" + path + "|41 games listed|");
  // Closed by another program while a box is open, the window is gone when the
  // box returns: its list must not answer row 0.
  DestroyWindow(HwndOf(main.window));
  EXPECT_EQ(main.lstGames.ListIndex(), -1);
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
