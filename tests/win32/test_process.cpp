#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_process.h"

namespace slotmate::win32 {
namespace {

std::string UniqueMutexName() {
  static int count = 0;
  return "Local\\SlotmateTests.Instance-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(++count);
}

TEST(ProcessTest, TheFirstInstanceHoldsTheClaimForItsLife) {
  const std::string name = UniqueMutexName();
  {
    Win32Process first(name);
    EXPECT_FALSE(first.AnotherInstanceRunning());
    Win32Process second(name);
    EXPECT_TRUE(second.AnotherInstanceRunning());
    // Asking again changes nothing for either.
    EXPECT_FALSE(first.AnotherInstanceRunning());
    EXPECT_TRUE(second.AnotherInstanceRunning());
  }
  // Both gone: the claim went with them.
  Win32Process later(name);
  EXPECT_FALSE(later.AnotherInstanceRunning());
}

TEST(ProcessTest, DifferentNamesDoNotMeet) {
  Win32Process first(UniqueMutexName());
  Win32Process second(UniqueMutexName());
  EXPECT_FALSE(first.AnotherInstanceRunning());
  EXPECT_FALSE(second.AnotherInstanceRunning());
}

// The program's folder (without a closing backslash) and module are this
// test program's.
TEST(ProcessTest, ProgramFolderAndInstanceAreThisPrograms) {
  Win32Process process;
  const std::string folder = process.ProgramFolder();
  EXPECT_NE(folder.back(), '\\') << folder;
  char path[MAX_PATH] = {};
  ASSERT_NE(
      GetModuleFileNameA(reinterpret_cast<HMODULE>(process.Instance()), path, MAX_PATH),
      0u);
  EXPECT_EQ(std::string(path), folder + "\\slotmate_win32_tests.exe");
}

}  // namespace
}  // namespace slotmate::win32
