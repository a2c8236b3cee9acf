#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/win32/win32_files.h"
#include "test_scratch.h"

namespace slotmate::win32 {
namespace {

using testing::EntriesOf;
using testing::ReadFileBytes;
using testing::ScratchFolder;
using testing::WriteFileBytes;

class FilesTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  Win32Files files_;
};

TEST_F(FilesTest, LengthOnlyForFilesThatCanBeReached) {
  ASSERT_TRUE(WriteFileBytes(folder_ / "empty.mcr", ""));
  ASSERT_TRUE(WriteFileBytes(folder_ / "card.mcr", std::string(131072, '\0')));
  ASSERT_TRUE(CreateDirectoryA((folder_ / "sub").c_str(), nullptr));
  struct Case {
    std::string path;
    std::optional<std::uint64_t> length;
  };
  const Case cases[] = {
      {folder_ / "empty.mcr", 0},
      {folder_ / "card.mcr", 131072},
      {folder_ / "missing.mcr", std::nullopt},
      {folder_ / "no-folder\\card.mcr", std::nullopt},
      {folder_ / "sub", std::nullopt},  // a folder is not a file
      {"Q:\\card.mcr", std::nullopt},   // no such drive
      {folder_ / "bad<name>.mcr", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(files_.Length(c.path), c.length) << c.path;
}

TEST_F(FilesTest, ReadGivesAtMostTheBytesAskedFor) {
  const std::string bytes("MC\0\x01\xFFtail", 9);
  std::string big(200000, '\0');  // more than one buffer
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(WriteFileBytes(folder_ / "card.mcr", bytes));
  ASSERT_TRUE(WriteFileBytes(folder_ / "big.bin", big));
  ASSERT_TRUE(WriteFileBytes(folder_ / "empty.mcr", ""));
  struct Case {
    std::string path;
    std::size_t maxBytes;
    std::optional<std::string> result;
  };
  const Case cases[] = {
      {folder_ / "card.mcr", 2, bytes.substr(0, 2)},
      {folder_ / "card.mcr", 9, bytes},
      {folder_ / "card.mcr", 1000, bytes},
      {folder_ / "card.mcr", 0, ""},
      {folder_ / "empty.mcr", 10, ""},
      {folder_ / "big.bin", 1 << 20, big},
      {folder_ / "big.bin", 70000, big.substr(0, 70000)},
      {folder_ / "missing.mcr", 10, std::nullopt},
      {"Q:\\card.mcr", 10, std::nullopt},
      {"", 10, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(files_.Read(c.path, c.maxBytes), c.result) << c.path << " " << c.maxBytes;
  }
}

TEST_F(FilesTest, ReplaceWholeSwapsInTheNewBytesAndLeavesNothingBehind) {
  struct Case {
    const char* what;
    std::optional<std::string> before;  // nullopt: no file yet
    std::string after;
  };
  const Case cases[] = {
      {"longer", std::string("old"), std::string("new card \0 bytes", 16)},
      {"shorter", std::string(131072, 'x'), "y"},
      {"emptied", std::string("old"), ""},
      {"created", std::nullopt, "fresh"},
  };
  for (const auto& c : cases) {
    ScratchFolder::RemoveTree(folder_.Path(), true);
    const std::string path = folder_ / "card.mcr";
    if (c.before) {
      ASSERT_TRUE(WriteFileBytes(path, *c.before)) << c.what;
    }
    EXPECT_EQ(files_.ReplaceWhole(path, c.after), std::nullopt) << c.what;
    EXPECT_EQ(ReadFileBytes(path), c.after) << c.what;
    EXPECT_EQ(EntriesOf(folder_.Path()), std::vector<std::string>{"card.mcr"}) << c.what;
  }
}

TEST_F(FilesTest, ReplaceWholeFailsWithAReasonAndChangesNothing) {
  const std::string readOnly = folder_ / "locked.mcr";
  ASSERT_TRUE(WriteFileBytes(readOnly, "keep me"));
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryA((folder_ / "sub").c_str(), nullptr));
  struct Case {
    std::string path;
    std::function<void()> check;
  };
  const Case cases[] = {
      {readOnly, [&] { EXPECT_EQ(ReadFileBytes(readOnly), "keep me"); }},
      {folder_ / "no-folder\\card.mcr", [] {}},
      {folder_ / "sub", [&] { EXPECT_EQ(EntriesOf(folder_ / "sub").size(), 0u); }},
      {"Q:\\card.mcr", [] {}},
      {"", [] {}},
  };
  for (const auto& c : cases) {
    const auto reason = files_.ReplaceWhole(c.path, "new bytes");
    ASSERT_TRUE(reason.has_value()) << c.path;
    EXPECT_FALSE(reason->empty()) << c.path;
    c.check();
    EXPECT_EQ(EntriesOf(folder_.Path()), (std::vector<std::string>{"locked.mcr", "sub"}))
        << "left behind after " << c.path;
  }
  EXPECT_EQ(GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST_F(FilesTest, MakeSureDirectoryPathExistsCreatesEveryFolderBeforeTheLastBackslash) {
  struct Case {
    std::string path;
    std::string mustBeFolder;
    std::string mustNotExist;
  };
  const Case cases[] = {
      {folder_ / "a\\b\\c\\card.mcr", folder_ / "a\\b\\c", folder_ / "a\\b\\c\\card.mcr"},
      {folder_ / "d\\e\\", folder_ / "d\\e", ""},
      {folder_ / "a\\b\\again.mcr", folder_ / "a\\b", folder_ / "a\\b\\again.mcr"},
      {folder_ / "f/g/card.mcr", folder_ / "f\\g", folder_ / "f\\g\\card.mcr"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(files_.MakeSureDirectoryPathExists(c.path)) << c.path;
    const DWORD attributes = GetFileAttributesA(c.mustBeFolder.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_DIRECTORY))
        << c.mustBeFolder;
    if (!c.mustNotExist.empty()) {
      EXPECT_EQ(GetFileAttributesA(c.mustNotExist.c_str()), INVALID_FILE_ATTRIBUTES)
          << c.mustNotExist;
    }
  }
  EXPECT_FALSE(files_.MakeSureDirectoryPathExists("Q:\\nowhere\\card.mcr"));
}

TEST(SystemErrorTextTest, GivesTheSystemsWordsWithoutTheFullStop) {
  for (const DWORD code : {ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_NOT_READY}) {
    const std::string text = SystemErrorText(code);
    ASSERT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), '.') << text;
    EXPECT_NE(text.back(), ' ') << text;
  }
  EXPECT_NE(SystemErrorText(ERROR_ACCESS_DENIED), SystemErrorText(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(SystemErrorText(0x3FFFFFFF), "Error 1073741823");
}

}  // namespace
}  // namespace slotmate::win32
