#pragma once

#include "platform/files.h"

namespace slotmate::win32 {

class Win32Files : public platform::Files {
 public:
  Size Length(const std::string& path) override;
  Contents Read(const std::string& path, std::size_t maxBytes) override;
  std::optional<std::string> ReplaceWhole(const std::string& path,
                                          std::string_view bytes) override;
  std::optional<std::string> CreateNew(const std::string& path,
                                       std::string_view bytes) override;
  bool MakeSureDirectoryPathExists(const std::string& path) override;
  bool FolderExists(const std::string& folder) override;
  void RemoveEmptyFolder(const std::string& folder) override;
};

// The system's text for an error code, without its closing full stop and line
// break ("Access is denied"); a plain "Error 5" when the system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace slotmate::win32
