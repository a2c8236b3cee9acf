#pragma once

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/locale.h"
#include "platform/media.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/toolkit.h"
#include "platform/tray.h"

namespace slotmate::platform {

// Everything the program asks of the system, handed to the windows at start.
struct Platform {
  Drives& drives;
  MediaControl& media;
  Keyboard& keyboard;
  Tray& tray;
  Registry& registry;
  SettingsStore& settings;
  Dialogs& dialogs;
  Desktop& desktop;
  Files& files;
  Process& process;
  Toolkit& toolkit;
  Locale& locale;
};

}  // namespace slotmate::platform
