// A control's message handler replaced for the life of this object, put back
// when it goes. Hooks on one control must go in the reverse order of coming.
#pragma once

#include <functional>
#include <utility>

#include "toolkit/controls/Controls.h"

namespace app {

class TWindowProcHook {
 public:
  // The handler gets every message and the handler it replaced, to pass the
  // message on or not.
  using THandler = std::function<void(TMessage& message, const TWndMethod& previous)>;

  TWindowProcHook(TControl& control, THandler handler)
      : control_(control), previous_(control.WindowProc), handler_(std::move(handler)) {
    control_.WindowProc = [this](TMessage& message) { handler_(message, previous_); };
  }
  ~TWindowProcHook() { control_.WindowProc = std::move(previous_); }
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;

 private:
  TControl& control_;
  TWndMethod previous_;
  THandler handler_;
};

}  // namespace app
