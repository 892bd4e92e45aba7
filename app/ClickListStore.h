// Where the click list file lives and how it is read and replaced: bounded
// reads, atomic writes, damaged files kept aside.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

inline constexpr wchar_t kClickListFileName[] = L"Tapvane.list.txt";

// Beside Tapvane.exe when a file of that name is there and writable (portable
// use), else Tapvane\Tapvane.list.txt in the user's application data.
std::wstring ClickListLocation();

struct TFileStart {
  bool found = false;     // false with error 0: there is no such file
  bool cutShort = false;  // the file holds more than bytes
  DWORD error = 0;        // why it could not be read
  std::string bytes;
};
TFileStart ReadFileStart(const std::wstring& path, std::size_t limit);

// A temporary file beside path, flushed, then moved over path in one step: a
// crash leaves the old file or the new one. Creates the folder when missing.
// Returns 0 or the system's error code.
DWORD WriteFileReplacing(const std::wstring& path, std::string_view bytes);

// Moves a damaged file aside to NAME.damaged-YYYYMMDD-HHMMSS.txt (with -2,
// -3... when taken), never over an earlier one. Empty when it could not.
std::wstring SetDamagedFileAside(const std::wstring& path);

// The system's text for an error code, for messages to the user.
std::string SystemErrorText(DWORD error);

}  // namespace app
