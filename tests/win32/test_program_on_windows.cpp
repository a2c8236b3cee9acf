// The program's own procedures against the real system: the emulator's
// registry value through SetKeyValue, blank memory cards through the game
// editor, and the editor's window as the toolkit builds it.

#include <windows.h>

#include <gtest/gtest.h>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "registry/set_key_value.h"
#include "test_scratch.h"
#include "test_toolkit_support.h"

namespace slotmate::win32 {
namespace {

using namespace testing_support;
using ::slotmate::win32::testing::ScratchFolder;

// --- SetKeyValue and the registry --------------------------------------------

class EmulatorValueTest : public ::testing::Test {
 protected:
  Win32Registry registry;
  void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kMemoryCardsKey); }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kMemoryCardsKey); }

  bool Write(const std::string& name, const std::string& value) {
    return SetKeyValue(registry, platform::kHkeyCurrentUser, kMemoryCardsKey,
                       platform::kRegSz, name, value);
  }
  // The value as stored: its type and its bytes.
  std::pair<DWORD, std::string> Read(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kMemoryCardsKey, 0, KEY_QUERY_VALUE, &key))
      return {0, "<no key>"};
    DWORD type = 0, size = 0;
    RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::string data(size, '\0');
    RegQueryValueExA(key, name.c_str(), nullptr, &type,
                     reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    data.resize(size);
    return {type, data};
  }
};

// Created where missing, replaced, and the key's other values kept; the text
// is stored with its NUL (17 characters: 18 bytes; empty: 1 byte).
TEST_F(EmulatorValueTest, StoresTheTextAndItsNulAndKeepsTheOtherValues) {
  ASSERT_TRUE(Write("Bank 00 Slot 01", "C:\\VGS\\other.mem"));
  for (const std::string path : {"C:\\VGS\\abcdef.mem", "C:\\VGS\\second.mem", ""}) {
    EXPECT_TRUE(Write(kBank0Slot0, path));
    EXPECT_EQ(Read(kBank0Slot0), (std::pair<DWORD, std::string>{REG_SZ, path + '\0'}));
  }
  EXPECT_EQ(Read("Bank 00 Slot 01").second, std::string("C:\\VGS\\other.mem") + '\0');
  RegDeleteKeyA(HKEY_CURRENT_USER, kMemoryCardsKey);
  EXPECT_TRUE(Write(kBank0Slot0, "C:\\VGS\\abcdef.mem"));
  EXPECT_EQ(Read(kBank0Slot0).second.size(), 18u);
}

// --- Blank memory cards ---------------------------------------------------------

// The game editor with the real files and toolkit, the rest faked.
class EditorOnWindowsTest : public ToolkitTest {
 protected:
  fakes::FakePlatform fakes;
  Win32Files files;
  platform::Platform platform{fakes.drives,  fakes.media,    fakes.keyboard,
                              fakes.tray,    fakes.registry, fakes.settings,
                              fakes.dialogs, fakes.desktop,  files,
                              fakes.process, toolkit,        fakes.locale};
  formSlotmate main{platform};
  formGame& game = main.GameEditor();
  ScratchFolder scratch;

  static void ExpectBlankCard(const std::string& bytes) {
    ASSERT_EQ(bytes.size(), 131136u);
    const std::string header("VgsM\1\0\0\0\1\0\0\0\1\0\0\0\0\2", 18);
    EXPECT_EQ(bytes.substr(0, 18), header);
    EXPECT_EQ(bytes.find_first_not_of('\0', 18), std::string::npos);
  }
};

