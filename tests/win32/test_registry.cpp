#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_registry.h"

namespace slotmate::win32 {
namespace {

using platform::RegistryKey;

// A key of this test program's own, removed with its values afterwards.
class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SlotmateTests");  // only once empty
  }

  struct Stored {
    DWORD type = 0;
    std::string bytes;
    bool found = false;
  };
  Stored Query(const std::string& subKey, const std::string& name) {
    Stored stored;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
      return stored;
    }
    char buffer[512];
    DWORD size = sizeof buffer;
    stored.found =
        RegQueryValueExA(key, name.c_str(), nullptr, &stored.type,
                         reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
    if (stored.found) stored.bytes.assign(buffer, size);
    RegCloseKey(key);
    return stored;
  }

  const std::string base_ =
      "Software\\SlotmateTests\\Registry-" + std::to_string(GetCurrentProcessId());
  Win32Registry registry_;
};

TEST_F(RegistryTest, StoresExactlyTheBytesGiven) {
  struct Case {
    const char* name;
    std::string data;
  };
  // A 17-character path with its zero: 18 bytes; and a value that is only the zero.
  const Case cases[] = {
      {"Path", std::string("E:\\SLUS_123.45;1\0", 18)},
      {"Empty", std::string("\0", 1)},
  };
  const std::string subKey = base_ + "\\Created\\Deeper";
  for (const auto& c : cases) {
    RegistryKey key = 0;
    ASSERT_EQ(registry_.CreateKey(platform::kHkeyCurrentUser, subKey, &key),
              ERROR_SUCCESS);
    ASSERT_NE(key, 0u);
    EXPECT_EQ(registry_.SetValueEx(key, c.name, platform::kRegSz, c.data), ERROR_SUCCESS);
    EXPECT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);
    const Stored stored = Query(subKey, c.name);
    ASSERT_TRUE(stored.found) << c.name;
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << c.name;
    EXPECT_EQ(stored.bytes, c.data) << c.name;
  }
}

TEST_F(RegistryTest, OtherValuesOfTheKeySurvive) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, base_.c_str(), &key), ERROR_SUCCESS);
  const DWORD number = 42;
  ASSERT_EQ(RegSetValueExA(key, "Other", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&number), sizeof number),
            ERROR_SUCCESS);
  RegCloseKey(key);

  RegistryKey opened = 0;
  ASSERT_EQ(
      registry_.OpenKeyEx(platform::kHkeyCurrentUser, base_, KEY_SET_VALUE, &opened),
      ERROR_SUCCESS);
  EXPECT_EQ(registry_.SetValueEx(opened, "Mine", platform::kRegSz, std::string("x\0", 2)),
            ERROR_SUCCESS);
  EXPECT_EQ(registry_.CloseKey(opened), ERROR_SUCCESS);

  const Stored other = Query(base_, "Other");
  ASSERT_TRUE(other.found);
  EXPECT_EQ(other.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(other.bytes,
            std::string(reinterpret_cast<const char*>(&number), sizeof number));
  EXPECT_EQ(Query(base_, "Mine").bytes, std::string("x\0", 2));
}

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
  EXPECT_FALSE(Query(base_, "Mine").found);
}

}  // namespace
}  // namespace slotmate::win32
