#pragma once

// In-memory stand-ins for the system services: each records what the
// program asked and plays the answers a test scripted. Calls that matter for
// ordering are also written to a shared journal.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace slotmate::fakes {

using Journal = std::vector<std::string>;

class FakeDrives : public platform::Drives {
 public:
  std::map<std::string, unsigned> types;  // "E:\" -> 5
  std::vector<std::string> asked;
  unsigned DriveType(const std::string& root) override {
    asked.push_back(root);
    auto it = types.find(root);
    return it == types.end() ? 1u /* DRIVE_NO_ROOT_DIR */ : it->second;
  }
};

// Answers the three media commands per drive: open writes "1", status writes
// the scripted reply (none scripted: the command fails and writes nothing).
class FakeMedia : public platform::MediaControl {
 public:
  std::map<std::string, std::optional<std::string>> status;  // "E:" -> "true"
  std::vector<std::string> commands;
  std::uint32_t SendString(const std::string& command, char* reply,
                           unsigned replyLength) override {
    commands.push_back(command);
    if (command.starts_with("open ")) {
      open_ = command.substr(5, 2);
      return Write("1", reply, replyLength);
    }
    if (command == "status cdvgs media present wait") {
      auto it = status.find(open_);
      if (it == status.end() || !it->second) return 1;
      return Write(*it->second, reply, replyLength);
    }
    return 0;
  }

 private:
  std::string open_;
  static std::uint32_t Write(const std::string& text, char* reply, unsigned length) {
    if (length > 0) std::strncpy(reply, text.c_str(), length)[length - 1] = '\0';
    return 0;
  }
};

class FakeKeyboard : public platform::Keyboard {
 public:
  bool shiftDown = false;
  std::int16_t AsyncKeyState(int virtualKey) override {
    return virtualKey == platform::kVkShift && shiftDown ? std::int16_t(-32768) : 0;
  }
};

class FakeTray : public platform::Tray {
 public:
  struct Call {
    std::uint32_t message;
    platform::NotifyIconData data;
  };
  std::vector<Call> calls;
  bool succeed = true;
  bool NotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override {
    calls.push_back({message, data});
    return succeed;
  }
  int Count(std::uint32_t message) const {
    return int(std::count_if(calls.begin(), calls.end(),
                             [&](const Call& c) { return c.message == message; }));
  }
};

// A registry of keys (full paths under the root, case-insensitive like the
// real one) holding typed values.
class FakeRegistry : public platform::Registry {
 public:
  struct Value {
    std::uint32_t type;
    std::string data;
  };
  explicit FakeRegistry(Journal& journal) : journal_(journal) {}
  std::map<std::string, std::map<std::string, Value>> keys;  // lower-case path
  long failSetValue = 0;  // a status to answer SetValueEx with
  int openHandles = 0;

  long OpenKeyEx(platform::RegistryKey root, const std::string& subKey,
                 std::uint32_t access, platform::RegistryKey* opened) override {
    journal_.push_back("RegOpenKeyEx " + subKey + " access " + std::to_string(access));
    if (!keys.contains(Path(root, subKey))) return 2;  // ERROR_FILE_NOT_FOUND
    *opened = NewHandle(Path(root, subKey));
    return 0;
  }
  long CreateKey(platform::RegistryKey root, const std::string& subKey,
                 platform::RegistryKey* created) override {
    journal_.push_back("RegCreateKey " + subKey);
    keys[Path(root, subKey)];
    *created = NewHandle(Path(root, subKey));
    return 0;
  }
  long SetValueEx(platform::RegistryKey key, const std::string& name, std::uint32_t type,
                  std::string_view data) override {
    journal_.push_back("RegSetValueEx " + name);
    if (failSetValue != 0) return failSetValue;
    auto it = handles_.find(key);
    if (it == handles_.end()) return 6;  // ERROR_INVALID_HANDLE
    keys[it->second][name] = {type, std::string(data)};
    return 0;
  }
  long CloseKey(platform::RegistryKey key) override {
    journal_.push_back("RegCloseKey");
    if (handles_.erase(key) == 0) return 6;
    --openHandles;
    return 0;
  }
  const Value* Find(const std::string& subKey, const std::string& name) const {
    auto key = keys.find(Path(platform::kHkeyCurrentUser, subKey));
    if (key == keys.end()) return nullptr;
    auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
  }

 private:
  Journal& journal_;
  std::map<platform::RegistryKey, std::string> handles_;
  platform::RegistryKey next_ = 0x1000;
  static std::string Path(platform::RegistryKey root, const std::string& subKey) {
    std::string path = std::to_string(root) + "\\" + subKey;
    for (char& c : path) c = char(std::tolower(static_cast<unsigned char>(c)));
    return path;
  }
  platform::RegistryKey NewHandle(const std::string& path) {
    handles_[next_] = path;
    ++openHandles;
    return next_++;
  }
};

class FakeSettings : public platform::SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "Slotmate\Settings\Hidden"
  int writes = 0;
  std::string Read(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& fallback) override {
    auto it = values.find(application + "\\" + section + "\\" + key);
    return it == values.end() ? fallback : it->second;
  }
  bool Write(const std::string& application, const std::string& section,
             const std::string& key, const std::string& text) override {
    ++writes;
    values[application + "\\" + section + "\\" + key] = text;
    return true;
  }
};

