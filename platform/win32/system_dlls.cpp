#include "platform/win32/system_dlls.h"

#include <string>

// Windows looks for a DLL in the program's folder first, unless told
// otherwise, and players keep slotmate.exe in folders that hold downloads. A
// DLL named like a system one beside it would run inside Slotmate: for those
// the program imports, for those the system loads on its behalf (visual
// styles, the file dialog, the shell) and for plain LoadLibrary calls. Only
// the KnownDLLs are safe from that, so the program imports no other DLL and
// loads the rest itself once the search is restricted to System32 (the common
// controls by name, so that their manifest still picks version 6).

namespace slotmate::win32 {
namespace {

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryAFn = BOOL(WINAPI*)(LPCSTR);

// Kernel32 is a KnownDLL, always loaded: its functions are looked up, not
// imported, as Windows 7 has SetDefaultDllDirectories only with KB2533623.
template <typename F>
F Kernel32Function(const char* name) {
  return DllFunction<F>(GetModuleHandleA("kernel32.dll"), name);
}

}  // namespace

void RestrictDllSearch() {
  // Every LoadLibrary without a path, the system's own included, searches
  // System32 alone.
  if (const auto setDefault =
          Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories"))
    setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Where that is missing, at least the current folder leaves the search.
  if (const auto setDirectory = Kernel32Function<SetDllDirectoryAFn>("SetDllDirectoryA"))
    setDirectory("");
}

HMODULE LoadSystemDll(const char* name) {
  // Fails where the flag is unknown (Windows 7 without KB2533623).
  if (const HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
    return module;
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // By its full path; the altered search finds the DLL's own imports in
  // System32 as well, not beside the program.
  const std::string path = std::string(folder, length) + "\\" + name;
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace slotmate::win32
