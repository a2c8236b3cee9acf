#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace slotmate::platform {

// Message box styles and answers, as MessageBoxA takes and gives them.
inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbYesNo = 0x4;
inline constexpr std::uint32_t kMbIconQuestion = 0x20;
inline constexpr std::uint32_t kMbIconInformation = 0x40;
inline constexpr std::uint32_t kMbDefButton2 = 0x100;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
// What the open-file dialog gives when it could not be loaded at all, and
// when it refused the name chosen as longer than the file buffer.
inline constexpr int kNoFileDialog = -1;
inline constexpr int kFileNameTooLong = -2;

// The size that asks for the Windows NT 4.00 form of OPENFILENAMEA: its size in
// a 32-bit build. A 64-bit build hands the system that form's own, larger size.
inline constexpr std::uint32_t kOpenFileName400Size = 76;

// The fields of the OPENFILENAMEA record that the program fills; the text
// buffers are held as strings of their full length, NULs included, and are
// handed over as they are (with no more room stated than the string has).
struct OpenFileNameRecord {
  std::uint32_t lStructSize = 0;
  WindowHandle hwndOwner = 0;
  InstanceHandle hInstance = 0;
  std::string lpstrFilter;  // ends in two NULs
  std::string lpstrFile;    // in and out
  std::uint32_t nMaxFile = 0;
  std::string lpstrFileTitle;  // in and out
  std::uint32_t nMaxFileTitle = 0;
  std::string lpstrInitialDir;
  std::string lpstrTitle;
  std::uint32_t Flags = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button chosen (kIdOk, kIdYes, kIdNo).
  virtual int ShowMessage(WindowHandle owner, const std::string& text,
                          const std::string& title, std::uint32_t style) = 0;
  // A modal input box with OK and Cancel: the typed text on OK, an empty
  // text on Cancel.
  virtual std::string InputBox(WindowHandle owner, const std::string& prompt,
                               const std::string& title,
                               const std::string& defaultText) = 0;
  // GetOpenFileNameA with the record; on success the chosen path is in
  // lpstrFile. Returns the call's result (0 = cancelled or failed),
  // kFileNameTooLong when the name did not fit in lpstrFile, or kNoFileDialog
  // when the system's dialog could not be loaded.
  virtual int ShowOpenFileDialog(OpenFileNameRecord& record) = 0;
};

}  // namespace slotmate::platform
