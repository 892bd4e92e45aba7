// For a test that steps through several menus in a row, whose loops hold
// the thread: a thread timer hands each tick the visible menu window (or
// nullptr between menus) until the object goes.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace wintest {

inline HWND VisibleMenuWindow() {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    if (IsWindowVisible(w)) return w;
  }
  return nullptr;
}

class TMenuLoopTicks {
 public:
  explicit TMenuLoopTicks(std::function<void(HWND)> step) : step_(std::move(step)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 60, &Tick);
  }
  ~TMenuLoopTicks() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TMenuLoopTicks(const TMenuLoopTicks&) = delete;
  TMenuLoopTicks& operator=(const TMenuLoopTicks&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_->step_(VisibleMenuWindow());
  }

  static inline TMenuLoopTicks* current_ = nullptr;
  std::function<void(HWND)> step_;
  UINT_PTR timer_ = 0;
};

}  // namespace wintest
