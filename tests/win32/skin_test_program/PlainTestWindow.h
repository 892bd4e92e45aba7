// A top-level window made with the Win32 API alone, not a toolkit control:
// what the skin engine meets in windows other code creates.
#pragma once

#include <windows.h>

class TPlainTestWindow {
 public:
  TPlainTestWindow(int x, int y, const wchar_t* caption = L"Plain Win32 window");
  ~TPlainTestWindow();
  TPlainTestWindow(const TPlainTestWindow&) = delete;
  TPlainTestWindow& operator=(const TPlainTestWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};
