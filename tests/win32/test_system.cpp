// What Windows (here Wine, in run-under-wine.sh's prefix) decides.

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "editor/memory_card.h"
#include "platform/win32/folder_media.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_media.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings.h"
#include "platform/win32/win32_tray.h"
#include "registry/set_key_value.h"

namespace slotmate::win32 {
namespace {

std::pair<DWORD, std::string> Stored(const std::string& key, const char* name) {
  HKEY opened = nullptr;
  char data[512];
  DWORD type = 0, size = sizeof data;
  RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (RegQueryValueExA(opened, name, nullptr, &type, LPBYTE(data), &size)) size = 0;
  RegCloseKey(opened);
  return {type, std::string(data, size)};
}

// The emulator reads the card's path as REG_SZ, with its NUL.
TEST(RegistryTest, TheCardPathIsStoredAsText) {
  // Wine compares only the low 32 bits; 64-bit Windows needs all 64.
  EXPECT_EQ(reinterpret_cast<HKEY>(platform::kHkeyCurrentUser), HKEY_CURRENT_USER);
  RegDeleteKeyA(HKEY_CURRENT_USER, kMemoryCardsKey);
  Win32Registry registry;
  for (const std::string path : {"C:\\VGS\\abcdef.mem", ""}) {
    EXPECT_TRUE(SetKeyValue(registry, platform::kHkeyCurrentUser, kMemoryCardsKey,
                            platform::kRegSz, kBank0Slot0, path));
    EXPECT_EQ(Stored(kMemoryCardsKey, kBank0Slot0),
              std::pair(DWORD(REG_SZ), path + '\0'));
  }
  Win32SettingsStore settings;
  ASSERT_TRUE(settings.Write("SlotmateTests", "Options", "Path", "C:\\cards"));
  EXPECT_EQ(settings.Read("SlotmateTests", "Options", "Path", "none"), "C:\\cards");
  EXPECT_EQ(Stored("Software\\SlotmateTests\\Options", "Path"),
            std::pair(DWORD(REG_SZ), std::string("C:\\cards", 9)));
}

TEST(FilesTest, BlankCardLengthAndWholeReplacement) {
  namespace fs = std::filesystem;
  const std::string folder = (fs::temp_directory_path() / "slotmate-files\\").string();
  const std::string card = folder + "VGS/Cards\\game.mem", locked = folder + "locked";
  Win32Files files;
  EXPECT_TRUE(files.MakeSureDirectoryPathExists(card));
  EXPECT_EQ(files.CreateNew(card, BlankMemoryCardImage()), std::nullopt);
  EXPECT_EQ(files.Read(card, 1 << 20).bytes, BlankMemoryCardImage());
  // A missing folder fails a read, never an empty success; an empty path alike.
  const auto missing = files.Read(folder + "no\\none", 9).failure;
  EXPECT_TRUE(missing);
  EXPECT_EQ(files.Read("", 9).failure, missing);
  EXPECT_EQ(files.ReplaceWhole("", "new"), missing);
  EXPECT_EQ(files.ReplaceWhole(card, "y"), std::nullopt);
  const std::string empty = folder + "VGS\\empty.mem";
  std::ofstream{empty};  // an empty file gives way, a card never
  EXPECT_EQ(files.CreateNew(empty, "new"), std::nullopt);
  EXPECT_EQ(files.CreateNew(card, "new"), SystemErrorText(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(files.Read(empty, 9).bytes + files.Read(card, 9).bytes, "newy");
  std::ofstream(locked) << "keep me";
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  // Wine, unlike Windows, moves over a read-only file.
  for (const std::string& path : {locked, folder + "VGS", folder + "no\\card"})
    EXPECT_NE(files.ReplaceWhole(path, "new").value_or(""), "") << path;
  EXPECT_EQ(files.Length(locked).bytes, 7u);
  // Only a missing file or folder is neither measured nor failed.
  std::string found;
  for (const char* path : {"none", "no\\none", "VGS", "a<b"})
    found += files.Length(folder + path).failure ? "failed " : "none ";
  EXPECT_EQ(found, "none none failed failed ");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);  // no temporary
  fs::create_directory(folder + "empty");
  for (const char* made : {"VGS", "empty"}) files.RemoveEmptyFolder(folder + made);
  EXPECT_EQ(
      std::pair(files.FolderExists(folder + "VGS"), files.FolderExists(folder + "empty")),
      std::pair(true, false));
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  fs::remove_all(folder);
}

// Windows XP, as the program sees it: kernel32 without the functions that
// came later, and a DLL search that only SetDllDirectoryA can narrow.
std::string dllDirectory = "never set";
BOOL WINAPI RecordDllDirectory(LPCSTR folder) {
  dllDirectory = folder;
  return TRUE;
}
FARPROC WINAPI LookUpAsOnWindowsXp(HMODULE module, LPCSTR name) {
  for (const char* newer :
       {"SetDefaultDllDirectories", "SetThreadErrorMode", "GetTickCount64"})
    if (std::strcmp(name, newer) == 0) return nullptr;
  if (std::strcmp(name, "SetDllDirectoryA") == 0)
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&RecordDllDirectory));
  return GetProcAddress(module, name);
}

std::string FolderOf(HMODULE module) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(module, path, MAX_PATH);
  return std::filesystem::path(path).parent_path().string();
}

