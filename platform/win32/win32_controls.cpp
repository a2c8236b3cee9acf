#include "platform/win32/win32_controls.h"
#include <algorithm>
#include <iterator>

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/win32_window.h"

namespace slotmate::win32 {

template <class Interface>
void ControlOf<Interface>::SetFocus() {
  window_.FocusControl(hwnd_);
}

template class ControlOf<platform::Button>;
template class ControlOf<platform::Label>;
template class ControlOf<platform::TextBox>;
template class ControlOf<platform::ListBox>;
template class ControlOf<platform::Picture>;

namespace {

// Adds or updates the tooltip of a control in its window's tooltip control.
void SetControlToolTip(Win32Window& window, HWND control, const std::string& text,
                       bool add) {
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  // The message loop relays the mouse to the tooltip: letting the tooltip
  // subclass the control instead makes every list message about a hundred
  // times slower under Wine (3 s to fill 32,767 rows instead of 30 ms).
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = window.hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window.ToolTips(), add ? TTM_ADDTOOLA : TTM_UPDATETIPTEXTA, 0,
               reinterpret_cast<LPARAM>(&tool));
}

// The ANSI text as UTF-16 in `wide`: ASCII directly, anything else through
// the code page.
void WidenAnsi(const std::string& text, std::wstring& wide) {
  wide.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) {
      wide.resize(
          MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0));
      MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(),
                          int(wide.size()));
      return;
    }
    wide[i] = wchar_t(text[i]);
  }
}

}  // namespace

// --- Button -----------------------------------------------------------------------

void Win32Button::OnCommand(WORD code) {
  if (code == BN_CLICKED) RunHandler(click_);
}

// --- Label ------------------------------------------------------------------------

Win32Label::Win32Label(Win32Window& window, HWND hwnd, const platform::LabelSpec& design)
    : ControlOf(window, hwnd, design.tabIndex), textColor_(design.textColor) {
  if (!design.toolTip.empty()) SetControlToolTip(window, hwnd, design.toolTip, true);
}

void Win32Label::OnCommand(WORD code) {
  if (code == STN_CLICKED) RunHandler(click_);
}

HBRUSH Win32Label::OnCtlColor(HDC dc) {
  if (textColor_ == platform::kDefaultTextColor) return nullptr;
  SetTextColor(dc, COLORREF(textColor_));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

// --- Text box ---------------------------------------------------------------------

Win32TextBox::Win32TextBox(Win32Window& window, HWND hwnd,
                           const platform::TextBoxSpec& design)
    : ControlOf(window, hwnd, design.tabIndex) {
  if (design.maxLength > 0)
    SendMessageA(hwnd, EM_SETLIMITTEXT, WPARAM(design.maxLength), 0);
  // An ANSI subclass, so typed characters arrive in the ANSI code page.
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  editProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

Win32TextBox::~Win32TextBox() {
  if (IsWindow(hwnd_) &&
      GetWindowLongPtrA(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  }
}

void Win32TextBox::SetSelection(int start, int length) {
  SendMessageA(hwnd_, EM_SETSEL, WPARAM(start), LPARAM(start + length));
}

int Win32TextBox::SelectionStart() const {
  DWORD start = 0, end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return int(start);
}

int Win32TextBox::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return int(end - start);
}

void Win32TextBox::OnCommand(WORD code) {
  if (code == EN_SETFOCUS) RunHandler(gotFocus_);
}

LRESULT CALLBACK Win32TextBox::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<Win32TextBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT Win32TextBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      return OnChar(wParam, lParam);
    default:
      return CallWindowProcA(editProcedure_, hwnd_, message, wParam, lParam);
  }
}

// The key filter sees the character first, whole: a character beyond one
// byte (a double-byte one) must not pass for the letter in its low byte. 0
// discards it, another code replaces it.
LRESULT Win32TextBox::OnChar(WPARAM wParam, LPARAM lParam) {
  if (keyPress_) {
    // Beyond 16 bits no key the filter takes: discarded.
    auto key = static_cast<std::int16_t>(wParam > 0xFFFF ? 0 : wParam);
    RunHandler(keyPress_, key);
    if (key == 0) return 0;
    wParam = std::uint16_t(key);
  }
  return CallWindowProcA(editProcedure_, hwnd_, WM_CHAR, wParam, lParam);
}

// --- List box ---------------------------------------------------------------------

Win32ListBox::Win32ListBox(Win32Window& window, HWND hwnd, int tabIndex)
    : ControlOf(window, hwnd, tabIndex) {
  // An empty text shows no tooltip.
  SetControlToolTip(window, hwnd, toolTip_, true);
}

void Win32ListBox::CheckRow(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("list row");
}

void Win32ListBox::CheckTaken(LRESULT result) {
  if (result < 0) throw std::runtime_error("the list took no row");  // LB_ERR(SPACE)
}

