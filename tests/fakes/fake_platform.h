#pragma once

// The system in memory: one fake answers every system interface as a test
// scripted it, one fake control stands for every kind of control, and what
// the program does that a user would notice is written to one journal, `log`.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/platform.h"

namespace slotmate::fakes {

using namespace platform;
using Str = const std::string&;
using Handler = std::function<void()>;
using Log = std::vector<std::string>;

struct FakeControl : Button, Label, Picture, TextBox, ListBox, Timer, PopupMenu {
  FakeControl(Str name, Log& log) : name(name), log(log) {}
  std::string name, text, tip;
  Log& log;
  bool enabled = true;
  int index = -1;
  const ListRows* rows = nullptr;     // what a list shows, kept by the program
  Log shown;                          // a list's rows, as it was told of them
  std::vector<bool> checks;           // the items of a menu
  std::map<std::string, Handler> on;  // by event: "click", "focus", "tick", "3" (item)
  std::function<void(std::int16_t&)> keyPress;
  Handler whileOpen;  // the user's actions while the menu is open

  // The user clicks, double-clicks or chooses; a timer ticks. Not when disabled.
  void Fire(Str event) {
    if (enabled && on[event]) on[event]();
  }
  // The key the box takes when the user types `key`.
  std::int16_t Press(std::int16_t key) {
    keyPress(key);
    return key;
  }

  void SetText(Str t) override { text = t; }
  std::string Text() const override { return text; }
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void SetFocus() override {
    log.push_back("focus " + name);
    Fire("focus");
  }
  void OnClick(Handler h) override { on["click"] = h; }
  void SetSelection(int start, int n) override {
    log.push_back(start == 0 && n == int(text.size()) ? "all selected" : "part selected");
  }
  int SelectionStart() const override { return 0; }
  int SelectionLength() const override { return 0; }
  void OnGotFocus(Handler h) override { on["focus"] = h; }
  void OnKeyPress(std::function<void(std::int16_t&)> h) override { keyPress = h; }
  // Whatever the program told it, the list shows what the program keeps.
  void Told() {
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (rows->Count() != shown.size() || rows->Line(i) != shown[i])
        return log.push_back("the list shows other rows than the program keeps");
  }
  void ShowRows(const ListRows& kept) override {
    rows = &kept;
    index = -1;
    shown.clear();
    for (std::size_t i = 0; i < kept.Count(); ++i) shown.push_back(kept.Line(i));
  }
  void RowAdded() override {
    shown.push_back(rows->Line(rows->Count() - 1));
    log.push_back("add " + shown.back());
    Told();
  }
  void RowChanged(int i) override {
    shown.at(std::size_t(i)) = rows->Line(std::size_t(i));
    log.push_back("row " + std::to_string(i) + " " + shown[std::size_t(i)]);
    Told();
  }
  void RowRemoved(int i) override {
    log.push_back("remove " + std::to_string(i));
    shown.erase(shown.begin() + i);
    if (index == i) index = -1;
    if (index > i) --index;
    Told();
  }
  int ListIndex() const override { return index; }
  void SetListIndex(int i) override {
    if (i >= int(shown.size())) throw std::out_of_range("no such row");
    index = i;
    log.push_back(i < 0 ? "select none" : "select " + std::to_string(i));
    Fire("click");
  }
  void SetToolTip(Str t) override {
    tip = t;
    log.push_back("tip " + t);
  }
  std::string ToolTip() const override { return tip; }
  void OnDblClick(Handler h) override { on["dblclick"] = h; }
  void OnTimer(Handler h) override { on["tick"] = h; }
  void SetChecked(int item, bool c) override { checks.at(item) = c; }
  bool Checked(int item) const override { return checks.at(item); }
  void OnClick(int item, Handler h) override { on[std::to_string(item)] = h; }
  void Popup() override {
    log.push_back("menu");
    if (whileOpen) whileOpen();
  }
};

struct FakeWindow : Window {
  using Script = std::function<void(FakeWindow&)>;
  FakeWindow(WindowHandle h, Log& log, const Script& s)
      : handle(h), log(log), whileModal(s) {}
  WindowHandle handle;
  Log& log;
  const Script& whileModal;  // the user's actions while it is shown modally
  bool visible = false, modal = false;
  std::map<std::string, std::unique_ptr<FakeControl>> controls;
  std::function<void(int, int)> keyDown;
  std::function<void(std::uint32_t)> mouseMove;
  std::function<bool(UnloadMode)> closeRequest;
  Handler taskbarCreated;
  std::function<void(std::uint32_t, bool)> mediaChange;