TEST(SystemTest, OnWindowsXpTheSystemsDllsStillComeFromSystem32AndNoDiskBoxesStayAway) {
  const FunctionLookup previous = SetFunctionLookup(&LookUpAsOnWindowsXp);
  RestrictDllSearch();
  EXPECT_EQ(dllDirectory, "");  // the current folder leaves the search
  char system32[MAX_PATH] = "";
  GetSystemDirectoryA(system32, MAX_PATH);
  // MCI's CD audio driver, which winmm would look for by name, is in already.
  EXPECT_EQ(FolderOf(GetModuleHandleA("mcicda.dll")), system32);
  EXPECT_EQ(FolderOf(LoadSystemDll("winmm.dll")), system32);
  // A system DLL's own imports come from System32, not from beside the program.
  for (const std::string dll : {"\\probe.dll", "\\probe_import.dll"})
    CopyFileA((FolderOf(nullptr) + dll).c_str(), (system32 + dll).c_str(), 0);
  LoadSystemDll("probe.dll");
  EXPECT_EQ(FolderOf(GetModuleHandleA("probe_import.dll")), system32);
  SetErrorMode(0);
  {
    const NoDiskErrorBoxes quiet;
    EXPECT_EQ(GetErrorMode(), UINT(SEM_FAILCRITICALERRORS));
  }
  EXPECT_EQ(GetErrorMode(), 0u);
  // The posix threads' clock, from the 32-bit count.
  EXPECT_LT(GetTickCount64() - GetTickCount(), 1000u);
  SetFunctionLookup(previous);
}

// The reply in n bytes, or "failed".
std::string Send(platform::MediaControl& media, const std::string& command, int n = 16) {
  char reply[17] = "untouched";
  return media.SendString(command, reply, n) == 0 ? reply : "failed";
}

// The folder query sees a disc while the drive's root has an entry.
TEST(MediaTest, TheProgramsCommandsOnCdromFolders) {
  const std::string status = "status cdvgs media present wait", close = "close cdvgs";
  Win32MediaControl real;  // winmm, loaded from System32
  EXPECT_EQ(Send(real, "open E: Type cdaudio Alias cdvgs wait"), "1");
  FolderMediaControl folder;
  DeleteFileA("F:\\GAME.BIN");
  EXPECT_EQ(Send(folder, "open F: Type cdaudio Alias cdvgs wait"), "1");
  EXPECT_EQ(Send(folder, status), "false");
  std::ofstream("F:\\GAME.BIN").close();
  EXPECT_EQ(Send(folder, status, 3), "tr");
  EXPECT_EQ(Send(folder, status, 0), "untouched");
  DeleteFileA("F:\\GAME.BIN");
  EXPECT_EQ(Send(folder, close), "");
  EXPECT_EQ(Send(folder, status), "failed");
}

// The prefix's code page is 1252: toupper misses é, and Japanese has no form.
TEST(LocaleTest, TextFollowsTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 1252u);
  Win32Locale locale;
  EXPECT_EQ(locale.UpperCase("\xE9t\xE9"), "\xC9T\xC9");
  EXPECT_EQ(locale.FromUtf8("Ressurrei\xC3\xA7\xC3\xA3o"), "Ressurrei\xE7\xE3o");
  EXPECT_EQ(locale.FromUtf8("\xE3\x83\x95\xE3\x82\xA1"), std::nullopt);  // ファ
  EXPECT_EQ(locale.FromUtf8("\xC4\x80"), std::nullopt);  // Ā, not its best fit A
}

using OwnedWindow = UniqueHandle<HWND, &DestroyWindow>;
std::vector<std::tuple<UINT, WPARAM, bool>> keys;  // message, key, extended key
// How the record Wine's Shell_NotifyIcon hands the taskbar begins.
struct WineNotifyData {
  LONG hWnd;
  UINT uID, uFlags, uCallbackMessage;
  WCHAR szTip[128];
  DWORD dwState, dwStateMask;
  WCHAR szInfo[256];
  UINT uTimeout;
  WCHAR szInfoTitle[64];
  DWORD dwInfoFlags;
} notified;

LRESULT CALLBACK RecordMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) {
    keys.emplace_back(message, wParam, (lParam >> 24) & 1);
    return 0;
  }
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto& copy = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  std::memcpy(&notified, copy.lpData, std::min<DWORD>(copy.cbData, sizeof notified));
  return copy.dwData != platform::kNimDelete;  // a deletion is refused
}

