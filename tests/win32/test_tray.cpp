#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_tray.h"
#include "test_scratch.h"

namespace slotmate::win32 {
namespace {

using WindowHandle = UniqueHandle<HWND, &DestroyWindow>;

WindowHandle HiddenWindow(const char* className = "STATIC") {
  return WindowHandle(CreateWindowExA(0, className, "Slotmate tray test", WS_OVERLAPPED,
                                      0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
}

platform::NotifyIconData IconData(HWND window, std::uint32_t id, const char* tip) {
  platform::NotifyIconData data;
  data.cbSize = 88;
  data.hWnd = reinterpret_cast<platform::WindowHandle>(window);
  data.uID = id;
  data.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon =
      reinterpret_cast<platform::IconHandle>(LoadIconA(nullptr, IDI_APPLICATION));
  std::strncpy(data.szTip.data(), tip, data.szTip.size() - 1);
  return data;
}

bool RealTaskbarExists() { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }

// Wine's Shell_NotifyIcon hands the record to the taskbar window as
// WM_COPYDATA: dwData is the message, and the data begins with these fields.
struct WineNotifyData {
  LONG hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  WCHAR szTip[128];
};

struct TaskbarCall {
  ULONG_PTR message = 0;
  WineNotifyData data{};
};
std::vector<TaskbarCall> taskbarCalls;
LRESULT taskbarAnswer = TRUE;

LRESULT CALLBACK FakeTaskbar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto& copy = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    TaskbarCall call;
    call.message = copy.dwData;
    std::memcpy(&call.data, copy.lpData,
                std::min<std::size_t>(copy.cbData, sizeof call.data));
    taskbarCalls.push_back(call);
    return taskbarAnswer;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Wine's null graphics driver, which the tests run with, has no taskbar; a
// stand-in of our own shows what Shell_NotifyIcon was given.
TEST(TrayTest, HandsTheFirstFormRecordToTheTaskbar) {
  if (RealTaskbarExists()) GTEST_SKIP() << "a real taskbar answers here";
  const testing::DesktopTurn turn;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &FakeTaskbar;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "Shell_TrayWnd";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  const WindowHandle taskbar = HiddenWindow("Shell_TrayWnd");
  const WindowHandle owner = HiddenWindow();
  ASSERT_TRUE(taskbar && owner);

  struct Case {
    std::uint32_t message;
    std::uint32_t id;
    const char* tip;
    LRESULT answer;
  };
  const Case cases[] = {
      {platform::kNimAdd, 1, "Slotmate - Game One", TRUE},
      {platform::kNimDelete, 1, "", TRUE},
      {platform::kNimAdd, 2, "refused", FALSE},
      {platform::kNimAdd, 3,
       "A tip of exactly sixty-three characters, the most the record h", TRUE},
  };
  Win32Tray tray;
  for (const auto& c : cases) {
    taskbarCalls.clear();
    taskbarAnswer = c.answer;
    EXPECT_EQ(tray.NotifyIcon(c.message, IconData(owner.get(), c.id, c.tip)),
              c.answer != FALSE)
        << c.tip;
    ASSERT_EQ(taskbarCalls.size(), 1u) << c.tip;
    const auto& call = taskbarCalls[0];
    EXPECT_EQ(call.message, c.message);
    EXPECT_EQ(call.data.hWnd, HandleToLong(owner.get()));
    EXPECT_EQ(call.data.uID, c.id);
    EXPECT_EQ(call.data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(call.data.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    char tip[128] = {};
    WideCharToMultiByte(CP_ACP, 0, call.data.szTip, -1, tip, sizeof tip, nullptr,
                        nullptr);
    EXPECT_STREQ(tip, c.tip);
  }
  UnregisterClassA("Shell_TrayWnd", GetModuleHandleA(nullptr));
}

// Under a real taskbar (Windows, or Wine with the x11 driver).
TEST(TrayTest, AddsAndDeletesAnIcon) {
  if (!RealTaskbarExists())
    GTEST_SKIP() << "no taskbar under Wine's null graphics driver";
  const testing::DesktopTurn turn;
  const WindowHandle window = HiddenWindow();
  ASSERT_TRUE(window);
  Win32Tray tray;
  const auto data = IconData(window.get(), 1, "Slotmate test");
  ASSERT_TRUE(tray.NotifyIcon(platform::kNimAdd, data));
  EXPECT_TRUE(tray.NotifyIcon(platform::kNimDelete, data));
  // Gone: a second delete has nothing to remove.
  EXPECT_FALSE(tray.NotifyIcon(platform::kNimDelete, data));
}

}  // namespace
}  // namespace slotmate::win32
