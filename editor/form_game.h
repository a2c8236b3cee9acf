#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace slotmate {

class formSlotmate;

// The dialog that edits one catalogue entry. It owns only InsertPos and its
// boxes; on Save it writes the entry's line straight into the main window's
// list and marks the catalogue as changed.
class formGame {
 public:
  formGame(platform::Platform& platform, formSlotmate& main);
  ~formGame();
  formGame(const formGame&) = delete;
  formGame& operator=(const formGame&) = delete;

  // Negative: Save appends a new row; 0 or more: the row Save replaces.
  int InsertPos = -1;

  // Shows the dialog modally over the main window; returns when it closed.
  // The boxes start empty unless the caller filled them before.
  void ShowModal();

  // Writes a blank memory card at `filename`, creating its folders first,
  // unless a card is there. True when a card is there afterwards; false on
  // failure, with the system's reason in `why` when it gave one, and shows
  // nothing.
  bool CreateMemoryCard(const std::string& filename, std::string* why = nullptr);

  std::string OpenDialog(platform::Window& Form1, const std::string& Filter,
                         const std::string& Title, const std::string& InitDir);

  bool ValidateEntry();
  bool InvalidPath(const std::string& path);
  bool FileExists(const std::string& path);

  void txtTitle_GotFocus();
  void txtPath_GotFocus();
  void txtCode_GotFocus();
  void txtCode_KeyPress(std::int16_t& KeyAscii);
  void btnBrowse_Click();
  void btnCancel_Click();
  void btnSave_Click();
  void btnGet_Click();

 private:
  platform::Platform& platform_;
  formSlotmate& main_;
  std::unique_ptr<platform::Window> window_;
  bool toldNoFileDialog_ = false;  // that Browse has no dialog to open

  void ClearBoxes();
  int ShowMessage(const std::string& text, std::uint32_t style);
  // Shows why the entry is refused and puts the focus in the box to fix.
  bool Refuse(const std::string& text, platform::TextBox& box);

 public:
  // Controls, in creation order (the window owns them).
  platform::Window& window;
  platform::Button& btnGet;
  platform::Button& btnCancel;
  platform::Button& btnSave;
  platform::TextBox& txtCode;
  platform::Button& btnBrowse;
  platform::TextBox& txtPath;
  platform::TextBox& txtTitle;
  platform::Picture& Image1;
  platform::Label& lblCode;
  platform::Label& lblMemory;
  platform::Label& lblTitle;
};

}  // namespace slotmate
