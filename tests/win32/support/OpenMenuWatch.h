// For a test that opens a menu, whose loop holds the thread until it closes:
// the menu loop's ticks look for the menu window, run the check on it once
// it shows, then close the menu.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "MenuLoopTicks.h"

namespace wintest {

class TOpenMenuWatch {
 public:
  explicit TOpenMenuWatch(std::function<void(HWND)> check)
      : check_(std::move(check)), ticks_([this](HWND menu) { Tick(menu); }) {}

  bool Seen() const { return seen_; }

 private:
  void Tick(HWND menu) {
    if (seen_ || !menu) return;
    seen_ = true;
    check_(menu);
    EndMenu();
  }

  std::function<void(HWND)> check_;
  bool seen_ = false;
  TMenuLoopTicks ticks_;  // last: it ticks into the members above
};

}  // namespace wintest
