#pragma once

#include <optional>
#include <string>

#include "platform/process.h"
#include "platform/win32/unique_handle.h"

namespace slotmate::win32 {

inline constexpr const char* kSingleInstanceMutex = "Local\\Slotmate.SingleInstance";

class Win32Process : public platform::Process {
 public:
  // `mutexName` names the per-session mutex whose holder is the running
  // instance; tests pass their own so they never meet a real one.
  explicit Win32Process(std::string mutexName = kSingleInstanceMutex);

  bool AnotherInstanceRunning() override;
  std::string ProgramFolder() override;
  platform::InstanceHandle Instance() override;

 private:
  static void CloseMutex(void* handle) noexcept;

  std::string mutexName_;
  UniqueHandle<void*, &CloseMutex> mutex_;  // held for the object's life
  std::optional<bool> anotherRunning_;
};

}  // namespace slotmate::win32
