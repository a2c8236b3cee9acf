// Controls of the toolkit under Wine: keys through the dialog manager, the
// list box, the text box's key filter, labels, the picture and the menu.

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "app/resources/resource_ids.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_picture.h"
#include "test_toolkit_support.h"

namespace slotmate::win32 {
namespace {

using namespace testing_support;

platform::WindowSpec TestWindow() {
  return {
      .name = "test", .caption = "Controls", .clientWidth = 6000, .clientHeight = 3000};
}

platform::ButtonSpec Button(const std::string& caption, int left, int tabIndex,
                            bool isDefault = false, bool isCancel = false) {
  platform::ButtonSpec design;
  design.name = caption;
  design.caption = caption;
  design.rect = {left, 2500, 1000, 345};
  design.tabIndex = tabIndex;
  design.defaultButton = isDefault;
  design.cancelButton = isCancel;
  return design;
}

platform::ControlSpec ListSpec() {
  return {.name = "list", .caption = "", .rect = {0, 0, 3000, 2000}, .tabIndex = 0};
}

platform::TextBoxSpec BoxSpec(int maxLength) {
  platform::TextBoxSpec design;
  design.name = "box";
  design.rect = {3100, 0, 2000, 315};
  design.tabIndex = 4;
  design.maxLength = maxLength;
  return design;
}

// A window with a list, a text box and three buttons, as the dialog
// manager sees them.
class KeysTest : public ToolkitTest {
 protected:
  std::unique_ptr<platform::Window> window = toolkit.NewWindow(TestWindow());
  platform::ListBox& list = window->AddListBox(ListSpec());
  platform::Button& ok = window->AddButton(Button("&Default", 0, 1, true));
  platform::Button& other = window->AddButton(Button("&Other", 1100, 2));
  platform::Button& cancel = window->AddButton(Button("Ca&ncel", 2200, 3, false, true));
  platform::TextBox& box = window->AddTextBox(BoxSpec(0));
  std::string clicked;

  void SetUp() override {
    ok.OnClick([this] { clicked += "D"; });
    other.OnClick([this] { clicked += "O"; });
    cancel.OnClick([this] { clicked += "C"; });
    window->Show();
  }
  void Key(platform::Control& focus, UINT message, WPARAM key, LPARAM lParam = 1) {
    focus.SetFocus();
    PostMessageA(GetFocus(), message, key, lParam);
    Pump();
  }
};

TEST_F(KeysTest, EnterEscAndAccessKeysPressTheirButtons) {
  constexpr LPARAM kAltDown = LPARAM(1) << 29;
  struct Case {
    const char* what;
    platform::Control* focus;
    UINT message;
    WPARAM key;
    LPARAM lParam;
    const char* pressed;
  };
  const Case cases[] = {
      {"Enter in the list", &list, WM_KEYDOWN, VK_RETURN, 1, "D"},
      {"Enter in the text box", &box, WM_KEYDOWN, VK_RETURN, 1, "D"},
      {"Enter on the default button", &ok, WM_KEYDOWN, VK_RETURN, 1, "D"},
      {"Enter on another button", &other, WM_KEYDOWN, VK_RETURN, 1, "O"},
      {"Esc in the list", &list, WM_KEYDOWN, VK_ESCAPE, 1, "C"},
      {"Esc in the text box", &box, WM_KEYDOWN, VK_ESCAPE, 1, "C"},
      {"Alt+O", &list, WM_SYSCHAR, 'o', 1 | kAltDown, "O"},
      {"Alt+N", &box, WM_SYSCHAR, 'n', 1 | kAltDown, "C"},
  };
  for (const Case& c : cases) {
    clicked.clear();
    Key(*c.focus, c.message, c.key, c.lParam);
    EXPECT_EQ(clicked, c.pressed) << c.what;
  }
}

TEST_F(KeysTest, EscDoesNothingWhileTheCancelButtonIsDisabled) {
  cancel.SetEnabled(false);
  Key(list, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(clicked, "");
}

TEST_F(KeysTest, TabFollowsTheTabIndexesAndSkipsNothingFocusable) {
  EXPECT_EQ(TabOrder(HwndOf(*window), HwndOf(list), 6),
            (std::vector<HWND>{HwndOf(list), HwndOf(ok), HwndOf(other), HwndOf(cancel),
                               HwndOf(box), HwndOf(list)}));
  Key(list, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), HwndOf(ok));
}

class ListTest : public ToolkitTest {
 protected:
  std::unique_ptr<platform::Window> window = toolkit.NewWindow(TestWindow());
  platform::ListBox& list = window->AddListBox(ListSpec());
  int clicks = 0;
  void SetUp() override {
    list.OnClick([this] { ++clicks; });
    list.AddItems({"alpha", "beta", "gamma"});
  }
  // The row as the list shows it: the control counts the rows and asks the
  // window to draw each from the rows the program keeps.
  std::string Row(int index) {
    EXPECT_EQ(SendMessageA(HwndOf(list), LB_GETCOUNT, 0, 0), list.Count());
    return list.Item(index);
  }
  // Draws one row into a bitmap the way the list does, and counts the pixels
  // in the given colour.
  int DrawnPixels(int index, bool selected, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 16);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = UINT(GetDlgCtrlID(HwndOf(list)));
    item.itemID = UINT(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hwndItem = HwndOf(list);
    item.hDC = dc;
    item.rcItem = {0, 0, 200, 16};
    SendMessageA(HwndOf(*window), WM_DRAWITEM, item.CtlID,
                 reinterpret_cast<LPARAM>(&item));
    int count = 0;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 16; ++y) count += GetPixel(dc, x, y) == colour;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return count;
  }
  int Selected() { return int(SendMessageA(HwndOf(list), LB_GETCURSEL, 0, 0)); }
};

TEST_F(ListTest, AddsRowsAndScrollsWhenTheyOutgrowIt) {
  HWND hwnd = HwndOf(list);
  EXPECT_FALSE(StyleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL | LBS_HASSTRINGS));
  EXPECT_FALSE(StyleOf(hwnd) & WS_VSCROLL);
  list.AddItem("aardvark");
  EXPECT_EQ(Row(3), "aardvark");
  // The scroll bar comes when the rows outgrow the box.
  list.AddItems(std::vector<std::string>(100, "more"));
  EXPECT_TRUE(StyleOf(hwnd) & WS_VSCROLL);
}