void Win32ListBox::SetText(const std::string& text) {
  auto row = std::find(rows_.begin(), rows_.end(), text);
  if (row != rows_.end()) SetListIndex(int(row - rows_.begin()));
}

std::string Win32ListBox::Item(int index) const {
  return index >= 0 && index < Count() ? rows_[index] : std::string();
}

// Every change of the rows goes through these few methods, which change
// rows_ and the control's copy together. A row the control refuses (no room
// left) changes neither, and throws.
void Win32ListBox::AddItem(const std::string& item) {
  rows_.reserve(rows_.size() + 1);
  CheckTaken(
      SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
  rows_.push_back(item);
}

// A whole catalogue at once. Under Wine a message and a code page conversion
// per row cost more than the list itself, so the rows go straight to the
// list's procedure as UTF-16, plain ASCII widened here.
void Win32ListBox::AddItems(std::vector<std::string> items) {
  rows_.reserve(rows_.size() + items.size());
  std::size_t bytes = 0;
  for (const auto& item : items) bytes += item.size() + 1;
  SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, LB_INITSTORAGE, WPARAM(items.size()),
               LPARAM(bytes * sizeof(WCHAR)));
  const auto procedure =
      reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
  std::wstring wide;
  LRESULT taken = 0;
  for (std::size_t i = 0; i < items.size() && taken >= 0; ++i) {
    WidenAnsi(items[i], wide);
    taken = CallWindowProcW(procedure, hwnd_, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(wide.c_str()));
  }
  // A refused row takes the rows added before it out again.
  for (auto row = SendMessageA(hwnd_, LB_GETCOUNT, 0, 0); taken < 0 && row-- > Count();)
    SendMessageA(hwnd_, LB_DELETESTRING, WPARAM(row), 0);
  SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  CheckTaken(taken);
  std::move(items.begin(), items.end(), std::back_inserter(rows_));
}

// The new row goes in before the old one goes, so a refused row leaves the
// old one in place.
void Win32ListBox::SetItem(int index, const std::string& item) {
  CheckRow(index);
  std::string row = item;
  const bool wasSelected = ListIndex() == index;
  CheckTaken(SendMessageA(hwnd_, LB_INSERTSTRING, WPARAM(index),
                          reinterpret_cast<LPARAM>(item.c_str())));
  SendMessageA(hwnd_, LB_DELETESTRING, WPARAM(index + 1), 0);
  rows_[index].swap(row);
  if (wasSelected) SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0);
}

void Win32ListBox::RemoveItem(int index) {
  CheckRow(index);
  const bool wasSelected = ListIndex() == index;
  rows_.erase(rows_.begin() + index);
  SendMessageA(hwnd_, LB_DELETESTRING, WPARAM(index), 0);
  if (wasSelected) SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(-1), 0);
}

void Win32ListBox::Clear() {
  SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  rows_.clear();
}

int Win32ListBox::ListIndex() const {
  const auto index = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : int(index);
}

// A selection set by the program sends no LBN_SELCHANGE, so the click
// handler is run here.
void Win32ListBox::SetListIndex(int index) {
  if (index != -1) CheckRow(index);
  SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0);
  RunHandler(click_);
}

void Win32ListBox::SetToolTip(const std::string& text) {
  toolTip_ = text;
  SetControlToolTip(window_, hwnd_, toolTip_, false);
}

// Draws one row (from rows_, which the control's text copies): its text with TABs
// expanded to the list's usual tab stops, in the selection's colours when selected.
void Win32ListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID < rows_.size()) {
    const std::string& row = rows_[item.itemID];
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC,
                 GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    constexpr int kTextMargin = 2;
    // The card path starts in a column of its own at the middle of the row,
    // so the rows line up whatever the length of their titles; a longer
    // title pushes its path to the next stop.
    constexpr int kStops = 8;
    const int width = area.right - area.left;
    INT stops[kStops];
    for (int i = 0; i < kStops; ++i) stops[i] = width / 2 + i * width / (2 * kStops);
    TabbedTextOutA(item.hDC, area.left + kTextMargin, area.top, row.c_str(),
                   int(row.size()), kStops, stops, area.left + kTextMargin);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &area);
}

void Win32ListBox::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE)
    RunHandler(click_);
  else if (code == LBN_DBLCLK)
    RunHandler(dblClick_);
}

// --- Timer ------------------------------------------------------------------------

Win32Timer::Win32Timer(HWND window, UINT_PTR id, unsigned intervalMs, bool enabled)
    : window_(window), id_(id), intervalMs_(intervalMs) {
  SetEnabled(enabled);
}

Win32Timer::~Win32Timer() {
  if (enabled_ && IsWindow(window_)) KillTimer(window_, id_);
}

void Win32Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled)
    SetTimer(window_, id_, intervalMs_, nullptr);
  else
    KillTimer(window_, id_);
}

// A tick already queued when the timer was switched off is dropped.
void Win32Timer::Tick() {
  if (enabled_) RunHandler(tick_);
}

}  // namespace slotmate::win32