// Files by full path. A path under a "not ready" root fails every call.
class FakeFiles : public platform::Files {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders;           // created by MakeSureDirectoryPathExists
  std::set<std::string> notReady;          // roots such as "F:"
  std::optional<std::string> failReplace;  // the reason the next writes fail with
  int replaces = 0;

  std::map<std::string, std::size_t> readFailsAt;  // path -> bytes read before failing

  std::optional<std::uint64_t> Length(const std::string& path) override {
    auto it = files.find(path);
    if (Unreachable(path) || it == files.end()) return std::nullopt;
    return it->second.size();
  }
  Contents Read(const std::string& path, std::size_t maxBytes) override {
    auto it = files.find(path);
    if (Unreachable(path) || it == files.end()) return {"", "The file is missing."};
    if (readFailsAt.contains(path))
      return {it->second.substr(0, readFailsAt[path]), "The file is locked."};
    return {it->second.substr(0, maxBytes), std::nullopt};
  }
  std::optional<std::string> ReplaceWhole(const std::string& path,
                                          std::string_view bytes) override {
    ++replaces;
    if (Unreachable(path)) return "The device is not ready.";
    if (failReplace) return failReplace;
    files[path] = std::string(bytes);
    return std::nullopt;
  }
  bool MakeSureDirectoryPathExists(const std::string& path) override {
    if (Unreachable(path)) return false;
    for (auto slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
      folders.insert(path.substr(0, slash));
    return true;
  }
  bool FolderExists(const std::string& folder) override {
    return folders.contains(folder);
  }
  void RemoveEmptyFolder(const std::string& folder) override { folders.erase(folder); }

 private:
  bool Unreachable(const std::string& path) const {
    return path.empty() || std::any_of(notReady.begin(), notReady.end(), [&](auto& root) {
             return path.starts_with(root);
           });
  }
};

class FakeProcess : public platform::Process {
 public:
  bool anotherInstance = false;
  std::string folder = "C:\\Games\\Slotmate";
  bool AnotherInstanceRunning() override { return anotherInstance; }
  std::string ProgramFolder() override { return folder; }
  platform::InstanceHandle Instance() override { return 0x400000; }
};

// Upper case as Windows-1252 has it: ASCII letters and the accented letters
// of its upper half.
class FakeLocale : public platform::Locale {
 public:
  std::string UpperCase(const std::string& text) override {
    std::string upper = text;
    for (char& c : upper) {
      auto u = static_cast<unsigned char>(c);
      if (u >= 'a' && u <= 'z')
        u = u - 'a' + 'A';
      else if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        u -= 0x20;
      c = char(u);
    }
    return upper;
  }
};

// Top-level windows of other programs, known by caption.
class FakeDesktop : public platform::Desktop {
 public:
  explicit FakeDesktop(Journal& journal) : journal_(journal) {}
  std::vector<std::string> captions;
  std::string foreground;
  std::vector<platform::KeyEvent> keys;
  std::vector<std::string> opened;

  bool ActivateWindowByCaption(const std::string& caption) override {
    journal_.push_back("Activate " + caption);
    for (const auto& c : captions)
      if (c == caption) return Activate(c);
    for (const auto& c : captions)
      if (c.starts_with(caption)) return Activate(c);
    return false;
  }
  void SendKeys(const std::vector<platform::KeyEvent>& events) override {
    journal_.push_back("SendKeys");
    keys.insert(keys.end(), events.begin(), events.end());
  }
  void ShellOpen(platform::WindowHandle, const std::string& verb,
                 const std::string& file) override {
    opened.push_back(verb + " " + file);
  }

 private:
  Journal& journal_;
  bool Activate(const std::string& caption) {
    foreground = caption;
    return true;
  }
};

// Message boxes, the input box and the open-file dialog, answered from
// scripts. An unscripted message box answers OK, or No to a question.
class FakeDialogs : public platform::Dialogs {
 public:
  struct Message {
    std::string text;
    std::string title;
    std::uint32_t style;
    platform::WindowHandle owner;
  };
  std::vector<Message> messages;
  std::deque<int> answers;
  // Runs while a message box is open (the program's timer keeps ticking).
  std::function<void()> whileOpen;

  struct Input {
    std::string prompt, title, defaultText;
  };
  std::vector<Input> inputs;
  std::deque<std::string> typed;  // what the user enters; "" is Cancel

  std::vector<platform::OpenFileNameRecord> fileDialogs;
  std::optional<std::string> chosenFile;  // nullopt: the user cancels

  int ShowMessage(platform::WindowHandle owner, const std::string& text,
                  const std::string& title, std::uint32_t style) override {
    messages.push_back({text, title, style, owner});
    if (whileOpen) whileOpen();
    return Next(answers,
                (style & 0xF) == platform::kMbYesNo ? platform::kIdNo : platform::kIdOk);
  }
  std::string InputBox(platform::WindowHandle, const std::string& prompt,
                       const std::string& title,
                       const std::string& defaultText) override {
    inputs.push_back({prompt, title, defaultText});
    return Next(typed, std::string());
  }
  int ShowOpenFileDialog(platform::OpenFileNameRecord& record) override {
    fileDialogs.push_back(record);
    if (!chosenFile) return 0;
    record.lpstrFile = *chosenFile + std::string(1, '\0');
    return 1;
  }

 private:
  template <class T>
  static T Next(std::deque<T>& script, T unscripted) {
    if (script.empty()) return unscripted;
    T next = std::move(script.front());
    script.pop_front();
    return next;
  }
};

}  // namespace slotmate::fakes
