#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_desktop.h"
#include "test_scratch.h"

namespace slotmate::win32 {
namespace {

using platform::KeyEvent;
using WindowHandle = UniqueHandle<HWND, &DestroyWindow>;

// Key messages the test windows receive, in order.
struct KeyMessage {
  UINT message;
  WPARAM key;
  bool extended;
  friend bool operator==(const KeyMessage&, const KeyMessage&) = default;
};
std::vector<KeyMessage> received;

LRESULT CALLBACK RecordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
      message == WM_SYSKEYUP) {
    received.push_back({message, wParam, (lParam & (1 << 24)) != 0});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const char* KeyWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &RecordKeys;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SlotmateTestKeys";
    return RegisterClassA(&windowClass);
  }();
  return atom != 0 ? "SlotmateTestKeys" : nullptr;
}

WindowHandle TopLevelWindow(const std::string& caption, bool show = true) {
  WindowHandle window(CreateWindowExA(0, KeyWindowClass(), caption.c_str(),
                                      WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
  if (window && show) ShowWindow(window.get(), SW_SHOWNORMAL);
  return window;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Captions no other window in the prefix carries.
std::string Caption(const std::string& tail) {
  return "Slotmate test " + std::to_string(GetCurrentProcessId()) + tail;
}

TEST(KeyInputsTest, FlagsAndScanCodesForEachKey) {
  struct Case {
    KeyEvent key;
    KeyInput input;
  };
  // Scan codes of the standard keyboard (set 1).
  const Case cases[] = {
      {{platform::kVkReturn, true}, {VK_RETURN, 0x1C, 0}},
      {{platform::kVkReturn, false}, {VK_RETURN, 0x1C, KEYEVENTF_KEYUP}},
      {{platform::kVkMenu, true}, {VK_MENU, 0x38, 0}},
      {{platform::kVkMenu, false}, {VK_MENU, 0x38, KEYEVENTF_KEYUP}},
      {{'E', true}, {'E', 0x12, 0}},
      {{platform::kVkUp, true}, {VK_UP, 0x48, KEYEVENTF_EXTENDEDKEY}},
      {{platform::kVkUp, false}, {VK_UP, 0x48, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP}},
  };
  for (const auto& c : cases) {
    const auto inputs = KeyInputsFor({c.key});
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0], c.input) << "key " << c.key.virtualKey << " down " << c.key.down;
  }
  EXPECT_TRUE(KeyInputsFor({}).empty());
}

class ActivateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Another window of ours holds the foreground first, so a pass means the
    // call moved it.
    other_ = TopLevelWindow(Caption(" other"));
    ASSERT_TRUE(other_);
    PumpMessages();
    SetForegroundWindow(other_.get());
    PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), other_.get());
  }

  testing::DesktopTurn turn_;
  WindowHandle other_;
  Win32Desktop desktop_;
};

// The exact caption wins over a longer one above it, a caption that begins
// with the text is the fall-back, and a minimised window is restored.
TEST_F(ActivateTest, PrefersTheExactCaptionThenOneThatBeginsWithTheText) {
  struct Case {
    const char* what;
    bool withExact, minimised;
  };
  for (const Case& c :
       {Case{"exact and longer", true, false}, Case{"only longer", false, false},
        Case{"exact minimised", true, true}}) {
    const WindowHandle exact =
        c.withExact ? TopLevelWindow(Caption(" Emulator")) : WindowHandle();
    const WindowHandle longer = TopLevelWindow(Caption(" Emulator - Game"));
    if (c.minimised) ShowWindow(exact.get(), SW_MINIMIZE);
    SetForegroundWindow(other_.get());
    PumpMessages();
    EXPECT_TRUE(desktop_.ActivateWindowByCaption(Caption(" Emulator"))) << c.what;
    PumpMessages();
    EXPECT_EQ(GetForegroundWindow(), c.withExact ? exact.get() : longer.get()) << c.what;
    EXPECT_FALSE(IsIconic(exact.get())) << c.what;
  }
}

TEST_F(ActivateTest, FindsNothingElse) {
  const WindowHandle hidden = TopLevelWindow(Caption(" Hidden"), false);
  const WindowHandle shorter = TopLevelWindow(Caption(" Emu"));
  SetForegroundWindow(other_.get());  // a new window takes the foreground
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), other_.get());
  struct Case {
    const char* why;
    std::string caption;
  };
  const Case cases[] = {
      {"no such window", Caption(" Nothing")},
      {"only a hidden one", Caption(" Hidden")},
      {"only a shorter one", Caption(" Emulator")},
      {"a different case", Caption(" EMU")},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(desktop_.ActivateWindowByCaption(c.caption)) << c.why;
    PumpMessages();
    EXPECT_EQ(GetForegroundWindow(), other_.get()) << c.why;
  }
}

TEST_F(ActivateTest, SentKeysReachTheForegroundWindowInOrder) {
  const WindowHandle target = TopLevelWindow(Caption(" Emulator"));
  ASSERT_TRUE(desktop_.ActivateWindowByCaption(Caption(" Emulator")));
  PumpMessages();
  ASSERT_EQ(GetFocus(), target.get());
  received.clear();
  desktop_.SendKeys({{platform::kVkReturn, true},
                     {platform::kVkReturn, false},
                     {platform::kVkMenu, true},
                     {'E', true},
                     {'E', false},
                     {platform::kVkMenu, false},
                     {platform::kVkUp, true},
                     {platform::kVkUp, false}});
  PumpMessages();
  const std::vector<KeyMessage> expected = {
      {WM_KEYDOWN, VK_RETURN, false},  {WM_KEYUP, VK_RETURN, false},
      {WM_SYSKEYDOWN, VK_MENU, false}, {WM_SYSKEYDOWN, 'E', false},
      {WM_SYSKEYUP, 'E', false},       {WM_KEYUP, VK_MENU, false},
      {WM_KEYDOWN, VK_UP, true},       {WM_KEYUP, VK_UP, true},
  };
  EXPECT_EQ(received, expected);
}

TEST(ShellOpenTest, RunsTheFilesDefaultAction) {
  testing::ScratchFolder folder;
  const std::string marker = folder / "ran.txt";
  ASSERT_TRUE(
      testing::WriteFileBytes(folder / "job.bat", "@echo ran> \"" + marker + "\"\r\n"));
  Win32Desktop desktop;
  desktop.ShellOpen(0, "open", folder / "job.bat");
  // The batch file runs in a process of its own; wait for its mark.
  auto ran = [&] { return testing::ReadFileBytes(marker).starts_with("ran"); };
  for (int i = 0; i < 300 && !ran(); ++i) Sleep(100);
  EXPECT_TRUE(ran());
}

}  // namespace
}  // namespace slotmate::win32
