// The click pass's input sent to the system.
#pragma once

#include "app/ClickEngine.h"

namespace app {

class TWin32ClickInput final : public TClickInput {
 public:
  void SetCursorPos(int x, int y) override;
  void MouseEvent(unsigned flags) override;
  void Sleep(unsigned milliseconds) override;
};

}  // namespace app
