// Named like a system DLL for the dlls journey: loaded, it leaves
// NAME.loaded beside itself. Its MCI answers with an error, so
// a program that imports MCI from its folder starts, and the trace shows.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  char path[MAX_PATH + 8] = {};
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH) {
    lstrcatA(path, ".loaded");
    CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  return TRUE;
}

// Declared here, not by mmsystem.h, which declares it imported.
extern "C" __declspec(dllexport) UINT WINAPI mciSendStringA(LPCSTR, LPSTR, UINT, HWND) {
  return 266;  // MCIERR_CANNOT_LOAD_DRIVER
}
