#pragma once

#include <windows.h>

namespace slotmate::win32 {

// Restricts the DLL search of the whole process before the first window: to
// System32 where Windows can (7 with KB2533623, 8 and later); elsewhere (XP,
// Vista) the current folder at least leaves the search, and the DLLs that the
// system loads by name on the program's behalf are loaded from System32
// first, so that no namesake beside the program is taken for them.
void RestrictDllSearch();

// The system's own DLL `name`, by its full System32 path, never a namesake
// beside the program; nullptr when it cannot be loaded.
HMODULE LoadSystemDll(const char* name);

// How functions are looked up in a loaded DLL: GetProcAddress. The Windows
// tests put another in its place to run the paths of an older Windows.
using FunctionLookup = FARPROC(WINAPI*)(HMODULE, LPCSTR);
FunctionLookup SetFunctionLookup(FunctionLookup lookup);
FARPROC LookUpFunction(HMODULE module, const char* function);

// `function` of `module` as type F; nullptr when either is missing.
template <typename F>
F DllFunction(HMODULE module, const char* function) {
  if (module == nullptr) return nullptr;
  // Through the generic function pointer type, which GCC lets pass unwarned.
  return reinterpret_cast<F>(
      reinterpret_cast<void (*)()>(LookUpFunction(module, function)));
}

// kernel32's `function`, which an older Windows may lack; nullptr there.
template <typename F>
F Kernel32Function(const char* function) {
  return DllFunction<F>(GetModuleHandleA("kernel32.dll"), function);
}

// While it lives, a drive without a disc fails a file call instead of asking
// the player to insert one.
class NoDiskErrorBoxes {
 public:
  NoDiskErrorBoxes() noexcept;
  ~NoDiskErrorBoxes();
  NoDiskErrorBoxes(const NoDiskErrorBoxes&) = delete;
  NoDiskErrorBoxes& operator=(const NoDiskErrorBoxes&) = delete;

 private:
  UINT previous_ = 0;
  bool threadOnly_ = false;
};

}  // namespace slotmate::win32
