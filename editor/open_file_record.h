#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace slotmate {

inline constexpr std::uint32_t kOpenFileNameSize = platform::kOpenFileName400Size;
inline constexpr std::uint32_t kOfnFileMustExist = 0x1000;
inline constexpr std::uint32_t kOfnHideReadOnly = 0x4;
// Room for the longest path Windows takes (MAX_PATH with its terminating NUL).
inline constexpr std::uint32_t kOpenFileBufferSize = 260;

// "Name|pattern|Name|pattern" as the open-file dialog takes it: each "|"
// becomes a NUL, and the list ends in two NULs whether or not it ended in "|".
std::string DialogFilter(std::string_view filter);

// The record the open-file dialog is shown with: its file buffers hold no
// name (NULs to the end), so the dialog's "File name" box starts empty.
platform::OpenFileNameRecord MakeOpenFileRecord(platform::WindowHandle owner,
                                                platform::InstanceHandle instance,
                                                std::string_view filter,
                                                const std::string& title,
                                                const std::string& initialDir);

// The path the dialog left in its file buffer: the text before the first NUL,
// without outer blanks.
std::string ChosenFile(std::string_view fileBuffer);

}  // namespace slotmate
