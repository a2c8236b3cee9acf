#include <gtest/gtest.h>

#include "native/main_window_fixture.h"
#include "registry/set_key_value.h"
#include "watch/key_string.h"

namespace slotmate {
namespace {

using platform::KeyEvent;
using testing_support::MainWindowTest;

constexpr char kEmulator[] = "Connectix Virtual Game Station";

std::vector<KeyEvent> EmulatorKeys() {
  using namespace platform;
  return {{kVkReturn, true}, {kVkReturn, false}, {kVkMenu, true},   {'E', true},
          {'E', false},      {kVkMenu, false},   {kVkUp, true},     {kVkUp, false},
          {kVkReturn, true}, {kVkReturn, false}, {kVkReturn, true}, {kVkReturn, false}};
}

class CardSwitcherTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Start());
    form->CurrentDrive = "E:";
    fake.files.files["E:\\system.cnf"] = testing_support::kBootSlus453;
    fake.journal.clear();
  }
  void Rows(std::vector<std::string> rows) { list().items = std::move(rows); }
};

TEST_F(CardSwitcherTest, WritesTheCardThenActivatesTheEmulatorThenSendsTheKeys) {
  Rows({"SCUS-94491 Other\tC:\\VGS\\other.mem",
        "SLUS-00453 Some Game\tC:\\VGS\\Some Game.mem"});
  Card("C:\\VGS\\Some Game.mem");
  fake.desktop.captions = {kEmulator};
  form->SwitchCard();
  EXPECT_EQ(list().index, 1);
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\Some Game.mem") + '\0');
  EXPECT_EQ(fake.registry.Find(testing_support::kCardsKey, "Bank 00 Slot 00")->type, 1u);
  EXPECT_EQ(fake.desktop.foreground, kEmulator);
  EXPECT_EQ(fake.desktop.keys, EmulatorKeys());
  const std::vector<std::string> order(fake.journal.end() - 3, fake.journal.end());
  EXPECT_EQ(order, (std::vector<std::string>{
                       "RegCloseKey", std::string("Activate ") + kEmulator, "SendKeys"}));
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(CardSwitcherTest, WithoutTheEmulatorWritesTheValueAndSendsNoKeys) {
  Rows({"SLUS-00453 Some Game\tC:\\VGS\\some.mem"});
  Card("C:\\VGS\\some.mem");
  form->SwitchCard();
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\some.mem") + '\0');
  EXPECT_TRUE(fake.desktop.keys.empty());
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

struct NoSwitchCase {
  const char* name;
  std::string row;
  int selected;                          // the row selected afterwards
  std::optional<std::size_t> cardBytes;  // the card file C:\VGS\some.mem
  std::string bootFile = testing_support::kBootSlus453;
};

class NoSwitchTest : public CardSwitcherTest,
                     public ::testing::WithParamInterface<NoSwitchCase> {};

TEST_P(NoSwitchTest, LeavesRegistryAndEmulatorAlone) {
  Rows({GetParam().row});
  if (GetParam().cardBytes) Card("C:\\VGS\\some.mem", *GetParam().cardBytes);
  fake.files.files["E:\\system.cnf"] = GetParam().bootFile;
  fake.desktop.captions = {kEmulator};
  form->SwitchCard();
  EXPECT_EQ(list().index, GetParam().selected);
  EXPECT_EQ(CardValue(), "<none>");
  EXPECT_TRUE(fake.desktop.keys.empty());
  EXPECT_TRUE(fake.desktop.foreground.empty());
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

const char kRow[] = "SLUS-00453 Some Game\tC:\\VGS\\some.mem";

INSTANTIATE_TEST_SUITE_P(
    Cases, NoSwitchTest,
    ::testing::Values(
        NoSwitchCase{"GameNotCatalogued", "SCUS-94491 Other\tC:\\VGS\\some.mem", -1,
                     131136},
        NoSwitchCase{"CardMissing", kRow, 0, std::nullopt},
        NoSwitchCase{"CardEmpty", kRow, 0, 0},
        NoSwitchCase{"RowWithoutCardPath", "SLUS-00453 Some Game", 0, 131136},
        NoSwitchCase{"NoBootLine", kRow, -1, 131136, ""},
        NoSwitchCase{"ShortIdMatchesNoRegularRow", kRow, -1, 131136, "BOOT = cdrom:\\S"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CardSwitcherTest, FirstOfTwoRowsWithTheIdWinsAndCaseIsIgnored) {
  Rows({"SCUS-94491 Other\tC:\\VGS\\other.mem", "slus-00453 First\tC:\\VGS\\first.mem",
        "SLUS-00453 Second\tC:\\VGS\\second.mem"});
  Card("C:\\VGS\\first.mem");
  Card("C:\\VGS\\second.mem");
  form->SwitchCard();
  EXPECT_EQ(list().index, 1);
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\first.mem") + '\0');
}

TEST_F(CardSwitcherTest, ApplyCardWithoutSelectionDoesNothing) {
  Rows({"SLUS-00453 Some Game\tC:\\VGS\\some.mem"});
  Card("C:\\VGS\\some.mem");
  EXPECT_FALSE(form->ApplyCard());
  EXPECT_EQ(CardValue(), "<none>");
}

TEST_F(CardSwitcherTest, FailedRegistryWriteStillActivatesAndSucceeds) {
  Rows({"SLUS-00453 Some Game\tC:\\VGS\\some.mem"});
  Card("C:\\VGS\\some.mem");
  fake.desktop.captions = {kEmulator + std::string(" - Running")};
  fake.registry.failSetValue = 5;
  list().index = 0;
  EXPECT_TRUE(form->ApplyCard());
  EXPECT_EQ(fake.desktop.keys, EmulatorKeys());
}

TEST(KeyStringTest, ReadsTheNotation) {
  EXPECT_EQ(ParseKeyString("~%(E){Up}~~"), EmulatorKeys());
  EXPECT_EQ(ParseKeyString(""), std::vector<KeyEvent>{});
  using platform::kVkMenu;
  EXPECT_EQ(ParseKeyString("%x"),
            (std::vector<KeyEvent>{
                {kVkMenu, true}, {'X', true}, {'X', false}, {kVkMenu, false}}));
  for (const char* bad : {"%(E", "{Down}", "%", "!", "%(E)}"})
    EXPECT_EQ(ParseKeyString(bad), std::nullopt) << bad;
}

// SetKeyValue against the in-memory registry.
class SetKeyValueTest : public ::testing::Test {
 protected:
  fakes::Journal journal;
  fakes::FakeRegistry registry{journal};
  bool Set(const std::string& value, const std::string& name = "Bank 00 Slot 00") {
    return SetKeyValue(registry, platform::kHkeyCurrentUser, kMemoryCardsKey,
                       platform::kRegSz, name, value);
  }
};

TEST_F(SetKeyValueTest, CreatesAMissingKeyAndStoresTheTextWithItsNul) {
  EXPECT_TRUE(Set("C:\\VGS\\abcdef.mem"));  // 17 characters
  const auto* value = registry.Find(kMemoryCardsKey, "Bank 00 Slot 00");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, 1u);
  EXPECT_EQ(value->data.size(), 18u);
  EXPECT_EQ(value->data, std::string("C:\\VGS\\abcdef.mem") + '\0');
  EXPECT_EQ(journal.front(),
            std::string("RegOpenKeyEx ") + kMemoryCardsKey + " access 63");
  EXPECT_EQ(journal[1], std::string("RegCreateKey ") + kMemoryCardsKey);
  EXPECT_EQ(registry.openHandles, 0);
}

TEST_F(SetKeyValueTest, ReplacesTheValueAndKeepsTheOthers) {
  Set("C:\\a.mem");
  Set("x", "Bank 00 Slot 01");
  journal.clear();
  EXPECT_TRUE(Set("C:\\b.mem"));
  EXPECT_EQ(registry.Find(kMemoryCardsKey, "Bank 00 Slot 00")->data,
            std::string("C:\\b.mem") + '\0');
  EXPECT_EQ(registry.Find(kMemoryCardsKey, "Bank 00 Slot 01")->data,
            std::string("x") + '\0');
  EXPECT_EQ(std::count(journal.begin(), journal.end(),
                       std::string("RegCreateKey ") + kMemoryCardsKey),
            0);
  EXPECT_TRUE(Set(""));  // empty text is one NUL byte
  EXPECT_EQ(registry.Find(kMemoryCardsKey, "Bank 00 Slot 00")->data,
            std::string(1, '\0'));
}

TEST_F(SetKeyValueTest, FailedWriteIsFalseAndStillClosesTheKey) {
  registry.failSetValue = 5;
  EXPECT_FALSE(Set("C:\\a.mem"));
  EXPECT_EQ(registry.openHandles, 0);
  EXPECT_EQ(journal.back(), "RegCloseKey");
}

}  // namespace
}  // namespace slotmate
