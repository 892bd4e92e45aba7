// The click pass's input sent to the system.
#pragma once

#include <functional>

#include "app/ClickEngine.h"

namespace app {

class TWin32ClickInput final : public TClickInput {
 public:
  // running is asked again and again while a wait goes on; a no ends it.
  explicit TWin32ClickInput(std::function<bool()> running) : running_(std::move(running)) {}
  void SetCursorPos(int x, int y) override;
  void MouseEvent(unsigned flags) override;
  // Goes on handling the thread's messages, so the window paints and answers
  // and Ctrl+A or a close is seen while the pass waits.
  bool Wait(unsigned milliseconds) override;

 private:
  std::function<bool()> running_;
};

}  // namespace app