TEST_F(ListTest, DrawsEachRowsTextInTheSelectionsColours) {
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const int alpha = DrawnPixels(0, false, text);
  EXPECT_GT(alpha, 10);
  EXPECT_EQ(DrawnPixels(0, false, highlight), 0);
  EXPECT_GT(DrawnPixels(0, true, highlight), 1000);
  // Another text draws other pixels; a row past the end draws none.
  list.SetItem(0, "a much longer row\twith a tab");
  EXPECT_GT(DrawnPixels(0, false, text), alpha);
  EXPECT_EQ(DrawnPixels(7, false, text), 0);
}

TEST_F(ListTest, SettingTheIndexSelectsAndRunsTheClickHandler) {
  list.SetListIndex(2);
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(list.Text(), "gamma");
  EXPECT_EQ(clicks, 1);
  list.SetListIndex(-1);
  EXPECT_EQ(Selected(), LB_ERR);
  EXPECT_EQ(clicks, 2);
  EXPECT_THROW(list.SetListIndex(3), std::out_of_range);
}

TEST_F(ListTest, UserSelectionAndDoubleClickReachTheHandlers) {
  int doubleClicks = 0;
  list.OnDblClick([&] { ++doubleClicks; });
  HWND parent = HwndOf(*window);
  const WPARAM id = GetDlgCtrlID(HwndOf(list));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(HwndOf(list)));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(HwndOf(list)));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListTest, ReplacingARowKeepsTheSelection) {
  list.SetListIndex(1);
  list.SetItem(1, "BETA");
  EXPECT_EQ(Row(1), "BETA");
  EXPECT_EQ(list.Item(1), "BETA");
  EXPECT_EQ(Selected(), 1);
  list.SetItem(0, "ALPHA");
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"ALPHA", "BETA", "gamma"}));
}

