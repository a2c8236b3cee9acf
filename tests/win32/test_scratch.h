#pragma once

// Helpers the Windows tests share: a private folder per test, file helpers,
// and a lock for tests that need the desktop to themselves.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace slotmate::win32::testing {

// A folder of its own under the system's temporary folder, removed with
// everything in it when the test ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int count = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "slotmate-test-" + std::to_string(GetCurrentProcessId()) +
            "-" + std::to_string(++count);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  // Removes a folder's content, and the folder itself unless told to keep it.
  static void RemoveTree(const std::string& folder, bool keepFolder = false);

 private:
  std::string path_;
};

inline bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                            &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

inline std::string ReadFileBytes(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

// The names in a folder, "." and ".." left out.
inline std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

inline void ScratchFolder::RemoveTree(const std::string& folder, bool keepFolder) {
  for (const std::string& name : EntriesOf(folder)) {
    const std::string path = folder + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) RemoveTree(path);
  }
  if (!keepFolder) RemoveDirectoryA(folder.c_str());
}

// Held by tests that move the foreground or use the tray, so that test
// programs running side by side in one prefix take turns.
class DesktopTurn {
 public:
  DesktopTurn() : mutex_(CreateMutexA(nullptr, FALSE, "Local\\SlotmateTests.Desktop")) {
    WaitForSingleObject(mutex_, INFINITE);
  }
  ~DesktopTurn() {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
  DesktopTurn(const DesktopTurn&) = delete;
  DesktopTurn& operator=(const DesktopTurn&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace slotmate::win32::testing
