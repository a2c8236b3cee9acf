// The program on Windows: the real platform, the main window, the message
// loop. slotmate_e2e.exe is built from this same file with a media query that
// sees a disc while the drive's folder holds anything.

#include "app/form_slotmate.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_tray.h"
#ifdef SLOTMATE_FOLDER_MEDIA
#include "platform/win32/folder_media.h"
using MediaQuery = slotmate::win32::FolderMediaControl;
#else
#include "platform/win32/win32_media.h"
using MediaQuery = slotmate::win32::Win32MediaControl;
#endif

int main() {
  using namespace slotmate::win32;
  // Before any window: the system loads theme and shell DLLs for it.
  RestrictDllSearch();
  Win32Drives drives;
  MediaQuery media;
  Win32Keyboard keyboard;
  Win32Tray tray;
  Win32Registry registry;
  Win32SettingsStore settings;
  Win32Toolkit toolkit;
  Win32Dialogs dialogs{toolkit};
  Win32Desktop desktop;
  Win32Files files;
  Win32Process process;
  Win32Locale locale;
  slotmate::platform::Platform platform{drives,   media,    keyboard, tray,
                                        registry, settings, dialogs,  desktop,
                                        files,    process,  toolkit,  locale};
  slotmate::formSlotmate form(platform);
  if (!form.Form_Load()) return 0;
  toolkit.RunMessageLoop();
  return 0;
}
