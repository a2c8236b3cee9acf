#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_settings.h"

namespace slotmate::win32 {
namespace {

// An application name of this test program's own, removed afterwards.
class SettingsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + application_).c_str());
  }

  std::string KeyPath(const std::string& section) const {
    return "Software\\" + application_ + "\\" + section;
  }

  const std::string application_ =
      "SlotmateTests.Settings-" + std::to_string(GetCurrentProcessId());
  Win32SettingsStore settings_;
};

TEST_F(SettingsTest, RoundTripsTextAndKeepsTheOtherKeys) {
  struct Case {
    const char* key;
    std::string text;
  };
  EXPECT_EQ(settings_.Read(application_, "Options", "Path", "fallback"), "fallback");
  const Case cases[] = {
      {"Path", "C:\\Program Files\\Emulator\\cards"},
      {"Empty", ""},  // stored empty, not absent
      {"Long", std::string(1000, 'z')},
      {"Path", "overwritten"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(settings_.Write(application_, "Options", c.key, c.text)) << c.key;
    EXPECT_EQ(settings_.Read(application_, "Options", c.key, "fallback"), c.text)
        << c.key;
  }
  EXPECT_EQ(settings_.Read(application_, "Options", "Empty", "fallback"), "");
  EXPECT_EQ(settings_.Read(application_, "Options", "Long", "fallback"),
            std::string(1000, 'z'));
  EXPECT_EQ(settings_.Read(application_, "Elsewhere", "Path", "fallback"), "fallback");
  EXPECT_EQ(settings_.Read(application_, "Options", "Mode", "fallback"), "fallback");
}

TEST_F(SettingsTest, StoresTextAsAZeroTerminatedString) {
  ASSERT_TRUE(settings_.Write(application_, "Options", "Mode", "abc"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath("Options").c_str(), 0,
                          KEY_QUERY_VALUE, &key),
            ERROR_SUCCESS);
  char buffer[16];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Mode", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                             &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::string(buffer, size), std::string("abc\0", 4));
}

TEST_F(SettingsTest, ValuesThatAreNotTextReadAsTheFallback) {
  ASSERT_TRUE(settings_.Write(application_, "Options", "Keep", "kept"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath("Options").c_str(), 0, KEY_SET_VALUE,
                          &key),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegSetValueExA(key, "Binary", 0, REG_BINARY, reinterpret_cast<const BYTE*>("ab"), 2);
  // Written by another tool without its zero: still text.
  RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("xyz"), 3);
  RegCloseKey(key);
  EXPECT_EQ(settings_.Read(application_, "Options", "Number", "fallback"), "fallback");
  EXPECT_EQ(settings_.Read(application_, "Options", "Binary", "fallback"), "fallback");
  EXPECT_EQ(settings_.Read(application_, "Options", "Unterminated", "fallback"), "xyz");
  EXPECT_EQ(settings_.Read(application_, "Options", "Keep", "fallback"), "kept");
}

}  // namespace
}  // namespace slotmate::win32
