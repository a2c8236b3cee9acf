#pragma once

#include <windows.h>

namespace slotmate::win32 {

// Restricts the DLL search of the whole process to System32, before the
// first window; where the system cannot, it goes on as before.
void RestrictDllSearch();

// The system's own DLL `name` from System32, never a namesake beside the
// program; nullptr when it cannot be loaded.
HMODULE LoadSystemDll(const char* name);

// `function` of `module` as type F; nullptr when either is missing.
template <typename F>
F DllFunction(HMODULE module, const char* function) {
  if (module == nullptr) return nullptr;
  // Through the generic function pointer type, which GCC lets pass unwarned.
  return reinterpret_cast<F>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, function)));
}

}  // namespace slotmate::win32