TEST_F(ListTest, RemovingRowsKeepsTheMirrorAndTheSelectionInStep) {
  struct Case {
    int selected, removed, selectedAfter;
  };
  for (const Case& c : {Case{2, 0, 1}, Case{0, 2, 0}, Case{1, 1, -1}, Case{-1, 1, -1}}) {
    list.Clear();
    list.AddItems({"alpha", "beta", "gamma"});
    list.SetListIndex(c.selected);
    list.RemoveItem(c.removed);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(SendMessageA(HwndOf(list), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(list.ListIndex(), c.selectedAfter) << c.selected << " " << c.removed;
    for (int i = 0; i < 2; ++i) EXPECT_EQ(Row(i), list.Item(i));
  }
  EXPECT_THROW(list.RemoveItem(2), std::out_of_range);
}

TEST_F(ListTest, HoldsMoreThan32767Rows) {
  constexpr int kRows = 40000;
  std::vector<std::string> rows;
  for (int i = 0; i < kRows; ++i) rows.push_back("row " + std::to_string(i));
  list.Clear();
  list.AddItems(rows);
  EXPECT_EQ(SendMessageA(HwndOf(list), LB_GETCOUNT, 0, 0), kRows);
  EXPECT_EQ(list.Count(), kRows);
  for (int i : {0, 32767, 32768, kRows - 1}) EXPECT_EQ(Row(i), rows[i]);
  list.SetListIndex(kRows - 1);
  EXPECT_EQ(Selected(), kRows - 1);
  EXPECT_EQ(list.Items(), rows);
}

TEST_F(ListTest, TheToolTipShowsTheLastTextSet) {
  EXPECT_EQ(ToolTipText(*window, list), "");
  list.SetToolTip("3 games listed");
  EXPECT_EQ(ToolTipText(*window, list), "3 games listed");
  EXPECT_EQ(list.ToolTip(), "3 games listed");
  list.SetToolTip("0 games listed");
  EXPECT_EQ(ToolTipText(*window, list), "0 games listed");
}

class TextBoxTest : public ToolkitTest {
 protected:
  std::unique_ptr<platform::Window> window = toolkit.NewWindow(TestWindow());
  void Type(platform::TextBox& box, const std::string& keys) {
    for (char c : keys) PostMessageA(HwndOf(box), WM_CHAR, WPARAM(std::uint8_t(c)), 1);
    Pump();
  }
};

TEST_F(TextBoxTest, TheKeyFilterReplacesOrDiscardsTypedCharacters) {
  platform::TextBox& box = window->AddTextBox(BoxSpec(0));
  std::vector<int> seen;
  box.OnKeyPress([&](std::int16_t& key) {
    seen.push_back(key);
    if (key >= 'a' && key <= 'z') key = std::int16_t(key - 'a' + 'A');
    if (key == '-') key = 0;
  });
  Type(box, "ab-1\xE9");
  EXPECT_EQ(box.Text(), "AB1\xE9");
  EXPECT_EQ(seen, (std::vector<int>{'a', 'b', '-', '1', 0xE9}));
}

TEST_F(TextBoxTest, TheBoxTakesAtMostItsLimit) {
  struct Case {
    int limit;
    std::string typed, kept;
  };
  for (const Case& c : {Case{10, "SLUS012345X", "SLUS012345"}, Case{3, "abcd", "abc"},
                        Case{0, "no limit at all", "no limit at all"}}) {
    platform::TextBox& box = window->AddTextBox(BoxSpec(c.limit));
    if (c.limit) {
      EXPECT_EQ(SendMessageA(HwndOf(box), EM_GETLIMITTEXT, 0, 0), c.limit);
    }
    EXPECT_TRUE(StyleOf(HwndOf(box)) & ES_AUTOHSCROLL);
    EXPECT_TRUE(StyleOf(HwndOf(box)) & WS_TABSTOP);
    Type(box, c.typed);
    EXPECT_EQ(box.Text(), c.kept);
  }
}

TEST_F(TextBoxTest, SelectionAndFocusEvents) {
  platform::TextBox& box = window->AddTextBox(BoxSpec(0));
  int focused = 0;
  box.OnGotFocus([&] { ++focused; });
  box.SetText("SLUS-00001");
  box.SetSelection(2, 5);
  EXPECT_EQ(box.SelectionStart(), 2);
  EXPECT_EQ(box.SelectionLength(), 5);
  window->Show();
  box.SetFocus();
  EXPECT_EQ(focused, 1);
}

TEST(ResourcePictureTest, TheGifDecodesAtItsOwnSizeAndKeepsItsTransparency) {
  Win32Toolkit toolkit;
  auto window = toolkit.NewWindow(TestWindow());
  platform::PictureSpec design;
  design.rect = {0, 0, 645, 660};
  design.resourceId = resources::kGamePicture;
  auto& picture = dynamic_cast<Win32Picture&>(window->AddPicture(design));
  design.resourceId = 9999;  // a missing resource shows nothing
  EXPECT_FALSE(dynamic_cast<Win32Picture&>(window->AddPicture(design)).HasPicture());
  ASSERT_TRUE(picture.HasPicture());
  const SIZE size = picture.PixelSize();
  EXPECT_EQ(size.cx, 43);
  EXPECT_EQ(size.cy, 44);
  EXPECT_EQ(ClassOf(HwndOf(picture)), kPictureClassName);

  // Drawn over a known background: the corner stays, the card covers.
  ComRef<IPicture> gif;
  LoadResourcePicture(GetModuleHandleA(nullptr), resources::kGamePicture, gif);
  ASSERT_TRUE(gif);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 43, 44);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF background = RGB(10, 200, 30);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, 43, 44};
  FillRect(dc, &all, brush);
  OLE_XSIZE_HIMETRIC width;
  OLE_YSIZE_HIMETRIC height;
  gif->get_Width(&width);
  gif->get_Height(&height);
  gif->Render(dc, 0, 0, 43, 44, 0, height, width, -height, nullptr);
  EXPECT_EQ(GetPixel(dc, 0, 0), background);
  EXPECT_EQ(GetPixel(dc, 42, 43), background);
  EXPECT_EQ(GetPixel(dc, 8, 20), RGB(0, 0, 0));         // the card's outline
  EXPECT_EQ(GetPixel(dc, 20, 28), RGB(176, 176, 176));  // its body
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

class LabelTest : public TextBoxTest {};

TEST_F(LabelTest, ReportsClicksAndShowsItsToolTip) {
  platform::LabelSpec design;
  design.caption = "a label";
  design.toolTip = "more about it";
  platform::Label& label = window->AddLabel(design);
  int clicks = 0;
  label.OnClick([&] { ++clicks; });
  HWND hwnd = HwndOf(label);
  SendMessageA(HwndOf(*window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ToolTipText(*window, label), "more about it");
}

class MenuTest : public ToolkitTest {
 protected:
  std::unique_ptr<platform::Window> window = toolkit.NewWindow(TestWindow());
  platform::PopupMenu& menu =
      window->AddPopupMenu("menu", {{.name = "a", .caption = "&Open", .isDefault = true},
                                    {.name = "b", .caption = "&Enabled", .checked = true},
                                    {.name = "s", .caption = "-"},
                                    {.name = "c", .caption = "E&xit"}});
};

TEST_F(MenuTest, CheckMarksFollowSetChecked) {
  HMENU handle = dynamic_cast<Win32PopupMenu&>(menu).handle();
  EXPECT_TRUE(menu.Checked(1));
  EXPECT_FALSE(menu.Checked(0));
  menu.SetChecked(1, false);
  EXPECT_FALSE(menu.Checked(1));
  EXPECT_FALSE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_CHECKED);
  menu.SetChecked(0, true);
  EXPECT_TRUE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(MenuTest, PopupRunsTheChosenItemsHandlerBeforeReturning) {
  std::string chosen;
  menu.OnClick(0, [&] { chosen += "open"; });
  menu.OnClick(3, [&] { chosen += "exit"; });
  window->Show();
  int ticks = 0;
  // Types the access key of Exit into the open menu; ends the menu if the
  // key is not taken.
  LoopScript script([&] {
    ++ticks;
    if (ticks == 3) PostMessageA(HwndOf(*window), WM_CHAR, 'x', 1);
    if (ticks == 200) EndMenu();
    return ticks >= 200;
  });
  menu.Popup();
  EXPECT_EQ(chosen, "exit");
}

}  // namespace
}  // namespace slotmate::win32