OwnedWindow TestWindow(const std::string& caption, int show = SW_SHOWNORMAL,
                       const char* windowClass = "SlotmateTest") {
  WNDCLASSA registered{};
  registered.lpfnWndProc = &RecordMessages;
  registered.hInstance = GetModuleHandleA(nullptr);
  registered.lpszClassName = windowClass;
  RegisterClassA(&registered);
  OwnedWindow window(CreateWindowA(windowClass, caption.c_str(), WS_OVERLAPPEDWINDOW, 0,
                                   0, 200, 100, nullptr, nullptr, nullptr, nullptr));
  ShowWindow(window.get(), show);
  return window;
}

TEST(DesktopTest, ActivatesTheEmulatorByCaptionAndSendsItKeys) {
  const std::string emulator = "Emulator " + std::to_string(GetCurrentProcessId());
  const OwnedWindow other = TestWindow("other"),
                    longer = TestWindow(emulator + " - Game"),
                    hidden = TestWindow("Hidden " + emulator, SW_HIDE);
  OwnedWindow exact = TestWindow(emulator, SW_MINIMIZE);
  SetForegroundWindow(other.get());
  Win32Desktop desktop;
  EXPECT_FALSE(desktop.ActivateWindowByCaption("Hidden " + emulator));
  // Seen without coming to the front.
  EXPECT_TRUE(desktop.WindowWithCaptionExists(emulator));
  EXPECT_EQ(GetForegroundWindow(), other.get());
  // The exact caption wins, and is restored.
  EXPECT_TRUE(desktop.ActivateWindowByCaption(emulator));
  EXPECT_EQ(GetForegroundWindow(), exact.get());
  EXPECT_FALSE(IsIconic(exact.get()));
  using platform::kVkMenu, platform::kVkUp;
  desktop.SendKeys({{kVkMenu, true}, {'E', true}, {kVkMenu, false}, {kVkUp, true}});
  for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
  const decltype(keys) expected = {{WM_SYSKEYDOWN, VK_MENU, false},
                                   {WM_SYSKEYDOWN, 'E', false},
                                   {WM_KEYUP, VK_MENU, false},
                                   {WM_KEYDOWN, VK_UP, true}};  // not the keypad's 8
  EXPECT_EQ(keys, expected);
  exact.reset();  // now one that begins so
  EXPECT_FALSE(desktop.WindowWithCaptionExists("Hidden " + emulator));
  EXPECT_TRUE(desktop.ActivateWindowByCaption(emulator));
  EXPECT_EQ(GetForegroundWindow(), longer.get());
}

HRESULT WINAPI QuietHours(QUERY_USER_NOTIFICATION_STATE* state) {
  *state = QUNS_QUIET_TIME;
  return S_OK;
}
FARPROC WINAPI LookUpInQuietHours(HMODULE module, LPCSTR name) {
  if (std::strcmp(name, "SHQueryUserNotificationState") == 0)
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&QuietHours));
  return GetProcAddress(module, name);
}

// A stand-in for the taskbar the null driver lacks. A balloon's texts reach it
// only in the record's second form.
TEST(TrayTest, HandsTheIconAndItsBalloonToTheTaskbar) {
  const OwnedWindow taskbar = TestWindow("", SW_HIDE, "Shell_TrayWnd");
  using namespace platform;
  NotifyIconData data{.hWnd = WindowHandle(taskbar.get()), .uID = 1};
  data.uFlags = kNifMessage | kNifTip;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.szTip.fill('t');  // the last gives way to the NUL
  EXPECT_TRUE(Win32Tray().NotifyIcon(kNimAdd, data));
  EXPECT_EQ(
      std::tuple(notified.hWnd, notified.uID, notified.uFlags, notified.uCallbackMessage),
      std::tuple(LONG(data.hWnd), data.uID, data.uFlags, data.uCallbackMessage));
  EXPECT_EQ(std::wstring(notified.szTip), std::wstring(63, L't'));
  EXPECT_TRUE(Win32Tray().ShowBalloon(data, "Slotmate", std::string(300, 'b')));
  EXPECT_EQ(std::tuple(notified.uID, notified.uFlags, notified.dwInfoFlags),
            std::tuple(data.uID, UINT(NIF_INFO), DWORD(NIIF_INFO)));
  EXPECT_EQ(std::wstring(notified.szInfoTitle), L"Slotmate");
  EXPECT_EQ(std::wstring(notified.szInfo), std::wstring(255, L'b'));
  // From Vista on, a balloon the shell holds back is not one the player sees.
  const FunctionLookup previous = SetFunctionLookup(&LookUpInQuietHours);
  EXPECT_FALSE(Win32Tray().ShowBalloon(data, "Slotmate", "unseen"));
  SetFunctionLookup(previous);
  EXPECT_FALSE(Win32Tray().NotifyIcon(kNimDelete, data));
}

}  // namespace
}  // namespace slotmate::win32
