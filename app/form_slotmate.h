#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace slotmate {

class formGame;

// The main window: the program itself. It owns the catalogue (the rows of
// lstGames), the disc watcher's state, the tray icon and the game editor.
// Its procedures are spread over the folders of their subsystems: start-up
// and the tray shell in app/, the disc watcher and card switcher in watch/,
// the catalogue file and commands in catalogue/. That is why those folders,
// and the game editor that reads and changes the rows, include this header
// from app/; nothing else below app/ does.
class formSlotmate {
 public:
  explicit formSlotmate(platform::Platform& platform);
  ~formSlotmate();
  formSlotmate(const formSlotmate&) = delete;
  formSlotmate& operator=(const formSlotmate&) = delete;

  // Start-up. Returns false when the program must end at once (another
  // instance runs, or the machine has no CD-ROM drive).
  bool Form_Load();

  // --- Member variables --------------------------------------------------
  bool DataChanged = false;           // the rows differ from games.txt
  bool MediaPresent = false;          // "media present" of the drive being polled
  bool DiscSeen = false;              // the previous poll found a disc
  std::string CurrentDrive;           // "E:" — root of the drive being examined
  std::vector<std::string> CdDrives;  // CD-ROM roots, highest letter first
  std::int32_t RetVal = 0;            // scratch number
  bool TrayHidden = false;            // the tray icon has not been added
  platform::NotifyIconData TrayIcon;  // filled once by Initialize
  std::string FindText;               // the last search text
  bool InTrayEvent = false;           // a tray notification is being handled

  // --- Start-up ----------------------------------------------------------
  void Initialize();
  bool FileExists(const std::string& path);

  // --- Disc watcher and card switcher -------------------------------------
  static constexpr char kNoMediaControl[] =
      "The system's media control for CD-ROM drives could not be loaded, so Slotmate "
      "cannot see discs going in. Select in the game list still switches cards.";
  void Timer1_Timer();
  void MediaChanged(std::uint32_t unitMask, bool arrived);
  std::string GetID();
  void SwitchCard();
  // Points the emulator at the selected game's card. False when no game is
  // selected or its card does not exist (a card that could be created); a
  // setting that cannot be written is reported to the user, not here.
  bool ApplyCard();
  // A disc whose game is not listed, while "Add New Games" is checked: the
  // game gets a row and a card of its own, and the player a balloon.
  void AddNewGame(const std::string& id);

  // --- Catalogue ---------------------------------------------------------
  void LoadGames();
  void SaveGames();
  std::string GetCardPath();
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
  // Explorer restarted: the tray lost its icons.
  void TaskbarCreated();

  // Shows the window in front (and the first time puts the focus on btnAdd).
  void ShowWindow();
  // The game editor, created on first use and then reused.
  formGame& GameEditor();

 private:
  // Every box of the program, the editor's included, opens through this: no
  // poll runs while one is open, and one that was due runs when the last
  // closes.
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
  Boxes boxes_;
  // The system, with boxes_ for its dialogs. Declared before the controls
  // below, which are made from it.
  platform::Platform platform_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<formGame> game_;
  bool shownOnce_ = false;
  bool nudgedEmulator_ = false;       // keys have been sent to the emulator
  bool catalogueIncomplete_ = false;  // games.txt could not be read whole
  bool polling_ = false;              // Timer1_Timer is running
  bool pollDue_ = false;              // a tick or announcement came during a box
  bool quitting_ = false;             // the window has unloaded
  std::uint32_t arrivedUnits_ = 0;    // drives announced as getting a disc meanwhile
  bool toldNoNewGames_ = false;       // that no new games are added in this run
  bool toldNoMediaControl_ = false;   // that the drives cannot be asked
  std::deque<std::string> untold_;    // failures no balloon could tell, once each
  // Each drive's last answer to the media query: a drive that does not
  // answer keeps its own, never another drive's.
  std::map<std::string, bool> driveHasMedia_;

  // One pass over the drives, for Timer1_Timer; a disc in a drive of
  // `arrived` (one bit a drive, A: first) counts as newly put in. Without
  // `act` a new disc is left new: nothing is switched or added.
  void PollDrives(std::uint32_t arrived, bool act);
  // Runs the poll that waited for the boxes, if one is due.
  void LastBoxClosed();
  // Tells of a failure without a box, which would take the focus from a game
  // that is starting and hold up the watcher.
  void Warn(const std::string& text);
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
