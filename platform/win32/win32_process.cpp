#include "platform/win32/win32_process.h"

#include <windows.h>

#include <utility>

namespace slotmate::win32 {

Win32Process::Win32Process(std::string mutexName) : mutexName_(std::move(mutexName)) {}

void Win32Process::CloseMutex(void* handle) noexcept { CloseHandle(handle); }

bool Win32Process::AnotherInstanceRunning() {
  if (!anotherRunning_) {
    SetLastError(ERROR_SUCCESS);
    mutex_.reset(CreateMutexA(nullptr, FALSE, mutexName_.c_str()));
    const DWORD error = GetLastError();
    // Access denied: the mutex exists but belongs to someone we may not open,
    // which is another instance all the same.
    anotherRunning_ =
        mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
  }
  return *anotherRunning_;
}

std::string Win32Process::ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // truncated: try a larger buffer
  }
  const auto slash = path.find_last_of('\\');
  if (slash == std::string::npos) return {};
  // A drive root keeps its backslash ("C:\").
  return path.substr(0, slash == 2 && path[1] == ':' ? slash + 1 : slash);
}

platform::InstanceHandle Win32Process::Instance() {
  return reinterpret_cast<platform::InstanceHandle>(GetModuleHandleA(nullptr));
}

}  // namespace slotmate::win32
