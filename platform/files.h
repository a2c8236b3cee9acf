#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slotmate::platform {

class Files {
 public:
  virtual ~Files() = default;
  // The length in bytes of the named file. A file that is not there (no such
  // file or folder, an empty path) has neither a length nor a failure; any
  // other answer without a length (access denied, a drive not ready, a
  // folder at the path) comes with the system's reason.
  struct Size {
    std::optional<std::uint64_t> bytes;
    std::optional<std::string> failure;
  };
  virtual Size Length(const std::string& path) = 0;
  // The first `maxBytes` bytes of the file (all of it when shorter). When the
  // file cannot be opened, or a read fails part-way, `bytes` holds what was
  // read before (maybe nothing) and `failure` the system's reason.
  struct Contents {
    std::string bytes;
    std::optional<std::string> failure;
  };
  virtual Contents Read(const std::string& path, std::size_t maxBytes) = 0;
  // Replaces the whole file with `bytes` in one step: the bytes go to a
  // temporary file beside it, which then takes the file's place, so the file
  // is never seen truncated or half-written. Returns nullopt on success, or
  // the system's reason for the failure (nothing is left behind then).
  virtual std::optional<std::string> ReplaceWhole(const std::string& path,
                                                  std::string_view bytes) = 0;
  // Writes `bytes` as a new file where no file, or only an empty one, is; a
  // file with bytes in it is never replaced, and the call then fails. Like
  // ReplaceWhole, the file appears whole or not at all. Returns nullopt on
  // success, or the system's reason for the failure.
  virtual std::optional<std::string> CreateNew(const std::string& path,
                                               std::string_view bytes) = 0;
  // Creates every missing folder before the last backslash of `path`
  // (MakeSureDirectoryPathExists); false on failure.
  virtual bool MakeSureDirectoryPathExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& folder) = 0;
  // Removes the folder when it is empty; a folder with anything in it stays.
  virtual void RemoveEmptyFolder(const std::string& folder) = 0;
};

}  // namespace slotmate::platform

namespace slotmate {

// A file at `path` that holds at least one byte: how a memory card or a boot
// file is recognised. False for a missing or empty file and on any failure.
inline bool NonEmptyFileExists(platform::Files& files, const std::string& path) {
  const auto length = files.Length(path).bytes;
  return length && *length > 0;
}

}  // namespace slotmate
