#include <windowsx.h>

#include <climits>
#include <stdexcept>

#include "platform/win32/control_subclass.h"
#include "platform/win32/win32_controls.h"

namespace slotmate::win32 {
namespace {

// The first character of `text`, in capitals, as UTF-16.
wchar_t FirstCapital(std::string_view text) {
  wchar_t first = 0;
  if (!text.empty())
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(CharNextA(text.data()) - text.data()),
                        &first, 1);
  CharUpperBuffW(&first, 1);
  return first;
}

}  // namespace

Win32ListBox::Win32ListBox(Win32Window& window, HWND hwnd, int tabIndex)
    : ControlOf(window, hwnd, tabIndex) {
  // An empty text shows no tooltip.
  SetControlToolTip(window, hwnd, toolTip_, true);
  // Its subclass answers for the rows' text, which the program keeps (see
  // HandleMessage).
  listProcedure_ = Subclass(hwnd, this, &Procedure, true);
}

Win32ListBox::~Win32ListBox() { Unsubclass(hwnd_, &Procedure, listProcedure_, true); }

LRESULT CALLBACK Win32ListBox::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  return Dispatch(hwnd, message, wParam, lParam, &Win32ListBox::HandleMessage);
}

// Unicode, so that a Unicode reader's LB_GETTEXT reaches this procedure with
// the buffer it sized from LB_GETTEXTLEN: an ANSI procedure read in Unicode
// gets Wine's fixed 512-byte buffer, which a long row overruns. ANSI callers
// get the text converted by the system. (Wine's conversion of an ANSI
// LB_GETTEXT sent from inside this process has a fixed buffer too; the
// program reads its rows from its own, never so.)
LRESULT Win32ListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_GETTEXTLEN:
      return wParam < WPARAM(Count()) ? CopyRowText(wParam, nullptr) : LB_ERR;
    case LB_GETTEXT:
      if (wParam >= WPARAM(Count()) || lParam == 0) return LB_ERR;
      return CopyRowText(wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_CHAR:
      SelectNextStartingWith(wParam);
      return 0;
    default:
      return CallWindowProcW(listProcedure_, hwnd_, message, wParam, lParam);
  }
}

// The row's text in UTF-16, from the ANSI code page, with its NUL; its length
// alone when `buffer` is null.
LRESULT Win32ListBox::CopyRowText(WPARAM index, wchar_t* buffer) const {
  const std::string& row = rows_->Line(index);
  const int length = MultiByteToWideChar(CP_ACP, 0, row.data(), int(row.size()), buffer,
                                         buffer ? INT_MAX : 0);
  if (buffer) buffer[length] = L'\0';
  return length;
}

// Type-ahead, which the control can no longer do on its empty texts: the
// next row after the selected one, or from the top when none is, round to
// the top, that begins with the typed character in any letter case.
void Win32ListBox::SelectNextStartingWith(WPARAM character) {
  const int count = Count();
  if (count == 0 || character < ' ' || character > 0xFFFF) return;
  wchar_t typed = wchar_t(character);
  CharUpperBuffW(&typed, 1);
  const int from = ListIndex();  // -1 with none selected
  for (int step = 1; step <= count; ++step) {
    const int row = (from + step) % count;
    if (FirstCapital(rows_->Line(std::size_t(row))) == typed) {
      SendMessageW(hwnd_, LB_SETCURSEL, WPARAM(row), 0);
      SendMessageW(GetParent(hwnd_), WM_COMMAND,
                   MAKEWPARAM(GetDlgCtrlID(hwnd_), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hwnd_));
      return;
    }
  }
}

void Win32ListBox::CheckRow(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("list row");
}

void Win32ListBox::CheckTaken(LRESULT result) {
  if (result < 0) throw std::runtime_error("the list took no row");  // LB_ERR(SPACE)
}

int Win32ListBox::Count() const {
  return rows_ ? int(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)) : 0;
}

void Win32ListBox::SetText(const std::string& text) {
  for (int row = 0; row < Count(); ++row)
    if (rows_->Line(std::size_t(row)) == text) return SetListIndex(row);
}

std::string Win32ListBox::Text() const {
  const int row = ListIndex();
  return row >= 0 ? rows_->Line(std::size_t(row)) : std::string();
}

