#include "platform/win32/folder_media.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/win32/unique_handle.h"

namespace slotmate::win32 {
namespace {

constexpr std::string_view kOpenStart = "open ";
constexpr std::string_view kOpenEnd = " Type cdaudio Alias cdvgs wait";
constexpr std::string_view kStatus = "status cdvgs media present wait";
constexpr std::string_view kClose = "close cdvgs";

using FindHandle = UniqueHandle<HANDLE, &FindClose>;

// Truncates as mciSendString does: at most length - 1 characters and a zero.
void WriteReply(std::string_view text, char* reply, unsigned length) {
  if (reply == nullptr || length == 0) return;
  const std::size_t count = std::min<std::size_t>(text.size(), length - 1);
  std::memcpy(reply, text.data(), count);
  reply[count] = '\0';
}

bool RootHasEntry(const std::string& drive) {
  WIN32_FIND_DATAA found{};
  const HANDLE first = FindFirstFileA((drive + "\\*").c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return false;
  const FindHandle search(first);
  do {
    const std::string_view name = found.cFileName;
    if (name != "." && name != "..") return true;
  } while (FindNextFileA(search.get(), &found));
  return false;
}

}  // namespace

std::uint32_t FolderMediaControl::SendString(const std::string& command, char* reply,
                                             unsigned replyLength) {
  const std::string_view text = command;
  if (text.size() == kOpenStart.size() + 2 + kOpenEnd.size() &&
      text.starts_with(kOpenStart) && text.ends_with(kOpenEnd)) {
    if (!openDrive_.empty()) return MCIERR_DUPLICATE_ALIAS;
    openDrive_ = std::string(text.substr(kOpenStart.size(), 2));
    WriteReply("1", reply, replyLength);  // the device number, as mci answers
    return 0;
  }
  if (text == kStatus || text == kClose) {
    if (openDrive_.empty()) return MCIERR_INVALID_DEVICE_NAME;
    if (text == kClose) {
      openDrive_.clear();
      WriteReply("", reply, replyLength);
      return 0;
    }
    WriteReply(RootHasEntry(openDrive_) ? "true" : "false", reply, replyLength);
    return 0;
  }
  return MCIERR_UNRECOGNIZED_COMMAND;
}

}  // namespace slotmate::win32
