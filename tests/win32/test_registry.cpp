#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_registry.h"

namespace slotmate::win32 {
namespace {

using platform::RegistryKey;

// A key of this test program's own, removed with its values afterwards. The
// bytes stored, and other values kept, are checked through SetKeyValue in
// test_program_on_windows.cpp.
class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SlotmateTests");  // only once empty
  }

  bool Found(const std::string& name) {
    return RegGetValueA(HKEY_CURRENT_USER, base_.c_str(), name.c_str(), RRF_RT_ANY,
                        nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }

  const std::string base_ =
      "Software\\SlotmateTests\\Registry-" + std::to_string(GetCurrentProcessId());
  Win32Registry registry_;
};

TEST_F(RegistryTest, OpeningAMissingKeyFailsAndHandsOutNoKey) {
  RegistryKey opened = 12345;
  EXPECT_EQ(registry_.OpenKeyEx(platform::kHkeyCurrentUser, base_ + "\\Missing", KEY_READ,
                                &opened),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(opened, 0u);
}

TEST_F(RegistryTest, WritingThroughAReadOnlyKeyFails) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, base_.c_str(), &key), ERROR_SUCCESS);
  RegCloseKey(key);
  RegistryKey opened = 0;
  ASSERT_EQ(
      registry_.OpenKeyEx(platform::kHkeyCurrentUser, base_, KEY_QUERY_VALUE, &opened),
      ERROR_SUCCESS);
  EXPECT_EQ(registry_.SetValueEx(opened, "Mine", platform::kRegSz, std::string("x\0", 2)),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry_.CloseKey(opened), ERROR_SUCCESS);
  EXPECT_FALSE(Found("Mine"));
}

}  // namespace
}  // namespace slotmate::win32
