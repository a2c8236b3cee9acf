#pragma once

#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"

namespace slotmate::fakes {

// Every fake in one place, with the journal they share.
struct FakePlatform {
  Journal journal;
  FakeDrives drives;
  FakeMedia media;
  FakeKeyboard keyboard;
  FakeTray tray;
  FakeRegistry registry{journal};
  FakeSettings settings;
  FakeDialogs dialogs;
  FakeDesktop desktop{journal};
  FakeFiles files;
  FakeProcess process;
  FakeToolkit toolkit;
  FakeLocale locale;
  platform::Platform platform{drives,  media,   keyboard, tray,    registry, settings,
                              dialogs, desktop, files,    process, toolkit,  locale};
};

}  // namespace slotmate::fakes
