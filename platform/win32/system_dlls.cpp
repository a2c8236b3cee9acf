#include "platform/win32/system_dlls.h"

#include <string>

// Windows looks for a DLL in the program's folder first, unless told
// otherwise, and players keep slotmate.exe in folders that hold downloads. A
// DLL named like a system one beside it would run inside Slotmate: for those
// the program imports, for those the system loads on its behalf (visual
// styles, the file dialog, the shell) and for plain LoadLibrary calls. Only
// the KnownDLLs are safe from that, so the program imports no other DLL and
// loads the rest itself, by full path (the common controls by name, so that
// the manifest still picks version 6 from the side-by-side store, which the
// loader consults before any folder).

namespace slotmate::win32 {
namespace {

FunctionLookup functionLookup = &GetProcAddress;
// Whether every load by name searches System32 alone.
bool searchIsSystem32Only = false;

std::string SystemFolder() {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(folder, length);
}

// DLLs outside the KnownDLLs that the system loads by name into the process:
// a delay import of the controls' drawing, which Wine's loader, at least,
// takes from beside the program even from a restricted search...
constexpr const char* kDelayLoadedBySystem[] = {"msimg32.dll"};
// ...and, where the search cannot be restricted, every other one: visual
// styles, MCI's CD audio driver and sound, the file dialog's (those that an
// older Windows lacks fail to load, harmlessly).
constexpr const char* kLoadedBySystemByName[] = {
    "uxtheme.dll", "dwmapi.dll",   "mcicda.dll",        "msacm32.dll", "dsound.dll",
    "propsys.dll", "compstui.dll", "windowscodecs.dll", "winspool.drv"};

}  // namespace

FunctionLookup SetFunctionLookup(FunctionLookup lookup) {
  const FunctionLookup previous = functionLookup;
  functionLookup = lookup;
  return previous;
}

FARPROC LookUpFunction(HMODULE module, const char* function) {
  return functionLookup(module, function);
}

void RestrictDllSearch() {
  // With KB2533623 on Windows 7, and from Windows 8: every load without a
  // path, the system's own included, searches System32 alone.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefault =
      Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories");
  searchIsSystem32Only = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Elsewhere (XP SP1 and later) at least the current folder leaves it.
  using SetDllDirectoryAFn = BOOL(WINAPI*)(LPCSTR);
  if (const auto setDirectory = Kernel32Function<SetDllDirectoryAFn>("SetDllDirectoryA"))
    setDirectory("");
  // Loaded once from System32, they are the ones later loads by name get.
  for (const char* name : kDelayLoadedBySystem) LoadSystemDll(name);
  if (!searchIsSystem32Only)
    for (const char* name : kLoadedBySystemByName) LoadSystemDll(name);
}

HMODULE LoadSystemDll(const char* name) {
  const std::string folder = SystemFolder();
  if (folder.empty()) return nullptr;
  // The DLL's own imports come from System32 too: from the restricted search,
  // or, where there is none, from the DLL's own folder, which this flag puts
  // first (LOAD_LIBRARY_SEARCH_SYSTEM32 would be refused there).
  const std::string path = folder + "\\" + name;
  return LoadLibraryExA(path.c_str(), nullptr,
                        searchIsSystem32Only ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

NoDiskErrorBoxes::NoDiskErrorBoxes() noexcept {
  // This thread's mode from Windows 7; the process's before, which is the
  // same here: the program has one thread that touches files.
  using SetThreadErrorModeFn = BOOL(WINAPI*)(DWORD, LPDWORD);
  if (const auto setThreadMode =
          Kernel32Function<SetThreadErrorModeFn>("SetThreadErrorMode")) {
    DWORD previous = 0;
    threadOnly_ = setThreadMode(SEM_FAILCRITICALERRORS, &previous);
    previous_ = previous;
  }
  if (!threadOnly_) {
    previous_ = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
  }
}

NoDiskErrorBoxes::~NoDiskErrorBoxes() {
  using SetThreadErrorModeFn = BOOL(WINAPI*)(DWORD, LPDWORD);
  if (!threadOnly_) {
    SetErrorMode(previous_);
  } else if (const auto setThreadMode =
                 Kernel32Function<SetThreadErrorModeFn>("SetThreadErrorMode")) {
    setThreadMode(previous_, nullptr);
  }
}

}  // namespace slotmate::win32

#if defined(__i386__)
// libwinpthread, linked in statically, imports GetTickCount64, which Windows
// XP lacks: the loader would refuse the program before main. Defining the
// import's pointer here, in a file that is always linked, keeps kernel32's
// out of the import table; it calls the system's where there is one.
namespace {

ULONGLONG WINAPI TickCount64() {
  using GetTickCount64Fn = ULONGLONG(WINAPI*)();
  if (const auto system =
          slotmate::win32::Kernel32Function<GetTickCount64Fn>("GetTickCount64"))
    return system();
  // XP: the 32-bit count, carried past its wrap every 49.7 days.
  static DWORD last = 0;
  static ULONGLONG wraps = 0;
  const DWORD now = GetTickCount();
  if (now < last) wraps += 1ull << 32;
  last = now;
  return wraps + now;
}

}  // namespace

extern "C" ULONGLONG(WINAPI* const slotmateGetTickCount64)() __asm__(
    "__imp__GetTickCount64@0") = &TickCount64;
#endif
