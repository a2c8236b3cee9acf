// The input box and the open-file record under Wine.

#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <functional>
#include <vector>

#include "platform/win32/win32_dialogs.h"
#include "test_toolkit_support.h"

namespace slotmate::win32 {
namespace {

using namespace testing_support;

class InputBoxTest : public ToolkitTest {
 protected:
  Win32Dialogs dialogs{toolkit};
  std::unique_ptr<platform::Window> owner = toolkit.NewWindow(
      {.name = "owner", .caption = "Owner", .clientWidth = 3000, .clientHeight = 2000});
};

// What the user does in the open box, given its edit control.
using Actions = std::function<void(HWND box, HWND edit)>;

void PressKey(HWND target, WPARAM key) { PostMessageA(target, WM_KEYDOWN, key, 1); }

void TypeText(HWND edit, const char* text) {
  for (const char* c = text; *c; ++c) PostMessageA(edit, WM_CHAR, WPARAM(*c), 1);
}

HWND ButtonCaptioned(HWND box, const char* caption) {
  return FindWindowExA(box, nullptr, "Button", caption);
}

TEST_F(InputBoxTest, ReturnsTheTypedTextOnOkAndNothingOnCancel) {
  struct Case {
    const char* what;
    Actions actions;
    std::string answer;
  };
  const Case cases[] = {
      {"Enter keeps the default", [](HWND, HWND edit) { PressKey(edit, VK_RETURN); },
       "old"},
      {"typing replaces the selected default",
       [](HWND, HWND edit) {
         TypeText(edit, "zelda");
         PressKey(edit, VK_RETURN);
       },
       "zelda"},
      {"OK clicked",
       [](HWND box, HWND edit) {
         TypeText(edit, "x");
         PostMessageA(ButtonCaptioned(box, "OK"), BM_CLICK, 0, 0);
       },
       "x"},
      {"Esc",
       [](HWND, HWND edit) {
         TypeText(edit, "typed");
         PressKey(edit, VK_ESCAPE);
       },
       ""},
      {"Cancel clicked",
       [](HWND box, HWND) {
         PostMessageA(ButtonCaptioned(box, "Cancel"), BM_CLICK, 0, 0);
       },
       ""},
      {"close box", [](HWND box, HWND) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
       ""},
  };
  owner->Show();
  for (const Case& c : cases) {
    std::string prompt, selected;
    bool ownerDisabled = false;
    LoopScript script([&] {
      HWND box = FindWindowA("SlotmateWindow", "Find game");
      if (!box || !IsWindowVisible(box)) return false;
      HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
      prompt = TextOf(FindWindowExA(box, nullptr, "Static", nullptr));
      DWORD start = 0, end = 0;
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      selected = TextOf(edit).substr(start, end - start);
      ownerDisabled = !IsWindowEnabled(HwndOf(*owner));
      c.actions(box, edit);
      return true;
    });
    const std::string answer =
        dialogs.InputBox(owner->Handle(), "Find what?", "Find game", "old");
    EXPECT_EQ(answer, c.answer) << c.what;
    EXPECT_EQ(prompt, "Find what?") << c.what;
    EXPECT_EQ(selected, "old") << c.what;
    EXPECT_TRUE(ownerDisabled) << c.what;
    EXPECT_TRUE(IsWindowEnabled(HwndOf(*owner))) << c.what;
  }
}

TEST_F(InputBoxTest, MessageBoxesReturnTheButtonChosen) {
  struct Case {
    int answer;
    std::uint32_t style;
  };
  for (const Case& c : {Case{IDYES, platform::kMbYesNo | platform::kMbIconQuestion},
                        Case{IDNO, platform::kMbYesNo | platform::kMbIconQuestion |
                                       platform::kMbDefButton2},
                        Case{IDOK, platform::kMbOk | platform::kMbIconInformation}}) {
    std::string text;  // read from the box's static text, then the button is pressed
    LoopScript script([&] {
      HWND box = FindWindowA("#32770", "Slotmate");
      if (!box || !IsWindowVisible(box)) return false;
      text = TextOf(GetDlgItem(box, 0xFFFF));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(c.answer, BN_CLICKED), 0);
      return true;
    });
    EXPECT_EQ(dialogs.ShowMessage(owner->Handle(), "Remove this game from the list?",
                                  "Slotmate", c.style),
              c.answer);
    EXPECT_EQ(text, "Remove this game from the list?");
  }
}

TEST(OpenFileNameTest, TheRecordBecomesTheSystemsStructure) {
  const std::string filter("Memory cards (*.mcr)\0*.mcr\0All files (*.*)\0*.*\0\0", 48);
  platform::OpenFileNameRecord record;
  record.lStructSize = 76;
  record.hwndOwner = 0x1234;
  record.lpstrFilter = filter;
  record.lpstrFile = std::string(254, ' ') + '\0';
  record.nMaxFile = 255;
  record.lpstrFileTitle = std::string(254, ' ') + '\0';
  record.nMaxFileTitle = 255;
  record.lpstrInitialDir = "C:\\cards";
  record.lpstrTitle = "Memory Card";
  record.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

  std::vector<char> file, title;
  const OPENFILENAMEA ofn = ToOpenFileNameA(record, file, title);
  EXPECT_EQ(ofn.lStructSize, DWORD(OPENFILENAME_SIZE_VERSION_400A));  // 76
  EXPECT_EQ(ofn.hwndOwner, reinterpret_cast<HWND>(0x1234));
  ASSERT_NE(ofn.lpstrFilter, nullptr);
  EXPECT_EQ(std::memcmp(ofn.lpstrFilter, filter.data(), filter.size()), 0);
  EXPECT_EQ(ofn.lpstrFile, file.data());
  EXPECT_EQ(file.size(), 255u);
  EXPECT_EQ(ofn.nMaxFile, 255u);
  EXPECT_EQ(std::string(ofn.lpstrFile), std::string(254, ' '));
  EXPECT_EQ(ofn.lpstrFileTitle, title.data());
  EXPECT_EQ(ofn.nMaxFileTitle, 255u);
  EXPECT_STREQ(ofn.lpstrInitialDir, "C:\\cards");
  EXPECT_STREQ(ofn.lpstrTitle, "Memory Card");
  EXPECT_EQ(ofn.Flags, DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
  EXPECT_EQ(ofn.lpstrCustomFilter, nullptr);
  EXPECT_EQ(ofn.nFilterIndex, 0u);
}

TEST(OpenFileNameTest, EmptyTextsPassNoPointer) {
  platform::OpenFileNameRecord record;
  record.lStructSize = 76;
  record.lpstrFile = std::string("C:\\a.mcr\0", 9);
  record.nMaxFile = 20;
  std::vector<char> file, title;
  const OPENFILENAMEA ofn = ToOpenFileNameA(record, file, title);
  EXPECT_EQ(ofn.lpstrFilter, nullptr);
  EXPECT_EQ(ofn.lpstrInitialDir, nullptr);
  EXPECT_EQ(ofn.lpstrTitle, nullptr);
  EXPECT_EQ(ofn.lpstrFileTitle, nullptr);
  EXPECT_EQ(file.size(), 20u);
  EXPECT_STREQ(ofn.lpstrFile, "C:\\a.mcr");
}

}  // namespace
}  // namespace slotmate::win32
