#include "platform/win32/win32_files.h"

#include <windows.h>

#include <imagehlp.h>

#include <algorithm>

#include "platform/win32/system_dlls.h"
#include "platform/win32/unique_handle.h"

namespace slotmate::win32 {
namespace {

using FileHandle = UniqueHandle<HANDLE, &CloseHandle>;

// CreateFile fails with INVALID_HANDLE_VALUE, not with the owner's empty value.
FileHandle OwnFile(HANDLE file) {
  return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);  // "C:\"
  return path.substr(0, slash);
}

// GetLastError, never "success" when a call did fail.
DWORD LastError() {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// Writes `bytes` to a temporary file beside `path` and hands it to `move`,
// which puts it in the file's place and tells whether it could. Returns
// nullopt on success, or the system's reason; no temporary file stays.
template <class Move>
std::optional<std::string> MoveIntoPlace(const std::string& path, std::string_view bytes,
                                         const Move& move) {
  char temporary[MAX_PATH] = {};
  if (GetTempFileNameA(FolderOf(path).c_str(), "slm", 0, temporary) == 0) {
    return SystemErrorText(LastError());
  }
  DWORD error = ERROR_SUCCESS;
  {
    const FileHandle file =
        OwnFile(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      error = LastError();
    }
  }  // closed before it can be moved
  if (error == ERROR_SUCCESS && !move(temporary)) error = LastError();
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileA(temporary);
  return SystemErrorText(error);
}

// Removes the file if it is empty. It is held meanwhile, sharing nothing but
// its removal, so no one can write to it between the look and the removal,
// which happens when it is let go.
bool RemoveIfEmpty(const std::string& path) {
  const FileHandle file =
      OwnFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  return file && GetFileSizeEx(file.get(), &size) && size.QuadPart == 0 &&
         DeleteFileA(path.c_str());
}

}  // namespace

std::string SystemErrorText(unsigned long code) {
  char* buffer = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length != 0 ? std::string(buffer, length) : std::string();
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' ||
                           text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  return text.empty() ? "Error " + std::to_string(code) : text;
}

platform::Files::Size Win32Files::Length(const std::string& path) {
  if (path.empty()) return {};
  const NoDiskErrorBoxes quiet;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    // Only these say that nothing is there; a drive that is not ready or a
    // refused look may hide a file.
    const DWORD error = LastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return {std::nullopt, SystemErrorText(error)};
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return {std::nullopt, SystemErrorText(ERROR_ACCESS_DENIED)};
  return {(std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow, std::nullopt};
}

platform::Files::Contents Win32Files::Read(const std::string& path,
                                           std::size_t maxBytes) {
  Contents contents;
  if (path.empty()) {
    contents.failure = SystemErrorText(ERROR_PATH_NOT_FOUND);
    return contents;
  }
  const NoDiskErrorBoxes quiet;
  const FileHandle file =
      OwnFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    contents.failure = SystemErrorText(LastError());
    return contents;
  }
  std::string& bytes = contents.bytes;
  char buffer[64 * 1024];
  while (bytes.size() < maxBytes) {
    const DWORD wanted =
        static_cast<DWORD>(std::min<std::size_t>(maxBytes - bytes.size(), sizeof buffer));
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, wanted, &got, nullptr)) {
      contents.failure = SystemErrorText(LastError());
      break;
    }
    if (got == 0) break;  // end of file
    bytes.append(buffer, got);
  }
  return contents;
}

std::optional<std::string> Win32Files::ReplaceWhole(const std::string& path,
                                                    std::string_view bytes) {
  if (path.empty()) return SystemErrorText(ERROR_PATH_NOT_FOUND);
  const NoDiskErrorBoxes quiet;
  // A read-only file must stay as it is. Windows refuses to move over one,
  // Wine does not, so ask first.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return SystemErrorText(ERROR_ACCESS_DENIED);
  }
  return MoveIntoPlace(path, bytes, [&](const char* temporary) {
    return MoveFileExA(temporary, path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  });
}

std::optional<std::string> Win32Files::CreateNew(const std::string& path,
                                                 std::string_view bytes) {
  if (path.empty()) return SystemErrorText(ERROR_PATH_NOT_FOUND);
  const NoDiskErrorBoxes quiet;
  // Without MOVEFILE_REPLACE_EXISTING the move fails where a file is.
  const auto move = [&](const char* temporary) {
    return MoveFileExA(temporary, path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
  };
  return MoveIntoPlace(path, bytes, [&](const char* temporary) {
    if (move(temporary)) return true;
    const DWORD error = GetLastError();
    // An empty file holds nothing to lose: it gives way to the new one.
    if ((error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) &&
        RemoveIfEmpty(path))
      return move(temporary);
    SetLastError(error);
    return false;
  });
}

bool Win32Files::MakeSureDirectoryPathExists(const std::string& path) {
  const NoDiskErrorBoxes quiet;
  // It splits at backslashes only: given "C:/a/b/" it creates nothing and
  // still reports success.
  std::string backslashed = path;
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  return ::MakeSureDirectoryPathExists(backslashed.c_str()) != FALSE;
}

bool Win32Files::FolderExists(const std::string& folder) {
  const NoDiskErrorBoxes quiet;
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32Files::RemoveEmptyFolder(const std::string& folder) {
  const NoDiskErrorBoxes quiet;
  RemoveDirectoryA(folder.c_str());  // fails, as wanted, when anything is inside
}

}  // namespace slotmate::win32
