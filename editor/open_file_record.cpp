#include "editor/open_file_record.h"

#include <algorithm>

#include "common/text.h"

namespace slotmate {
namespace {

std::string EmptyBuffer() { return std::string(kOpenFileBufferSize, '\0'); }

}  // namespace

std::string DialogFilter(std::string_view filter) {
  std::string converted(filter);
  if (!converted.ends_with('|')) converted.push_back('|');
  std::replace(converted.begin(), converted.end(), '|', '\0');
  converted.push_back('\0');
  return converted;
}

platform::OpenFileNameRecord MakeOpenFileRecord(platform::WindowHandle owner,
                                                platform::InstanceHandle instance,
                                                std::string_view filter,
                                                const std::string& title,
                                                const std::string& initialDir) {
  platform::OpenFileNameRecord record;
  record.lStructSize = kOpenFileNameSize;
  record.hwndOwner = owner;
  record.hInstance = instance;
  record.lpstrFilter = DialogFilter(filter);
  record.lpstrFile = EmptyBuffer();
  record.nMaxFile = kOpenFileBufferSize;
  record.lpstrFileTitle = EmptyBuffer();
  record.nMaxFileTitle = kOpenFileBufferSize;
  record.lpstrInitialDir = initialDir;
  record.lpstrTitle = title;
  record.Flags = kOfnFileMustExist | kOfnHideReadOnly;
  return record;
}

std::string ChosenFile(std::string_view fileBuffer) {
  return std::string(TrimBlanks(fileBuffer.substr(0, fileBuffer.find('\0'))));
}

}  // namespace slotmate
