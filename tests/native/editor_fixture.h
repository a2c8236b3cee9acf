#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"

namespace slotmate {

// The main window with its game editor, on fakes.
class EditorTest : public testing::Test {
 protected:
  fakes::FakePlatform fp;
  formSlotmate main{fp.platform};
  formGame& game = main.GameEditor();
  fakes::FakeWindow& dialog = fp.toolkit.window("formGame");
  fakes::FakeTextBox& title = dialog.textBox("txtTitle");
  fakes::FakeTextBox& code = dialog.textBox("txtCode");
  fakes::FakeTextBox& path = dialog.textBox("txtPath");
  fakes::FakeListBox& games = fp.toolkit.window("formSlotmate").listBox("lstGames");

  void Fill(const std::string& t, const std::string& c, const std::string& p) {
    title.SetText(t);
    code.SetText(c);
    path.SetText(p);
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : fp.dialogs.messages) texts.push_back(m.text);
    return texts;
  }

  // Every message box of the editor belongs to it and carries the program's title.
  void ExpectMessagesOwnedByTheEditor() const {
    for (const auto& m : fp.dialogs.messages) {
      EXPECT_EQ(m.title, "Slotmate") << m.text;
      EXPECT_EQ(m.owner, dialog.handle) << m.text;
    }
  }
};

}  // namespace slotmate
