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

TEST(ProcessTest, ProgramFolderHoldsThisProgram) {
  Win32Process process;
  const std::string folder = process.ProgramFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_NE(folder.back(), '\\') << folder;
  const DWORD attributes =
      GetFileAttributesA((folder + "\\slotmate_win32_tests.exe").c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << folder;
}

TEST(ProcessTest, InstanceIsThisProgramsModule) {
  Win32Process process;
  const auto instance = reinterpret_cast<HMODULE>(process.Instance());
  ASSERT_NE(instance, nullptr);
  char path[MAX_PATH] = {};
  ASSERT_NE(GetModuleFileNameA(instance, path, MAX_PATH), 0u);
  EXPECT_NE(std::string(path).find("slotmate_win32_tests.exe"), std::string::npos)
      << path;
}

}  // namespace
}  // namespace slotmate::win32