// All the rows at once, unredrawn until the last. A row refused takes the
// rows added before it out again.
void Win32ListBox::ShowRows(const platform::ListRows& rows) {
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  rows_ = &rows;
  const std::size_t count = rows.Count();
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, LB_INITSTORAGE, WPARAM(count), LPARAM(count * 2));
  // Straight to the procedure: under Wine a message per row costs more than
  // the list itself.
  const auto procedure =
      reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
  LRESULT taken = 0;
  for (std::size_t i = 0; i < count && taken >= 0; ++i)
    taken =
        CallWindowProcW(procedure, hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
  if (taken < 0) SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  CheckTaken(taken);
}

void Win32ListBox::RowAdded() {
  CheckTaken(SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"")));
}

// The control's row stays; only the text it is drawn from changed.
void Win32ListBox::RowChanged(int index) {
  CheckRow(index);
  RECT row;
  if (SendMessageW(hwnd_, LB_GETITEMRECT, WPARAM(index),
                   reinterpret_cast<LPARAM>(&row)) != LB_ERR)
    InvalidateRect(hwnd_, &row, TRUE);
}

void Win32ListBox::RowRemoved(int index) {
  CheckRow(index);
  const bool wasSelected = ListIndex() == index;
  SendMessageW(hwnd_, LB_DELETESTRING, WPARAM(index), 0);
  if (wasSelected) SendMessageW(hwnd_, LB_SETCURSEL, WPARAM(-1), 0);
}

int Win32ListBox::ListIndex() const {
  // A list whose window is gone answers every message with 0, row 0's index.
  if (!IsWindow(hwnd_)) return -1;
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
  SetControlToolTip(window_, hwnd_, shownTip_ = toolTip_, false);
}

// The ID and title fill the first 55% of a row, the card path the rest: one
// column for every row, with nothing to measure however many rows there are.
// The title gets more, as a path is shortened where it matters least.
Win32ListBox::Columns Win32ListBox::ColumnsOf(const RECT& row) const {
  constexpr int kTextMargin = 2;
  const int gap = int(window_.toolkit().LineHeight()) / 2;
  const int middle = row.left + (row.right - row.left) * 11 / 20;
  return {{row.left + kTextMargin, row.top, middle - gap, row.bottom},
          {middle, row.top, row.right - kTextMargin, row.bottom}};
}

// Draws one row (from the program's) in the selection's colours when selected. A
// title that does not fit loses its end, a card path its middle, so that the
// file name stays.
void Win32ListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID < UINT(Count())) {
    const auto [title, path] = rows_->Columns(item.itemID);
    Columns columns = ColumnsOf(area);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC,
                 GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextA(item.hDC, title.data(), int(title.size()), &columns.title,
              kOneLine | DT_END_ELLIPSIS);
    DrawTextA(item.hDC, path.data(), int(path.size()), &columns.path,
              kOneLine | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &area);
}

// Over a row that is shown shortened, the list's tooltip is that row whole,
// title and card path on a line each; anywhere else it is the list's own.
void Win32ListBox::OnMouseMove(LPARAM position) {
  const int height = int(SendMessageA(hwnd_, LB_GETITEMHEIGHT, 0, 0));
  const int y = GET_Y_LPARAM(position);
  const int row = height > 0 && y >= 0
                      ? int(SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)) + y / height
                      : -1;
  std::string tip = toolTip_;
  if (row >= 0 && row < Count() && IsShortened(std::size_t(row))) {
    const auto [title, path] = rows_->Columns(std::size_t(row));
    tip = std::string(title) + "\r\n" + std::string(path);
  }
  if (tip != shownTip_) SetControlToolTip(window_, hwnd_, shownTip_ = tip, false);
}

bool Win32ListBox::IsShortened(std::size_t row) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  const Columns columns = ColumnsOf(client);
  const auto [title, path] = rows_->Columns(row);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  const auto wider = [dc](std::string_view text, const RECT& room) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), int(text.size()), &size);
    return size.cx > room.right - room.left;
  };
  const bool shortened = wider(title, columns.title) || wider(path, columns.path);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  return shortened;
}

void Win32ListBox::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE)
    RunHandler(click_);
  else if (code == LBN_DBLCLK)
    RunHandler(dblClick_);
}

}  // namespace slotmate::win32
