#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/folder_media.h"
#include "platform/win32/win32_media.h"
#include "test_scratch.h"

namespace slotmate::win32 {
namespace {

using testing::ScratchFolder;

const std::string kOpenE = "open E: Type cdaudio Alias cdvgs wait";
const std::string kStatus = "status cdvgs media present wait";
const std::string kClose = "close cdvgs";

struct MediaCase {
  const char* name;
  std::function<std::unique_ptr<platform::MediaControl>()> make;
};

void PrintTo(const MediaCase& c, std::ostream* out) { *out << c.name; }

class MediaCommandsTest : public ::testing::TestWithParam<MediaCase> {};

// E: holds one file, so both the real query and the folder one see a disc.
TEST_P(MediaCommandsTest, OpenStatusCloseOnTheCdromDrive) {
  auto media = GetParam().make();
  char reply[128] = {};
  ASSERT_EQ(media->SendString(kOpenE, reply, sizeof reply), 0u);
  std::memset(reply, 0, sizeof reply);
  EXPECT_EQ(media->SendString(kStatus, reply, sizeof reply), 0u);
  EXPECT_STREQ(reply, "true");
  EXPECT_EQ(media->SendString(kClose, reply, sizeof reply), 0u);
  // Closed: the alias is gone.
  EXPECT_NE(media->SendString(kStatus, reply, sizeof reply), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Both, MediaCommandsTest,
    ::testing::Values(
        MediaCase{"Real", [] { return std::make_unique<Win32MediaControl>(); }},
        MediaCase{"Folder", [] { return std::make_unique<FolderMediaControl>(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// F: is a CD-ROM folder that starts empty and is this test's alone.
class FolderMediaTest : public ::testing::Test {
 protected:
  void SetUp() override { ScratchFolder::RemoveTree("F:", true); }
  void TearDown() override { ScratchFolder::RemoveTree("F:", true); }

  std::string Status() {
    char reply[16];
    std::memset(reply, 'x', sizeof reply);
    EXPECT_EQ(media_.SendString(kStatus, reply, sizeof reply), 0u);
    return reply;
  }

  FolderMediaControl media_;
};

TEST_F(FolderMediaTest, SeesADiscComeAndGo) {
  char reply[16] = {};
  ASSERT_EQ(
      media_.SendString("open F: Type cdaudio Alias cdvgs wait", reply, sizeof reply),
      0u);
  struct Step {
    const char* action;
    std::function<bool()> act;
    const char* status;
  };
  const Step steps[] = {
      {"empty", [] { return true; }, "false"},
      {"add a file", [] { return testing::WriteFileBytes("F:\\GAME.BIN", "x"); }, "true"},
      {"remove it", [] { return DeleteFileA("F:\\GAME.BIN") != FALSE; }, "false"},
      {"add a folder", [] { return CreateDirectoryA("F:\\DATA", nullptr) != FALSE; },
       "true"},
      {"remove it", [] { return RemoveDirectoryA("F:\\DATA") != FALSE; }, "false"},
      {"add an empty file", [] { return testing::WriteFileBytes("F:\\EMPTY", ""); },
       "true"},
  };
  for (const auto& step : steps) {
    ASSERT_TRUE(step.act()) << step.action;
    EXPECT_EQ(Status(), step.status) << step.action;
  }
  EXPECT_EQ(media_.SendString(kClose, reply, sizeof reply), 0u);
}

TEST_F(FolderMediaTest, TruncatesTheReplyToTheBuffer) {
  char reply[8];
  ASSERT_EQ(media_.SendString(kOpenE, reply, sizeof reply), 0u);
  struct Case {
    unsigned length;
    const char* expected;  // nullptr: the buffer is left alone
  };
  for (const Case& c : {Case{5, "true"}, Case{3, "tr"}, Case{1, ""}, Case{0, nullptr}}) {
    std::memset(reply, 'x', sizeof reply);
    EXPECT_EQ(media_.SendString(kStatus, reply, c.length), 0u);
    if (c.expected != nullptr) {
      EXPECT_STREQ(reply, c.expected) << c.length;
    } else {
      EXPECT_EQ(reply[0], 'x');
    }
  }
  EXPECT_EQ(media_.SendString(kStatus, nullptr, 0), 0u);
}

TEST_F(FolderMediaTest, RefusesAnythingElseAndWritesNothing) {
  const char* const commands[] = {
      "",
      "open E: type cdaudio alias cdvgs wait",
      "open E:\\ Type cdaudio Alias cdvgs wait",
      "open E: Type cdaudio Alias cdvgs",
      "status cdvgs media present",
      "status cdvgs mode wait",
      "close all",
      "close cdvgs wait",
  };
  char reply[16];
  // Some commands are refused only while the alias is open, so try both ways;
  // status and close need it open.
  for (bool open : {false, true}) {
    std::vector<std::string> refused(std::begin(commands), std::end(commands));
    if (open) {
      ASSERT_EQ(media_.SendString(kOpenE, reply, sizeof reply), 0u);
    } else {
      refused.insert(refused.end(), {kStatus, kClose});
    }
    for (const std::string& command : refused) {
      std::memset(reply, 'x', sizeof reply);
      EXPECT_NE(media_.SendString(command, reply, sizeof reply), 0u) << command;
      EXPECT_EQ(reply[0], 'x') << command;
    }
  }
  EXPECT_NE(media_.SendString(kOpenE, reply, sizeof reply), 0u) << "already open";
}

}  // namespace
}  // namespace slotmate::win32
