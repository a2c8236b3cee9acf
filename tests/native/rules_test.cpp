// The program's text rules, one table each.

#include "catalogue/catalogue_line.h"
#include "editor/entry_rules.h"
#include "editor/open_file_record.h"
#include "editor/pattern.h"
#include "native/machine.h"
#include "watch/key_string.h"

namespace slotmate {
namespace {

TEST(Rules, GameIdFromTheBootFile) {
  const std::pair<std::string, std::string> rows[] = {
      {kBoot, "SLUS-00453"},
      {"boot\t= CDROM:\\sles_012.34;1", "SLES-01234"},
      {"BOOT = cdrom:SLPS-012.34", "SLPS-01234"},
      {"cdrom:\\SLUS_004.53;1\r\n", "SLUS-00453"},
      {"BOOT = cdrom:\\GAMES\\SLUS_004.53;1", "SLUS-00453"},
      {"BOOT = cdrom:\\SLUS_004.53 \\ARG", "SLUS-00453"},
      {"BOOT = cdrom:\\SLUS_004.53\n\\TCB", "SLUS-00453"},        // an LF ends the path
      {"TCB = 4\nBOOT = cdrom:\\SLUS_004.53;1\n", "SLUS-00453"},  // but not the line
      {"BOOT = cdrom:\\SLUS_004.53;1\rX", "SLUS-00453"},
      {"TCB = 4\r\nBOOT = cdrom:\\SLUS_004.53;1\r\n", ""},
      {"BOOT = cdrom0:\\SLUS_004.53;1", ""},
      {"BOOT = cdrom:\\PAX.EXE;1", ""},
      {"BOOT = cdrom:\\S", "S-"},
      {std::string(65536, ' ') + "BOOT = cdrom:\\SLUS_004.53;1", ""},  // past 64 KiB
  };
  fakes::FakeSystem disk;
  for (const auto& [boot, id] : rows) {
    disk.files["E:\\system.cnf"] = boot;
    EXPECT_EQ(GetID(disk, "E:"), id) << boot;
  }
}

TEST(Rules, CatalogueLines) {
  const std::pair<std::string, CatalogueEntry> lines[] = {
      {"SLUS-00000 \tC:\\a.mem", {"SLUS-00000", "", "C:\\a.mem"}},
      {"SLUS-00000\tC:\\a.mem", {"SLUS-00000", "", ""}},
      {"SLUS-0", {"SLUS-0", "", ""}},
      {"SLUS-00000 Game\tC:\\a\tb.mem", {"SLUS-00000", "Game", "C:\\a\tb.mem"}},
      {"SLUS-00000  Game \t C:\\a.mem\t", {"SLUS-00000", "Game", "C:\\a.mem\t"}}};
  for (const auto& [line, entry] : lines)
    EXPECT_TRUE(ParseCatalogueLine(line) == entry) << line;
  // The list's two columns: before and after the first TAB.
  EXPECT_EQ(ListColumns("a b\tC:\\a\tb"), std::pair("a b"sv, "C:\\a\tb"sv));
  EXPECT_EQ(ListColumns("a b"), std::pair("a b"sv, ""sv));
  // clang-format off
  const std::pair<std::string, Rows> texts[] = {
      {"a\r\nb\r\nc\r\n", {"a", "b", "c"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a\nb\n"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"a\r\r\nb", {"a", "", "b"}}, {"", {}}};
  // clang-format on
  for (const auto& [text, rows] : texts) EXPECT_EQ(SplitCatalogueText(text), rows);
}

TEST(Rules, CardPaths) {
  EXPECT_EQ(entry::ProposedCardPath("a;b:c<d>e|f?g*h\"i/ j"),
            "C:\\VGS\\abcdefghi/ j.mem");
  // clang-format off
  const std::pair<std::string, bool> rows[] = {
      {"C:\\VGS\\game.mem", false}, {"C:\\My Cards\\a.MEM", false}, {"C:\\a:\\b.mem", false},
      {"", true}, {"C:\\\\VGS\\a.mem", true}, {"\\\\server\\share\\a.mem", true},
      {"C:a.mem", true}, {"a.mem", true}, {"::\\a.mem", true}, {"C:\\VGS\\a.txt", true},
      {" C:\\a.mem", true}, {"C:\\a.mem ", true}, {"C:\\a;.mem", true}};
  // clang-format on
  for (const auto& [path, invalid] : rows) EXPECT_EQ(entry::InvalidPath(path), invalid);
}

TEST(Rules, Patterns) {
  // clang-format off
  const std::tuple<std::string, std::string_view, bool> rows[] = {
      {"", "", true}, {"a", "", false}, {"", "a", false}, {"", "?", false}, {"", "**", true},
      {"abc", "abc", true}, {"abcd", "abc", false}, {"ABC", "abc", false},
      {"abc", "a?c", true}, {"ac", "a?c", false}, {"ac", "a*c", true}, {"a-long-c", "a*c", true},
      {"abcbcd", "a*bcd", true}, {"abcbce", "a*bcd", false},
      {"xaybzc", "*a*b*c", true}, {"xbyazc", "*a*b*c", false},
      {"aab", "aa*ab", false},
      {"9", "[0-9]", true}, {"A", "[0-9]", false}, {"-", "[0-9]", false}, {"x", "[0-9x]", true},
      {"M", "[a-z]", false}, {"LC", "[LC]", false}, {"-", "[a-]", true}, {"[a", "[a", true},
      {"]", "[]]", false}, {"]", "[a]", false}, {"[", "[]", false},
      {"x:\\a\\b7", "?:\\*[0-9]", true},
      // The pattern ends with its view.
      {"ab", std::string_view("a*", 1), false}, {"ab", std::string_view("a*b", 2), true},
      {"aba", std::string_view("*a*", 2), true}};
  // clang-format on
  for (const auto& [text, pattern, matches] : rows)
    EXPECT_EQ(MatchesPattern(text, pattern), matches) << text << " ~ " << pattern;
}

// Key presses written as "key+" (down) and "key-" (up); "none" for a refused string.
TEST(Rules, KeyStrings) {
  auto keys = [](const char* notation) {
    std::string text = ParseKeyString(notation) ? "" : "none";
    for (auto [key, down] :
         ParseKeyString(notation).value_or(std::vector<platform::KeyEvent>{})) {
      auto named = [&](const auto& name) { return name.second == key; };
      text +=
          std::find_if(kKeys.begin(), kKeys.end(), named)->first + (down ? "+ " : "- ");
    }
    return text;
  };
  EXPECT_EQ(keys("~%(E){Up}~~"),
            "Enter+ Enter- Alt+ E+ E- Alt- Up+ Up- Enter+ Enter- Enter+ Enter- ");
  EXPECT_EQ(keys("%x"), "Alt+ X+ X- Alt- ");
  for (const char* bad : {"%(E", "{Down}", "%", "%%", "!", "%(E)}"})
    EXPECT_EQ(keys(bad), "none");
}

// The file dialog itself is seen under Wine.
TEST(Rules, OpenFileDialogFilter) {
  EXPECT_EQ(DialogFilter("a|b") + DialogFilter("a|b|"), "a\0b\0\0a\0b\0\0"s);
}

}  // namespace
}  // namespace slotmate
