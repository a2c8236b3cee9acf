#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace slotmate {

// The dialog that edits one catalogue entry and hands it back; Get it! reads
// the ID of the disc in the drive through `discId`.
class formGame {
 public:
  formGame(platform::Platform& platform, platform::Window& owner,
           const Catalogue& catalogue, std::function<std::string()> discId);
  ~formGame();
  formGame(const formGame&) = delete;
  formGame& operator=(const formGame&) = delete;

  // Shows the dialog modally over its owner with `entry` in its boxes (a new
  // game's are empty); returns the entry saved, or nothing when cancelled.
  std::optional<CatalogueEntry> Edit(const CatalogueEntry& entry);

  std::string OpenDialog(platform::Window& Form1, const std::string& Filter,
                         const std::string& Title, const std::string& InitDir);

  bool ValidateEntry();
  bool InvalidPath(const std::string& path);

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
  platform::Window& owner_;
  const Catalogue& catalogue_;
  std::function<std::string()> discId_;
  std::optional<CatalogueEntry> saved_;
  std::unique_ptr<platform::Window> window_;
  bool toldNoFileDialog_ = false;  // that Browse has no dialog to open

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
