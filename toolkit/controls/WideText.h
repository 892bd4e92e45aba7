// UTF-8 <-> UTF-16 at the Win32 boundary (wchar_t is 16 bits on Windows).
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/core/SysUtils.h"

inline std::wstring ToWide(const String& text) {
  const WideString wide = Utf8ToWide(text);
  return std::wstring(wide.begin(), wide.end());
}

inline String FromWide(const wchar_t* text, size_t length) {
  return WideToUtf8(WideString(text, text + length));
}

inline String FromWide(const std::wstring& text) { return FromWide(text.data(), text.size()); }

// The text of a window, read with its length first.
inline String WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return FromWide(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}
