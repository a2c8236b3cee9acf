#pragma once

// An in-memory window toolkit. Tests drive it like a user (click a button,
// type a key, choose a menu item) and read back what the program shows.

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace slotmate::fakes {

class FakeWindow;

// Runs a handler the program set, if it set one.
template <class Handler, class... Args>
void Fire(const Handler& handler, Args&&... args) {
  if (handler) handler(std::forward<Args>(args)...);
}

template <class Interface>
class FakeControlBase : public Interface {
 public:
  FakeControlBase(FakeWindow& window, const platform::ControlSpec& design)
      : design(design), text(design.caption), window_(window) {}
  void SetText(const std::string& t) override { text = t; }
  std::string Text() const override { return text; }
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void SetFocus() override;

  platform::ControlSpec design;
  std::string text;
  bool enabled = true;

 protected:
  FakeWindow& window_;
  virtual void GotFocus() {}
};

// A button or a label: a control the user clicks.
template <class Interface, class Design>
class FakeClickable : public FakeControlBase<Interface> {
 public:
  FakeClickable(FakeWindow& w, const Design& s) : FakeControlBase<Interface>(w, s) {}
  void OnClick(std::function<void()> h) override { click_ = std::move(h); }
  void Click() { Fire(click_); }

 private:
  std::function<void()> click_;
};
using FakeButton = FakeClickable<platform::Button, platform::ButtonSpec>;
using FakeLabel = FakeClickable<platform::Label, platform::LabelSpec>;

class FakePicture : public FakeControlBase<platform::Picture> {
 public:
  FakePicture(FakeWindow& w, const platform::PictureSpec& s) : FakeControlBase(w, s) {}
};

class FakeTextBox : public FakeControlBase<platform::TextBox> {
 public:
  FakeTextBox(FakeWindow& w, const platform::TextBoxSpec& s)
      : FakeControlBase(w, s), maxLength(s.maxLength) {}
  void SetText(const std::string& t) override {
    text = t;
    selStart = selLength = 0;
  }
  void SetSelection(int start, int length) override {
    selStart = std::clamp(start, 0, int(text.size()));
    selLength = std::clamp(length, 0, int(text.size()) - selStart);
  }
  int SelectionStart() const override { return selStart; }
  int SelectionLength() const override { return selLength; }
  void OnGotFocus(std::function<void()> h) override { gotFocus_ = std::move(h); }
  void OnKeyPress(std::function<void(std::int16_t&)> h) override {
    keyPress_ = std::move(h);
  }

  // The user types one character: the key filter sees it first, then the
  // box takes it in place of the selection, as far as its length limit allows.
  void Type(char c) {
    std::int16_t key = static_cast<unsigned char>(c);
    Fire(keyPress_, key);
    if (key == 0) return;
    if (key == 8) {
      if (selLength == 0 && selStart > 0) --selStart, selLength = 1;
      text.erase(selStart, selLength);
      selLength = 0;
      return;
    }
    if (maxLength > 0 && int(text.size()) - selLength >= maxLength) return;
    text.replace(selStart, selLength, 1, char(key));
    ++selStart;
    selLength = 0;
  }
  void Type(const std::string& s) {
    for (char c : s) Type(c);
  }

  int maxLength;
  int selStart = 0;
  int selLength = 0;

 protected:
  void GotFocus() override { Fire(gotFocus_); }

 private:
  std::function<void()> gotFocus_;
  std::function<void(std::int16_t&)> keyPress_;
};

class FakeListBox : public FakeControlBase<platform::ListBox> {
 public:
  using FakeControlBase::FakeControlBase;
  int Count() const override { return int(items.size()); }
  std::string Item(int i) const override {
    return i >= 0 && i < Count() ? items[i] : std::string();
  }
  const std::vector<std::string>& Items() const override { return items; }
  void AddItem(const std::string& item) override { items.push_back(item); }
  void AddItems(std::vector<std::string> more) override {
    items.insert(items.end(), std::make_move_iterator(more.begin()),
                 std::make_move_iterator(more.end()));
  }
  void SetItem(int i, const std::string& item) override { items[Row(i)] = item; }
  void RemoveItem(int i) override {
    items.erase(items.begin() + Row(i));
    if (index == i)
      index = -1;
    else if (index > i)
      --index;
  }
  void Clear() override {
    items.clear();
    index = -1;
  }
  int ListIndex() const override { return index; }
  void SetListIndex(int i) override {
    index = i == -1 ? -1 : Row(i);
    if (click_) click_();
  }
  void SetToolTip(const std::string& t) override { toolTip = t; }
  std::string ToolTip() const override { return toolTip; }
  void OnClick(std::function<void()> h) override { click_ = std::move(h); }
  void OnDblClick(std::function<void()> h) override { dblClick_ = std::move(h); }
  void DblClick() { Fire(dblClick_); }

  std::vector<std::string> items;
  int index = -1;
  std::string toolTip;

 private:
  std::function<void()> click_, dblClick_;
  int Row(int i) const {
    if (i < 0 || i >= Count()) throw std::out_of_range("list row");
    return i;
  }
};

class FakeTimer : public platform::Timer {
 public:
  FakeTimer(unsigned interval, bool enabled) : interval(interval), enabled(enabled) {}
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void OnTimer(std::function<void()> h) override { tick_ = std::move(h); }
  // One tick of the clock: the handler runs only while the timer is enabled.
  void Tick() {
    if (enabled) Fire(tick_);
  }
  unsigned interval;
  bool enabled;

 private:
  std::function<void()> tick_;
};

class FakePopupMenu : public platform::PopupMenu {
 public:
  explicit FakePopupMenu(std::vector<platform::MenuItemSpec> items)
      : items(std::move(items)) {}
  void SetChecked(int item, bool checked) override { items.at(item).checked = checked; }
  bool Checked(int item) const override { return items.at(item).checked; }
  void OnClick(int item, std::function<void()> h) override {
    handlers_[item] = std::move(h);
  }
  void Popup() override {
    ++popups;
    if (whileOpen) whileOpen(*this);
  }
  // The user chooses an item of the open menu.
  void Choose(int item) {
    if (auto it = handlers_.find(item); it != handlers_.end()) Fire(it->second);
  }
  std::vector<platform::MenuItemSpec> items;
  int popups = 0;
  std::function<void(FakePopupMenu&)> whileOpen;

 private:
  std::map<int, std::function<void()>> handlers_;
};

class FakeToolkit;

class FakeWindow : public platform::Window {
  FakeToolkit& toolkit_;

 public:
  FakeWindow(FakeToolkit& toolkit, const platform::WindowSpec& design,
             platform::WindowHandle handle)
      : toolkit_(toolkit), design(design), handle(handle) {}
  ~FakeWindow() override;

  platform::WindowHandle Handle() const override { return handle; }
  platform::IconHandle Icon() const override { return design.programIcon ? 0x1C0 : 0; }

  platform::Button& AddButton(const platform::ButtonSpec& s) override {
    return Add<FakeButton>(s);
  }
  platform::Label& AddLabel(const platform::LabelSpec& s) override {
    return Add<FakeLabel>(s);
  }
  platform::TextBox& AddTextBox(const platform::TextBoxSpec& s) override {
    return Add<FakeTextBox>(s);
  }
  platform::ListBox& AddListBox(const platform::ControlSpec& s) override {
    return Add<FakeListBox>(s);
  }
  platform::Picture& AddPicture(const platform::PictureSpec& s) override {
    return Add<FakePicture>(s);
  }
  platform::Timer& AddTimer(const std::string& name, unsigned interval,
                            bool enabled) override {
    auto& timer = timers[name] = std::make_unique<FakeTimer>(interval, enabled);
    return *timer;
  }
  platform::PopupMenu& AddPopupMenu(
      const std::string& name,
      const std::vector<platform::MenuItemSpec>& items) override {
    auto& menu = menus[name] = std::make_unique<FakePopupMenu>(items);
    return *menu;
  }

  void Show() override {
    visible = true;
    active = true;
  }
  void ShowInactive() override { visible = true; }
  void Hide() override { visible = false; }
  bool Visible() const override { return visible; }
  void ShowModal(platform::Window& owner) override;
  void Close() override {
    modal = false;
    visible = false;
  }

  void OnKeyDown(std::function<void(int, int)> h) override { keyDown_ = std::move(h); }
  void OnMouseMove(std::function<void(std::uint32_t)> h) override {
    mouseMove_ = std::move(h);
  }
  void OnCloseRequest(std::function<bool(platform::UnloadMode)> h) override {
    closeRequest_ = std::move(h);
  }
  void OnMediaChange(std::function<void(std::uint32_t)> h) override {
    mediaChange_ = std::move(h);
  }
  void OnTaskbarCreated(std::function<void()> h) override {
    taskbarCreated_ = std::move(h);
  }

  // What the user or the system does to the window.
  void KeyDown(int keyCode, int shift = 0) { Fire(keyDown_, keyCode, shift); }
  void MouseMove(std::uint32_t lParam) { Fire(mouseMove_, lParam); }
  bool RequestClose(platform::UnloadMode mode) {
    bool closes = !closeRequest_ || closeRequest_(mode);
    if (closes) Close();
    return closes;
  }
  void TaskbarCreated() { Fire(taskbarCreated_); }

  template <class T>
  T& Get(const std::string& name) {
    auto it = controls.find(name);
    if (it == controls.end()) throw std::out_of_range("no control " + name);
    return dynamic_cast<T&>(*it->second);
  }
  FakeButton& button(const std::string& n) { return Get<FakeButton>(n); }
  FakeTextBox& textBox(const std::string& n) { return Get<FakeTextBox>(n); }
  FakeListBox& listBox(const std::string& n) { return Get<FakeListBox>(n); }
  FakeLabel& label(const std::string& n) { return Get<FakeLabel>(n); }
  FakeTimer& timer(const std::string& n) { return *timers.at(n); }
  FakePopupMenu& menu(const std::string& n) { return *menus.at(n); }

  platform::WindowSpec design;
  platform::WindowHandle handle;
  bool visible = false;
  bool active = false;  // shown as the active window
  bool modal = false;
  int modalShows = 0;
  platform::Window* owner = nullptr;
  std::string focused;  // the name of the control with the focus
  std::map<std::string, std::unique_ptr<platform::Control>> controls;
  std::map<std::string, std::unique_ptr<FakeTimer>> timers;
  std::map<std::string, std::unique_ptr<FakePopupMenu>> menus;

 private:
  template <class T, class Design>
  T& Add(const Design& s) {
    auto control = std::make_unique<T>(*this, s);
    T& ref = *control;
    controls[s.name] = std::move(control);
    return ref;
  }
  std::function<void(int, int)> keyDown_;
  std::function<void(std::uint32_t)> mouseMove_;
  std::function<bool(platform::UnloadMode)> closeRequest_;
  std::function<void()> taskbarCreated_;
  std::function<void(std::uint32_t)> mediaChange_;
};

class FakeToolkit : public platform::Toolkit {
 public:
  std::unique_ptr<platform::Window> NewWindow(
      const platform::WindowSpec& design) override {
    auto window = std::make_unique<FakeWindow>(*this, design, 0x10000 + 0x10 * created++);
    windows.push_back(window.get());
    return window;
  }
  void RunMessageLoop() override {}
  void Quit() override { ++quits; }

  FakeWindow& window(const std::string& name) {
    for (auto* w : windows)
      if (w->design.name == name) return *w;
    throw std::out_of_range("no window " + name);
  }

  // Runs while a window is shown modally: the user's actions in it. A script
  // that leaves the window open ends it as the close box would.
  std::function<void(FakeWindow&)> whileModal;
  std::vector<FakeWindow*> windows;
  int created = 0;
  int quits = 0;
};

inline FakeWindow::~FakeWindow() { std::erase(toolkit_.windows, this); }

inline void FakeWindow::ShowModal(platform::Window& ownerWindow) {
  owner = &ownerWindow;
  visible = modal = true;
  ++modalShows;
  if (toolkit_.whileModal) toolkit_.whileModal(*this);
  if (modal) RequestClose(platform::UnloadMode::kUser);
  visible = modal = false;
}

template <class Interface>
void FakeControlBase<Interface>::SetFocus() {
  window_.focused = design.name;
  GotFocus();
}

}  // namespace slotmate::fakes
