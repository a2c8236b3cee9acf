#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/tray_icon.h"
#include "catalogue/catalogue.h"
#include "platform/platform.h"
#include "watch/card_switcher.h"
#include "watch/disc_watcher.h"
#include "watch/new_game.h"

namespace slotmate {

class formGame;

// The main window: the program's wiring. It owns the objects that do the
// work (the catalogue, the disc watcher, the card switcher, the tray icon,
// the game editor) and hands them the window's events; its list shows the
// catalogue.
class formSlotmate {
 public:
  explicit formSlotmate(platform::Platform& platform);
  ~formSlotmate();
  formSlotmate(const formSlotmate&) = delete;
  formSlotmate& operator=(const formSlotmate&) = delete;

  // Start-up. Returns false when the program must end at once (another
  // instance runs, or the machine has no CD-ROM drive).
  bool Form_Load();
  void Initialize();

  // --- Disc watcher and card switcher -------------------------------------
  static constexpr char kNoMediaControl[] =
      "The system's media control for CD-ROM drives could not be loaded, so Slotmate "
      "cannot see discs going in. Select in the game list still switches cards.";
  void Timer1_Timer();
  void MediaChanged(std::uint32_t unitMask, bool arrived);
  // The game of disc `id` selected and its card applied; a game without an
  // entry is added when "Add New Games" is checked.
  void SwitchCard(const std::string& id);

  // --- Catalogue ---------------------------------------------------------
  void LoadGames();
  void SaveGames();
  // The path of games.txt beside the executable.
  std::string CatalogueFilePath();

  // --- Catalogue window commands and find ---------------------------------
  void btnAdd_Click();
  void btnChange_Click();
  void btnDel_Click();
  void btnSelect_Click();
  void lstGames_Click();
  void lstGames_DblClick();
  void Form_KeyDown(int KeyCode, int Shift);
  void FindGame();
  void FindNext();

  // --- Tray shell and lifetime -------------------------------------------
  void Form_MouseMove(std::uint32_t notification);
  void mnuShow_Click();
  void mnuEnabled_Click();
  void mnuAddNewGames_Click();
  // Whether "Add New Games" is checked in the tray menu.
  bool AddingNewGames() const;
  void mnuAbout_Click();
  void lblCredits_Click();
  void mnuExit_Click();
  void Form_QueryUnload(bool& Cancel, platform::UnloadMode UnloadMode);
  void Form_Unload();
  // Runs the close request of `mode`; true when the window unloaded.
  bool Unload(platform::UnloadMode mode);

  // Shows the window in front (and the first time puts the focus on btnAdd).
  void ShowWindow();
  // The game editor, created on first use and then reused.
  formGame& GameEditor();

 private:
  // Every box of the program, the editor's included, opens through this: no
  // poll acts while one is open, and one acts when the last closes.
  class Boxes : public platform::Dialogs {
   public:
    Boxes(formSlotmate& form, platform::Dialogs& system) : form_(form), system_(system) {}
    int ShowMessage(platform::WindowHandle owner, const std::string& text,
                    const std::string& title, std::uint32_t style) override;
    std::string InputBox(platform::WindowHandle owner, const std::string& prompt,
                         const std::string& title,
                         const std::string& defaultText) override;
    int ShowOpenFileDialog(platform::OpenFileNameRecord& record) override;
    int open = 0;  // boxes open now

   private:
    template <class Box>
    auto Open(Box box);
    formSlotmate& form_;
    platform::Dialogs& system_;
  };
  // The catalogue as the game list shows it.
  class CatalogueRows : public platform::ListRows {
   public:
    explicit CatalogueRows(const Catalogue& catalogue) : catalogue_(catalogue) {}
    std::size_t Count() const override { return catalogue_.Count(); }
    const std::string& Line(std::size_t row) const override {
      return catalogue_.Line(row);
    }
    std::pair<std::string_view, std::string_view> Columns(
        std::size_t row) const override {
      return ListColumns(catalogue_.Line(row));
    }

   private:
    const Catalogue& catalogue_;
  };

  Boxes boxes_;
  // The system, with boxes_ for its dialogs. Declared before the controls
  // below, which are made from it.
  platform::Platform platform_;
  Catalogue catalogue_;
  CatalogueRows catalogueRows_{catalogue_};
  DiscWatcher watcher_;
  CardSwitcher switcher_;
  NewGames newGames_;
  TrayIcon tray_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<formGame> game_;
  std::string FindText;       // the last search text
  bool inTrayEvent_ = false;  // a tray notification is being handled
  bool shownOnce_ = false;
  bool polling_ = false;             // Timer1_Timer is running
  bool pollDue_ = false;             // a tick or announcement came during a box
  bool quitting_ = false;            // the window has unloaded
  std::uint32_t arrivedUnits_ = 0;   // drives announced as getting a disc meanwhile
  bool toldNoMediaControl_ = false;  // that the drives cannot be asked

  // Runs the poll that waited for the boxes, if one is due.
  void LastBoxClosed();
  // Adds the game of disc `id`, which has no entry.
  void AddNewGame(const std::string& id);
  void AddEntry(const CatalogueEntry& entry);
  // Points the emulator at the selected game's card. False when no game is
  // selected or its card does not exist (a card that could be created).
  bool ApplySelectedCard();
  // Tells what a poll's switch left undone, without a box.
  void TellSwitch(CardSwitcher::Applied applied, std::size_t entry);
  void SetListToolTip();
  int ShowMessage(const std::string& text, std::uint32_t style);
  void Inform(const std::string& text);
  // A Yes/No question whose default answer is No; true for Yes.
  bool AskDefaultNo(const std::string& question);

 public:
  // --- Controls, in creation order (the window owns them) -----------------
  platform::Window& window;
  platform::Button& btnSelect;
  platform::Timer& Timer1;
  platform::Button& btnDel;
  platform::Button& btnChange;
  platform::ListBox& lstGames;
  platform::Button& btnAdd;
  platform::Label& lblCredits;
  platform::PopupMenu& mnuMain;
};

}  // namespace slotmate
