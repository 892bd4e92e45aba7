// For a test that opens a menu, whose loop holds the thread until it closes:
// a thread timer looks for the menu window, runs the check on it once it
// shows, then closes the menu.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace wintest {

class TOpenMenuWatch {
 public:
  explicit TOpenMenuWatch(std::function<void(HWND)> check) : check_(std::move(check)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~TOpenMenuWatch() {
    if (timer_) KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TOpenMenuWatch(const TOpenMenuWatch&) = delete;
  TOpenMenuWatch& operator=(const TOpenMenuWatch&) = delete;

  bool Seen() const { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!current_ || !menu || !IsWindowVisible(menu)) return;
    TOpenMenuWatch& watch = *current_;
    KillTimer(nullptr, watch.timer_);
    watch.timer_ = 0;
    watch.seen_ = true;
    watch.check_(menu);
    EndMenu();
  }

  static inline TOpenMenuWatch* current_ = nullptr;
  std::function<void(HWND)> check_;
  UINT_PTR timer_ = 0;
  bool seen_ = false;
};

}  // namespace wintest
