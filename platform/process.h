#pragma once

#include <string>

#include "platform/types.h"

namespace slotmate::platform {

class Process {
 public:
  virtual ~Process() = default;
  // True when another instance of the program is already running. The first
  // call claims the instance for this process for the rest of its life.
  virtual bool AnotherInstanceRunning() = 0;
  // The folder that holds the program's executable, without trailing
  // backslash except at a drive root ("C:\").
  virtual std::string ProgramFolder() = 0;
  virtual InstanceHandle Instance() = 0;
};

}  // namespace slotmate::platform
