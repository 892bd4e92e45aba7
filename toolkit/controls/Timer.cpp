#include "toolkit/controls/Timer.h"

#include "toolkit/controls/Application.h"
#include "toolkit/controls/Controls.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
// Posted to the timer's window for a tick that fell due while OnTimer ran.
constexpr UINT kCatchUpTick = WM_APP + 1;
constexpr wchar_t kTimerClass[] = L"TPUtilWindow";

}  // namespace

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
                                     .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                     .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                     .Event("OnTimer", &TTimer::OnTimer)
                                     .Build();
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  static const ATOM cls = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTimerClass;
    return RegisterClassExW(&wc);
  }();
  if (!cls) throw EOutOfResources("Cannot register the timer window class");
  window_.Reset(CreateWindowExW(0, kTimerClass, L"", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw EOutOfResources("Cannot create the timer window");
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

void TTimer::SetEnabled(bool value) {
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  interval_ = value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (armed_) KillTimer(window_.Get(), kTimerId);
  armed_ = false;
  if (enabled_ && interval_ != 0) {
    armed_ = SetTimer(window_.Get(), kTimerId, interval_, nullptr) != 0;
    if (!armed_) throw EOutOfResources("Not enough timers available");
  }
}

LRESULT CALLBACK TTimer::TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER && msg != kCatchUpTick) return DefWindowProcW(window, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // A catch-up posted before a stop is void.
  if (timer && (msg == WM_TIMER || timer->armed_)) timer->Fire();
  return 0;
}

void TTimer::Fire() {
  if (!OnTimer) return;
  if (firing_) {
    tickMissed_ = true;
    return;
  }
  const std::weak_ptr<int> alive = lifetime_;
  firing_ = true;
  tickMissed_ = false;
  bool failed = false;
  try {
    OnTimer(this);
  } catch (...) {
    failed = true;
    if (Application) Application->HandleException(this);
  }
  if (alive.expired()) return;
  firing_ = false;
  // A handler that blocked would have found that tick waiting in the queue;
  // one that handled messages meanwhile swallowed it. After an error the
  // next tick keeps to the period.
  if (tickMissed_ && !failed && armed_) PostMessageW(window_.Get(), kCatchUpTick, 0, 0);
}