// A card with missing folders, at a drive root, and over an empty file: the
// blank card and nothing else is left (such as the file it was written
// through); on a drive that does not exist nothing is made.
TEST_F(EditorOnWindowsTest, WritesTheBlankCardWhereverItCan) {
  char missing[] = "Q:";
  while (missing[0] < 'Y' &&
         GetDriveTypeA((missing + std::string("\\")).c_str()) != DRIVE_NO_ROOT_DIR)
    ++missing[0];
  ASSERT_TRUE(testing::WriteFileBytes(scratch / "empty.mem", ""));
  const std::string root = "C:\\slotmate-test-card.mem";
  DeleteFileA(root.c_str());
  for (const std::string& card :
       {scratch / "VGS\\Cards\\New\\game.mem", root, scratch / "empty.mem",
        missing + std::string("\\VGS\\a.mem")}) {
    SCOPED_TRACE(card);
    const bool possible = card[0] != missing[0];
    EXPECT_EQ(game.FileExists(card), false);
    EXPECT_EQ(game.CreateMemoryCard(card), possible);
    if (possible) ExpectBlankCard(testing::ReadFileBytes(card));
    EXPECT_EQ(game.FileExists(card), possible);
  }
  DeleteFileA(root.c_str());
  EXPECT_EQ(testing::EntriesOf(scratch / "VGS\\Cards\\New"),
            std::vector<std::string>{"game.mem"});
  EXPECT_EQ(GetFileAttributesA((missing + std::string("\\VGS")).c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST_F(EditorOnWindowsTest, AValidatedEntryCreatesItsCardWhenTheUserSaysYes) {
  const std::string card = scratch / "Cards\\Some Title.mem";
  game.txtTitle.SetText("Some Title");
  game.txtCode.SetText("SLUS-00453");
  game.txtPath.SetText(card);
  fakes.dialogs.answers = {platform::kIdYes};
  EXPECT_TRUE(game.ValidateEntry());
  ExpectBlankCard(testing::ReadFileBytes(card));
}

// --- The editor's window ---------------------------------------------------------

// The width a control's text takes in its own font.
int TextWidth(HWND control) {
  const std::string text = TextOf(control);
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return needed.right;
}

struct Placed {
  const char* name;
  const char* windowClass;
  const char* caption;
  PixelRect at96, at120;
};

TEST_F(EditorOnWindowsTest, EveryControlSitsWhereItsTwipsSay) {
  const int dpi = ScreenDpi();
  if (dpi != 96 && dpi != 120) GTEST_SKIP() << "no table for " << dpi << " dpi";
  HWND dialog = HwndOf(game.window);
  const std::pair<platform::Control*, Placed> table[] = {
      {&game.btnGet,
       {"btnGet", "Button", "&Get it!", {131, 92, 46, 21}, {164, 115, 58, 26}}},
      {&game.btnCancel,
       {"btnCancel", "Button", "&Cancel", {191, 120, 70, 27}, {239, 150, 88, 34}}},
      {&game.btnSave,
       {"btnSave", "Button", "&Save", {117, 120, 70, 27}, {146, 150, 88, 34}}},
      {&game.txtCode, {"txtCode", "Edit", "", {3, 92, 126, 21}, {4, 115, 158, 26}}},
      {&game.btnBrowse,
       {"btnBrowse", "Button", "...", {237, 51, 24, 22}, {296, 64, 30, 28}}},
      {&game.txtPath, {"txtPath", "Edit", "", {3, 51, 235, 22}, {4, 64, 294, 28}}},
      {&game.txtTitle, {"txtTitle", "Edit", "", {3, 15, 257, 21}, {4, 19, 321, 26}}},
      {&game.lblCode,
       {"lblCode",
        "Static",
        "Game Code (SLUS-00000)",
        {4, 79, 151, 14},
        {5, 99, 189, 18}}},
      {&game.lblMemory,
       {"lblMemory", "Static", "Memory Card Path:", {3, 38, 91, 14}, {4, 48, 114, 18}}},
      {&game.lblTitle,
       {"lblTitle", "Static", "Game Title:", {3, 1, 60, 14}, {4, 1, 75, 18}}},
  };
  for (const auto& [control, e] : table) {
    HWND hwnd = HwndOf(*control);
    EXPECT_EQ(GetParent(hwnd), dialog) << e.name;
    EXPECT_EQ(ClassOf(hwnd), e.windowClass) << e.name;
    EXPECT_EQ(TextOf(hwnd), e.caption) << e.name;
    const PixelRect expected = dpi == 120 ? e.at120 : e.at96;
    PixelRect actual = RectInParent(hwnd);
    if (ClassOf(hwnd) == "Static") {
      // A label may grow to the right to show all of its text on one line.
      EXPECT_GE(actual.width, expected.width) << e.name;
      EXPECT_LE(TextWidth(hwnd), actual.width) << e.name;
      actual.width = expected.width;
    }
    EXPECT_EQ(actual, expected) << e.name;
  }
  const PixelRect picture =
      dpi == 120 ? PixelRect{271, 93, 54, 55} : PixelRect{217, 74, 43, 44};
  EXPECT_EQ(RectInParent(HwndOf(game.Image1)), picture);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, dpi == 120 ? 329 : 263);
  EXPECT_EQ(client.bottom, dpi == 120 ? 186 : 149);
}

TEST_F(EditorOnWindowsTest, IsAFixedToolDialogWithoutTaskbarButton) {
  HWND dialog = HwndOf(game.window);
  EXPECT_EQ(TextOf(dialog), "Game");
  EXPECT_FALSE(StyleOf(dialog) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  EXPECT_TRUE(ExStyleOf(dialog) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(ExStyleOf(dialog) & WS_EX_APPWINDOW);
  EXPECT_EQ(SendMessageA(HwndOf(game.txtCode), EM_GETLIMITTEXT, 0, 0), 10);
  EXPECT_TRUE(StyleOf(HwndOf(game.btnSave)) & BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetDlgCtrlID(HwndOf(game.btnCancel)), IDCANCEL);
}

TEST_F(EditorOnWindowsTest, TabGoesThroughTheBoxesAndButtonsInOrder) {
  EXPECT_EQ(TabOrder(HwndOf(game.window), HwndOf(game.txtTitle), 8),
            (std::vector<HWND>{HwndOf(game.txtTitle), HwndOf(game.txtPath),
                               HwndOf(game.btnBrowse), HwndOf(game.txtCode),
                               HwndOf(game.btnGet), HwndOf(game.btnSave),
                               HwndOf(game.btnCancel), HwndOf(game.txtTitle)}));
}

}  // namespace
}  // namespace slotmate::win32
