// A timer component: a hidden window of its own receives WM_TIMER.
#pragma once

#include <memory>

#include "toolkit/core/Classes.h"
#include "toolkit/graphics/ScopedHandles.h"

class TTimer : public TComponent {
  TAPVANE_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // Milliseconds; 0 arms nothing, whatever Enabled says.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned value);
  TNotifyEvent OnTimer;

  // Whether a system timer is running now.
  bool Armed() const { return armed_; }

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();
  void Fire();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool armed_ = false;
  // OnTimer (or the box reporting its exception) is running: a handler that
  // goes on handling messages must not be entered again by its own ticks.
  bool firing_ = false;
  bool tickMissed_ = false;
  // Expires with the timer, for a handler that frees its own timer.
  std::shared_ptr<int> lifetime_ = std::make_shared<int>();
  TWindowHandle window_;
};
