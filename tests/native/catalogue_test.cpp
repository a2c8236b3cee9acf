#include <gtest/gtest.h>

#include "catalogue/catalogue_line.h"
#include "native/main_window_fixture.h"

namespace slotmate {

void PrintTo(const CatalogueEntry& entry, std::ostream* out) {
  *out << "{" << ::testing::PrintToString(entry.id) << ", "
       << ::testing::PrintToString(entry.title) << ", "
       << ::testing::PrintToString(entry.cardPath) << "}";
}

namespace {

using testing_support::kGames;
using testing_support::MainWindowTest;

struct LineCase {
  const char* name;
  std::string line;
  CatalogueEntry entry;
};

class CatalogueLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CatalogueLineTest, TakesTheFieldsOut) {
  EXPECT_EQ(ParseCatalogueLine(GetParam().line), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CatalogueLineTest,
    ::testing::Values(
        LineCase{"Regular",
                 "SLUS-00000 Some Game\tC:\\VGS\\Cards\\some game.mem",
                 {"SLUS-00000", "Some Game", "C:\\VGS\\Cards\\some game.mem"}},
        LineCase{"OuterSpacesGo",
                 "SLUS-00000   Some Game  \t  C:\\VGS\\Cards\\some game.mem  ",
                 {"SLUS-00000", "Some Game", "C:\\VGS\\Cards\\some game.mem"}},
        LineCase{"TabRightAfterTheSpace",
                 "SLUS-00000 \tC:\\a.mem",
                 {"SLUS-00000", "", "C:\\a.mem"}},
        LineCase{"TabRightAfterTheId", "SLUS-00000\tC:\\a.mem", {"SLUS-00000", "", ""}},
        LineCase{"NoTab", "SLUS-00000 Some Game", {"SLUS-00000", "", ""}},
        LineCase{"ShortLine", "SLUS-0", {"SLUS-0", "", ""}},
        LineCase{"EmptyLine", "", {"", "", ""}},
        LineCase{"SecondTabBelongsToThePath",
                 "SLUS-00000 Game\tC:\\a\tb.mem",
                 {"SLUS-00000", "Game", "C:\\a\tb.mem"}},
        LineCase{"OnlySpacesAreTrimmed",
                 "SLUS-00000  Game \t C:\\a.mem\t",
                 {"SLUS-00000", "Game", "C:\\a.mem\t"}}),
    [](const auto& info) { return info.param.name; });

struct TextCase {
  const char* name;
  std::string text;
  std::vector<std::string> rows;
};

class CatalogueTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CatalogueTextTest, SplitsIntoRows) {
  EXPECT_EQ(SplitCatalogueText(GetParam().text), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CatalogueTextTest,
    ::testing::Values(TextCase{"CrLf", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
                      TextCase{"LastLineWithoutEnd", "a\r\nb\r\nc", {"a", "b", "c"}},
                      TextCase{"CrOnly", "a\rb\r", {"a", "b"}},
                      TextCase{"LfOnlyIsOneRow", "a\nb\nc\n", {"a\nb\nc\n"}},
                      TextCase{
                          "BlankLinesStay", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
                      TextCase{"CrThenCrLf", "a\r\r\nb", {"a", "", "b"}},
                      TextCase{"Empty", "", {}}),
    [](const auto& info) { return info.param.name; });

TEST(CatalogueTextTest, EveryRowEndsWithCrLf) {
  EXPECT_EQ(JoinCatalogueText({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinCatalogueText({}), "");
}

// The catalogue is read from the program's folder, a drive root included;
// blank rows stay; a missing or empty one leaves the list without tooltip.
TEST_F(MainWindowTest, LoadsTheRowsFromTheProgramsFolderAndSetsTheToolTip) {
  struct Case {
    std::string folder;
    std::optional<std::string> text;
    std::vector<std::string> rows;
    std::string toolTip;
  };
  const Case cases[] = {
      {"C:\\Games\\Slotmate",
       "SLUS-00453 A\tC:\\a.mem\r\n\r\nSCUS-94491 B\tC:\\b.mem",
       {"SLUS-00453 A\tC:\\a.mem", "", "SCUS-94491 B\tC:\\b.mem"},
       "3 games listed"},
      {"D:\\",
       "SLUS-00453 A\tC:\\a.mem\r\n",
       {"SLUS-00453 A\tC:\\a.mem"},
       "1 games listed"},
      {"C:\\Games\\Slotmate", std::nullopt, {}, ""},
      {"C:\\Games\\Slotmate", "", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + " " + c.text.value_or("<none>"));
    fake.files.files.clear();
    fake.process.folder = c.folder;
    const std::string file =
        c.folder + (c.folder.ends_with('\\') ? "" : "\\") + "games.txt";
    if (c.text) fake.files.files[file] = *c.text;
    ASSERT_TRUE(Start());
    EXPECT_EQ(list().items, c.rows);
    EXPECT_EQ(list().toolTip, c.toolTip);
    EXPECT_FALSE(form->DataChanged);
  }
}

TEST_F(MainWindowTest, UnchangedCatalogueIsNotWrittenOnClose) {
  Catalogue("SLUS-00453 A\tC:\\a.mem\n");  // an LF-only file, kept as it is
  ASSERT_TRUE(Start());
  window().RequestClose(platform::UnloadMode::kUser);
  EXPECT_EQ(fake.files.replaces, 0);
  EXPECT_EQ(fake.files.files[kGames], "SLUS-00453 A\tC:\\a.mem\n");
}

TEST_F(MainWindowTest, ChangedCatalogueIsWrittenWholeWithCrLfAndOnlyOnce) {
  Catalogue("a\rb\n\r\nc");
  ASSERT_TRUE(Start());
  form->DataChanged = true;
  window().RequestClose(platform::UnloadMode::kUser);
  EXPECT_EQ(fake.files.files[kGames], "a\r\nb\n\r\nc\r\n");
  EXPECT_FALSE(form->DataChanged);
  window().RequestClose(platform::UnloadMode::kUser);
  EXPECT_EQ(fake.files.replaces, 1);
}

TEST_F(MainWindowTest, EmptiedCatalogueIsSavedAsZeroBytesAndLoadsAsMissing) {
  Catalogue("a\r\n");
  ASSERT_TRUE(Start());
  list().items.clear();
  form->DataChanged = true;
  form->SaveGames();
  EXPECT_EQ(fake.files.files[kGames], "");
  ASSERT_TRUE(Start());
  EXPECT_EQ(list().toolTip, "");
}

TEST_F(MainWindowTest, FailedSaveKeepsTheChangeAndTellsTheUser) {
  Catalogue("a\r\n");
  ASSERT_TRUE(Start());
  form->DataChanged = true;
  fake.files.failReplace = "Access is denied.";
  form->SaveGames();
  EXPECT_TRUE(form->DataChanged);
  EXPECT_EQ(fake.files.files[kGames], "a\r\n");
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  const auto& message = fake.dialogs.messages[0];
  EXPECT_EQ(message.title, "Slotmate");
  EXPECT_EQ(message.style, 0x40u);
  EXPECT_NE(message.text.find(kGames), std::string::npos);
  EXPECT_NE(message.text.find("Access is denied."), std::string::npos);
  // The next close request tries again.
  fake.files.failReplace.reset();
  window().RequestClose(platform::UnloadMode::kUser);
  EXPECT_FALSE(form->DataChanged);
  EXPECT_EQ(fake.files.replaces, 2);
}

TEST_F(MainWindowTest, MoreRowsThanA16BitCountLoadAndSaveWhole) {
  std::vector<std::string> rows;
  for (int i = 0; i < 40000; ++i)
    rows.push_back("SLUS-" + std::to_string(10000 + i) + " G");
  const std::string text = JoinCatalogueText(rows);
  Catalogue(text);
  ASSERT_TRUE(Start());
  EXPECT_EQ(list().Count(), 40000);
  EXPECT_EQ(list().toolTip, "40000 games listed");
  form->DataChanged = true;
  form->SaveGames();
  EXPECT_EQ(fake.files.files[kGames], text);
}

TEST_F(MainWindowTest, CardPathOfTheSelectedRow) {
  Catalogue("SLUS-00453 A\t  C:\\a.mem \r\nSLUS-00454\tC:\\b.mem\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(form->GetCardPath(), "");
  list().index = 0;
  EXPECT_EQ(form->GetCardPath(), "C:\\a.mem");
  list().index = 1;
  EXPECT_EQ(form->GetCardPath(), "");
}

}  // namespace
}  // namespace slotmate
