#include "tests/win32/support/MessageRecorders.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

#include "tests/win32/support/DefWindowProcTracking.h"
#include "tests/win32/support/FlushEvents.h"
#include "toolkit/controls/WinControl.h"

namespace wintest {
namespace {

thread_local RecordingWindow* creatingWindow = nullptr;

// One window procedure per slot and character set: no executable thunks,
// and stacked recorders on one window each find their own link through
// their slot's property.
constexpr int kSlots = 8;

std::wstring SlotProperty(int slot) {
  wchar_t name[40];
  std::swprintf(name, 40, L"TapvaneTestRecorder%d", slot);
  return name;
}

}  // namespace

struct WindowProcRecorder::Link {
  MessageLog* log;
  unsigned extraFlags;
  HWND window;
  WNDPROC previous = nullptr;
  WNDPROC ours = nullptr;
  bool unicode = true;
  int slot = 0;
  bool windowGone = false;
};

namespace {

template <int Slot, bool Unicode>
LRESULT CALLBACK SlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const std::wstring property = SlotProperty(Slot);
  auto* link = static_cast<WindowProcRecorder::Link*>(GetPropW(window, property.c_str()));
  if (!link)
    return Unicode ? DefWindowProcW(window, message, wParam, lParam)
                   : DefWindowProcA(window, message, wParam, lParam);
  if (link->log) {
    link->log->Add({message, ArrivalFlags(window, message, wParam, lParam) | link->extraFlags,
                    wParam, lParam});
  }
  const WNDPROC previous = link->previous;
  const LRESULT result = Unicode ? CallWindowProcW(previous, window, message, wParam, lParam)
                                 : CallWindowProcA(previous, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RemovePropW(window, property.c_str());
    link->windowGone = true;
  }
  return result;
}

template <int... Slots>
constexpr std::pair<WNDPROC, WNDPROC> SlotProcs(int slot, std::integer_sequence<int, Slots...>) {
  std::pair<WNDPROC, WNDPROC> found{};
  ((slot == Slots ? (found = {&SlotProc<Slots, true>, &SlotProc<Slots, false>}, 0) : 0), ...);
  return found;
}

}  // namespace

unsigned ArrivalFlags(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  unsigned flags = IsDispatchedNow(window, message, wParam, lParam) ? posted : sent;
  if (InsideDefWindowProc()) flags |= defwinproc;
  return flags;
}

WindowProcRecorder::WindowProcRecorder(MessageLog& log, HWND window, unsigned extraFlags)
    : link_(std::make_unique<Link>(Link{&log, extraFlags, window})) {
  TrackDefWindowProc();
  int slot = 0;
  while (slot < kSlots && GetPropW(window, SlotProperty(slot).c_str())) ++slot;
  if (slot == kSlots) throw std::runtime_error("too many recorders on one window");
  link_->slot = slot;
  link_->unicode = IsWindowUnicode(window) != FALSE;
  const auto procs = SlotProcs(slot, std::make_integer_sequence<int, kSlots>{});
  link_->ours = link_->unicode ? procs.first : procs.second;
  SetPropW(window, SlotProperty(slot).c_str(), link_.get());
  const LONG_PTR ours = reinterpret_cast<LONG_PTR>(link_->ours);
  link_->previous =
      reinterpret_cast<WNDPROC>(link_->unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, ours)
                                               : SetWindowLongPtrA(window, GWLP_WNDPROC, ours));
}

WindowProcRecorder::~WindowProcRecorder() {
  if (link_->windowGone || !IsWindow(link_->window)) return;
  const HWND window = link_->window;
  const LONG_PTR current = link_->unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                          : GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (current != reinterpret_cast<LONG_PTR>(link_->ours)) {
    // Somebody subclassed after us and still calls us: the link stays for
    // the life of the window and only forwards.
    link_->log = nullptr;
    (void)link_.release();
    return;
  }
  const LONG_PTR previous = reinterpret_cast<LONG_PTR>(link_->previous);
  if (link_->unicode)
    SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
  else
    SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
  RemovePropW(window, SlotProperty(link_->slot).c_str());
}

ControlRecorder::ControlRecorder(MessageLog& log, TControl& control, unsigned extraFlags)
    : control_(control), saved_(control.WindowProc) {
  TrackDefWindowProc();
  control_.WindowProc = [this, &log, extraFlags](TMessage& message) {
    auto* windowed = dynamic_cast<TWinControl*>(&control_);
    const HWND window = windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    log.Add({message.Msg,
             ArrivalFlags(window, message.Msg, message.WParam, message.LParam) | extraFlags,
             message.WParam, message.LParam});
    saved_(message);
  };
}

ControlRecorder::~ControlRecorder() { control_.WindowProc = saved_; }

RecordingWindow::RecordingWindow(MessageLog& log, const Params& params)
    : log_(log), extraFlags_(params.extraFlags) {
  TrackDefWindowProc();
  static const ATOM atom = [] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = &RecordingWindow::Procedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = L"TapvaneRecordingWindow";
    return RegisterClassExW(&cls);
  }();
  creatingWindow = this;
  const RECT& r = params.bounds;
  window_ = CreateWindowExW(params.exStyle, MAKEINTATOM(atom), params.text, params.style, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, params.parent, nullptr,
                            GetModuleHandleW(nullptr), this);
  creatingWindow = nullptr;
  if (!window_) throw std::runtime_error("CreateWindowExW failed for a recording window");
}

RecordingWindow::~RecordingWindow() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT CALLBACK RecordingWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self && creatingWindow) {
    // Messages before WM_NCCREATE returns (WM_GETMINMAXINFO) come here too.
    self = creatingWindow;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self)
    self->log_.Add({message, ArrivalFlags(window, message, wParam, lParam) | self->extraFlags_,
                    wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace wintest