  bool RequestClose(UnloadMode mode) {
    if (!closeRequest(mode)) return false;
    log.push_back("closed");
    Close();
    return true;
  }
  FakeControl& Add(Str name) {
    return *(controls[name] = std::make_unique<FakeControl>(name, log));
  }
  WindowHandle Handle() const override { return handle; }
  IconHandle Icon() const override { return 0x1C0; }
  Button& AddButton(const ButtonSpec& s) override { return Add(s.name); }
  Label& AddLabel(const LabelSpec& s) override { return Add(s.name); }
  TextBox& AddTextBox(const TextBoxSpec& s) override { return Add(s.name); }
  ListBox& AddListBox(const ControlSpec& s) override { return Add(s.name); }
  Picture& AddPicture(const PictureSpec& s) override { return Add(s.name); }
  Timer& AddTimer(Str name, unsigned, bool on) override {
    FakeControl& timer = Add(name);
    timer.enabled = on;
    return timer;
  }
  PopupMenu& AddPopupMenu(Str name, const std::vector<MenuItemSpec>& items) override {
    FakeControl& menu = Add(name);
    for (const auto& item : items) menu.checks.push_back(item.checked);
    return menu;
  }
  void Show() override {
    log.push_back("show");
    visible = true;
  }
  void ShowInactive() override {
    log.push_back("show behind");
    visible = true;
  }
  void Hide() override {
    log.push_back("hide");
    visible = false;
  }
  bool Visible() const override { return visible; }
  void ShowModal(Window&) override {
    log.push_back("editor");
    visible = true;
    modal = true;
    if (whileModal) whileModal(*this);
    // What the script leaves open, the user closes with the close box.
    if (modal && !RequestClose(UnloadMode::kUser)) throw std::logic_error("stays open");
  }
  void Close() override {
    visible = false;
    modal = false;
  }
  void OnKeyDown(std::function<void(int, int)> h) override { keyDown = h; }
  void OnMouseMove(std::function<void(std::uint32_t)> h) override { mouseMove = h; }
  void OnCloseRequest(std::function<bool(UnloadMode)> h) override { closeRequest = h; }
  void OnTaskbarCreated(Handler h) override { taskbarCreated = h; }
  void OnMediaChange(std::function<void(std::uint32_t, bool)> h) override {
    mediaChange = h;
  }
};

inline FakeWindow& Fake(Window& window) { return static_cast<FakeWindow&>(window); }
template <class Control>
FakeControl& Fake(Control& control) {
  return static_cast<FakeControl&>(control);
}

// clang-format off
struct FakeSystem : Drives, MediaControl, Keyboard, Tray, Registry, SettingsStore,
                    Dialogs, Desktop, Files, Process, Locale, Toolkit {
  // clang-format on
  Log log;
  std::map<std::string, unsigned> drives;    // "E:\" -> kDriveCdrom
  std::map<std::string, std::string> media;  // "E:" -> its status reply; none: no reply
  std::map<std::string, std::string> files;  // full path -> bytes
  std::optional<std::string> failWrites;     // why every file write fails
  std::size_t readFailsAt = std::string::npos;  // bytes every read gets before failing
  bool outOfMemory = false;                     // every read throws
  std::set<std::string> locked;                 // files that cannot even be examined
  std::set<std::string> folders;                // that exist
  std::set<std::string> keys;                   // registry keys
  std::map<std::string, std::string> registry;  // "key\value" -> bytes
  std::map<std::string, std::string> settings;  // "Slotmate\Settings\Hidden" -> text
  long failSetValue = 0;
  // The handles not yet closed, each with the rights it was opened with.
  std::map<RegistryKey, std::uint32_t> openKeys;
  int windowsMade = 0;
  bool shift = false, anotherInstance = false;
  bool shiftPressed = false;               // since the last query of its state
  bool noTray = false, iconShown = false;  // the shell's tray; the icon in it
  bool noSystemDlls = false;               // winmm and comdlg32 cannot be loaded
  std::string folder = "C:\\Slotmate";
  std::vector<std::string> windows;  // the captions of other programs' windows
  NotifyIconData icon;               // the last record given to the tray
  std::deque<int> answers;           // to message boxes; else Enter: the default button
  std::deque<std::string> typed;     // in input boxes; "" is Cancel
  std::optional<std::string> chosenFile;  // in the open dialog; nullopt: Cancel
  FakeWindow::Script whileModal;          // the user's actions in a modal window
  Handler whileBox;                       // the user's or clock's, at the next box
  Platform platform{*this, *this, *this, *this, *this, *this,
                    *this, *this, *this, *this, *this, *this};

  unsigned DriveType(Str r) override { return drives.contains(r) ? drives[r] : 1; }
  // A poll opens the drive as cdvgs, asks for its media and closes cdvgs (then
  // journaled). As in MCI, a held alias cannot be opened again.
  std::uint32_t SendString(Str command, char* reply, unsigned length) override {
    if (noSystemDlls) return kMciCannotLoadDriver;
    const std::string drive = command.starts_with("open ") ? command.substr(5, 2) : "";
    if (command == "open " + drive + " Type cdaudio Alias cdvgs wait") {
      if (held_) return kDuplicateAlias;
      held_ = drive;
      std::snprintf(reply, length, "1");
      return 0;
    }
    if (command == "status cdvgs media present wait" && held_ && media.contains(*held_)) {
      std::snprintf(reply, length, "%s", media[*held_].c_str());
      return 0;
    }
    if (command != "close cdvgs" || !held_) return 1;
    log.push_back("poll " + *held_);
    held_.reset();
    return 0;
  }
  std::int16_t AsyncKeyState(int key) override {
    if (key != kVkShift || !shift) return 0;
    // Bit 15: down now; bit 0: pressed since the last query (0x8001).
    return std::exchange(shiftPressed, false) ? -32767 : -32768;
  }
  bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) override {
    log.push_back(message == kNimAdd ? "tray add" : "tray delete");
    icon = data;
    iconShown = message == kNimAdd && !noTray;
    return !noTray;
  }
  bool ShowBalloon(const NotifyIconData&, Str title, Str text) override {
    if (!iconShown) return false;
    log.push_back("balloon " + title + ": " + text);
    return true;
  }
  long OpenKeyEx(RegistryKey, Str key, std::uint32_t rights, RegistryKey* out) override {
    return keys.contains(key) ? Open(key, rights, out) : kFileNotFound;
  }
  long CreateKey(RegistryKey, Str key, RegistryKey* out) override {
    keys.insert(key);
    return Open(key, kAllRights, out);
  }
  long SetValueEx(RegistryKey key, Str name, std::uint32_t,
                  std::string_view data) override {
    if (failSetValue != 0) return failSetValue;
    if (!openKeys.contains(key) || (openKeys[key] & kSetValueRight) == 0)
      return kAccessDenied;
    log.push_back("card " + std::string(data.substr(0, data.find('\0'))));
    registry[key_ + "\\" + name] = data;
    return 0;
  }
  long CloseKey(RegistryKey key) override {
    return openKeys.erase(key) ? 0 : kInvalidHandle;
  }
  std::string Read(Str app, Str section, Str key, Str fallback) override {
    auto it = settings.find(app + "\\" + section + "\\" + key);
    return it == settings.end() ? fallback : it->second;
  }
  bool Write(Str app, Str section, Str key, Str text) override {
    log.push_back(key + "=" + text);
    settings[app + "\\" + section + "\\" + key] = text;
    return true;
  }
  int ShowMessage(WindowHandle, Str text, Str, std::uint32_t style) override {
    log.push_back("box " + text);
    if (auto user = std::exchange(whileBox, nullptr)) user();  // once, while it is open
    const int enter = (style & kMbDefButton2) ? kIdNo : kIdYes;
    return Next(answers, (style & 0xF) == kMbYesNo ? enter : kIdOk);
  }
  std::string InputBox(WindowHandle, Str, Str, Str defaultText) override {
    log.push_back("input " + defaultText);
    if (auto user = std::exchange(whileBox, nullptr)) user();
    return Next(typed, std::string());
  }
  int ShowOpenFileDialog(OpenFileNameRecord& record) override {
    log.push_back("browse " + record.lpstrTitle + " from " + record.lpstrInitialDir);
    if (noSystemDlls) return kNoFileDialog;
    if (chosenFile && chosenFile->size() >= record.nMaxFile) return kFileNameTooLong;
    record.lpstrFile = chosenFile.value_or("") + '\0';
    return chosenFile ? 1 : 0;
  }
  bool ActivateWindowByCaption(Str caption) override {
    auto found = [&](Str window) { return window.starts_with(caption); };
    if (std::none_of(windows.begin(), windows.end(), found)) return false;
    log.push_back("activate");
    return true;
  }
  bool WindowWithCaptionExists(Str caption) override {
    return std::any_of(windows.begin(), windows.end(),
                       [&](Str window) { return window.starts_with(caption); });
  }
  void SendKeys(const std::vector<KeyEvent>&) override { log.push_back("keys"); }
  void ShellOpen(WindowHandle, Str v, Str f) override { log.push_back(v + " " + f); }
  Size Length(Str path) override {
    if (locked.contains(path)) return {std::nullopt, "locked"};
    return {files.contains(path) ? std::optional(files[path].size()) : std::nullopt, {}};
  }
  Contents Read(Str path, std::size_t limit) override {
    if (outOfMemory) throw std::bad_alloc();
    if (!files.contains(path)) return {"", "missing"};
    return {files[path].substr(0, std::min(limit, readFailsAt)),
            readFailsAt < files[path].size() ? std::optional("locked") : std::nullopt};
  }
  std::optional<std::string> ReplaceWhole(Str path, std::string_view bytes) override {
    log.push_back("write " + path);
    if (!failWrites) files[path] = bytes;
    return failWrites;
  }
  std::optional<std::string> CreateNew(Str path, std::string_view bytes) override {
    const bool hasBytes = files.contains(path) && !files[path].empty();
    return hasBytes ? std::optional("exists") : ReplaceWhole(path, bytes);
  }
  bool MakeSureDirectoryPathExists(Str path) override {
    log.push_back("mkdir " + path);
    return true;
  }
  bool FolderExists(Str folder) override { return folders.contains(folder); }
  void RemoveEmptyFolder(Str folder) override { log.push_back("rmdir " + folder); }
  bool AnotherInstanceRunning() override { return anotherInstance; }
  std::string ProgramFolder() override { return folder; }
  InstanceHandle Instance() override { return 0x400000; }
  std::string UpperCase(Str text) override {
    std::string upper = text;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
  }
  // Code points below 256 as Latin-1; others, and invalid UTF-8, none.
  std::optional<std::string> FromUtf8(std::string_view utf8) override {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      const unsigned char c = utf8[i], next = i + 1 < utf8.size() ? utf8[i + 1] : 0;
      if (c >= 0x80 && ((c & 0xFE) != 0xC2 || (next & 0xC0) != 0x80)) return std::nullopt;
      latin1 += char(c < 0x80 ? c : (c & 3) << 6 | (utf8[++i] & 0x3F));
    }
    return latin1;
  }
  std::unique_ptr<Window> NewWindow(const WindowSpec&) override {
    return std::make_unique<FakeWindow>(0x10000 + 0x10 * ++windowsMade, log, whileModal);
  }
  void RunMessageLoop() override {}
  void Quit() override { log.push_back("quit"); }

 private:
  static constexpr std::uint32_t kDuplicateAlias = 289;  // MCIERR_DUPLICATE_ALIAS
  static constexpr long kFileNotFound = 2, kAccessDenied = 5, kInvalidHandle = 6;
  static constexpr std::uint32_t kSetValueRight = 0x2, kAllRights = 0xF003F;
  std::optional<std::string> held_;  // the drive open as cdvgs
  std::string key_;                  // the key opened last
  RegistryKey lastHandle_ = 0;
  long Open(Str key, std::uint32_t rights, RegistryKey* out) {
    key_ = key;
    *out = ++lastHandle_;
    openKeys[*out] = rights;
    return 0;
  }
  // The scripted answer, or else `otherwise`.
  template <class T>
  static T Next(std::deque<T>& script, T otherwise) {
    if (script.empty()) return otherwise;
    T next = script.front();
    script.pop_front();
    return next;
  }
};

}  // namespace slotmate::fakes
