#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/types.h"

// The window toolkit both windows are built from. A window owns its
// controls: the references that the Add functions return stay valid as long
// as the window lives. Events are delivered on the user-interface thread, one
// at a time; a handler may open modal windows, during which further events
// (timer ticks, tray notifications) keep arriving.
namespace slotmate::platform {

inline constexpr std::uint32_t kDefaultTextColor = 0xFFFFFFFFu;

struct ControlSpec {
  std::string name;     // the program's name for the control, e.g. "btnAdd"
  std::string caption;  // "&" marks the access key
  TwipsRect rect;
  int tabIndex = 0;
};

struct ButtonSpec : ControlSpec {
  bool defaultButton = false;  // Enter presses it unless another button has the focus
  bool cancelButton = false;   // Esc presses it
};

struct LabelSpec : ControlSpec {
  bool underlined = false;
  std::uint32_t textColor = kDefaultTextColor;  // 0x00BBGGRR
  std::string toolTip;
};

struct TextBoxSpec : ControlSpec {
  int maxLength = 0;  // 0: no limit
};

struct PictureSpec : ControlSpec {
  int resourceId = 0;  // the embedded picture to show, unstretched
};

struct MenuItemSpec {
  std::string name;
  std::string caption;  // "-" is a separator line
  bool checked = false;
  bool isDefault = false;  // drawn bold; the item a double-click would choose
};

struct WindowSpec {
  std::string name;
  std::string caption;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  bool keyPreview = false;     // the window sees key presses before its controls
  bool taskbarButton = false;  // a taskbar button while visible
  bool programIcon = false;    // carries the program's icon
};

// Short forms for the layout tables: a control's name, caption, place and
// tab index; the few other properties are set on the result.
template <class Design = ControlSpec>
Design Place(std::string name, std::string caption, TwipsRect rect, int tabIndex) {
  Design design;
  design.name = std::move(name);
  design.caption = std::move(caption);
  design.rect = rect;
  design.tabIndex = tabIndex;
  return design;
}

class Control {
 public:
  virtual ~Control() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Gives the control the keyboard focus; on a window that is not shown yet,
  // the control gets the focus when the window shows.
  virtual void SetFocus() = 0;
};

class Button : public Control {
 public:
  virtual void OnClick(std::function<void()> handler) = 0;
};

class Label : public Control {
 public:
  virtual void OnClick(std::function<void()> handler) = 0;
};

class Picture : public Control {};

class TextBox : public Control {
 public:
  virtual void SetSelection(int start, int length) = 0;
  virtual int SelectionStart() const = 0;
  virtual int SelectionLength() const = 0;
  virtual void OnGotFocus(std::function<void()> handler) = 0;
  // Sees each typed character before the box takes it; setting the code to
  // 0 discards the key, another code replaces it.
  virtual void OnKeyPress(std::function<void(std::int16_t& keyAscii)> handler) = 0;
};

// The rows a list box shows, kept by the program: the list holds none of
// their text, and asks for it when it draws a row, is read or types ahead.
class ListRows {
 public:
  virtual ~ListRows() = default;
  virtual std::size_t Count() const = 0;
  // The row as one line of text; valid until the rows change.
  virtual const std::string& Line(std::size_t row) const = 0;
  // What is drawn of the row at the left and at the right.
  virtual std::pair<std::string_view, std::string_view> Columns(
      std::size_t row) const = 0;
};

// A view of rows kept by the program. The program tells it how they changed.
class ListBox : public Control {
 public:
  // Shows all of `rows`, which outlive the list, anew, with none selected.
  // Throws when the control refuses rows (no room left); it then shows none.
  virtual void ShowRows(const ListRows& rows) = 0;
  // A row was added after the last; throws when the control refuses it.
  virtual void RowAdded() = 0;
  virtual void RowChanged(int index) = 0;
  virtual void RowRemoved(int index) = 0;
  // The selected row, or -1.
  virtual int ListIndex() const = 0;
  // Selects a row (-1 clears the selection); the click handler runs as it
  // does when the user selects a row.
  virtual void SetListIndex(int index) = 0;
  virtual void SetToolTip(const std::string& text) = 0;
  virtual std::string ToolTip() const = 0;
  // Every change of the selection, by the user or by the program.
  virtual void OnClick(std::function<void()> handler) = 0;
  virtual void OnDblClick(std::function<void()> handler) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void OnTimer(std::function<void()> handler) = 0;
};

class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  virtual void SetChecked(int item, bool checked) = 0;
  virtual bool Checked(int item) const = 0;
  virtual void OnClick(int item, std::function<void()> handler) = 0;
  // Makes the owning window foreground and opens the menu at the mouse
  // position; returns when the menu has closed, after the chosen item's
  // handler has run.
  virtual void Popup() = 0;
};

// Why a window is asked to close.
enum class UnloadMode : int {
  kUser = 0,     // close box, system menu, Alt+F4
  kProgram = 1,  // the program unloads it itself
  kSession = 2,  // Windows shuts down or the user logs off
  kOutside = 3,  // another program asks it to close (the task manager)
};

class Window {
 public:
  virtual ~Window() = default;
  virtual WindowHandle Handle() const = 0;
  virtual IconHandle Icon() const = 0;

  virtual Button& AddButton(const ButtonSpec& design) = 0;
  virtual Label& AddLabel(const LabelSpec& design) = 0;
  virtual TextBox& AddTextBox(const TextBoxSpec& design) = 0;
  virtual ListBox& AddListBox(const ControlSpec& design) = 0;
  virtual Picture& AddPicture(const PictureSpec& design) = 0;
  virtual Timer& AddTimer(const std::string& name, unsigned intervalMs, bool enabled) = 0;
  virtual PopupMenu& AddPopupMenu(const std::string& name,
                                  const std::vector<MenuItemSpec>& items) = 0;

  virtual void Show() = 0;
  // Shows the window behind the active one, leaving that one the keyboard.
  virtual void ShowInactive() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Shows the window modally over `owner`, centred on it, and returns when
  // the window has been closed with Close().
  virtual void ShowModal(Window& owner) = 0;
  // Hides a modal window and ends its ShowModal.
  virtual void Close() = 0;

  virtual void OnKeyDown(std::function<void(int keyCode, int shift)> handler) = 0;
  // A mouse-move message with its raw lParam; the tray icon's notifications
  // arrive this way, carrying the number of the mouse message over the icon.
  virtual void OnMouseMove(std::function<void(std::uint32_t lParam)> handler) = 0;
  // A request to close the window; the handler returns true to let the
  // window be destroyed.
  virtual void OnCloseRequest(std::function<bool(UnloadMode)> handler) = 0;
  // The taskbar was (re)created, e.g. after Explorer restarted.
  virtual void OnTaskbarCreated(std::function<void()> handler) = 0;
  // The system announced that a disc arrived in (`arrived`) or left a drive;
  // bit 0 of the mask stands for A:, bit 1 for B: and so on. Runs from the
  // message queue, never inside the system's announcement.
  virtual void OnMediaChange(
      std::function<void(std::uint32_t unitMask, bool arrived)> handler) = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  virtual std::unique_ptr<Window> NewWindow(const WindowSpec& design) = 0;
  // Dispatches messages until Quit() is called.
  virtual void RunMessageLoop() = 0;
  virtual void Quit() = 0;
};

}  // namespace slotmate::platform
