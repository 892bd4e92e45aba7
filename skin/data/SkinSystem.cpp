#include "skin/data/SkinSystem.h"

#include <cstdint>
#include <cstdio>

#include "toolkit/controls/MouseTracking.h"
#include "toolkit/controls/ToolkitWindow.h"

namespace {

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// Loaded with the program and released at its end.
class TOptionalUser32 {
 public:
  TOptionalUser32() : library_(LoadLibraryW(L"user32.dll")) {
    if (!library_) return;
    getScrollBarInfo_ = Lookup<TGetScrollBarInfo>("GetScrollBarInfo");
    trackMouseEvent_ = Lookup<TTrackMouseEvent>("TrackMouseEvent");
  }
  ~TOptionalUser32() {
    if (library_) FreeLibrary(library_);
  }
  TOptionalUser32(const TOptionalUser32&) = delete;
  TOptionalUser32& operator=(const TOptionalUser32&) = delete;

  TGetScrollBarInfo GetScrollBarInfo() const { return getScrollBarInfo_; }
  TTrackMouseEvent TrackMouseEvent() const { return trackMouseEvent_; }

 private:
  template <typename F>
  F Lookup(const char* name) const {
    // Through the generic function type, which any function pointer may take.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library_, name)));
  }

  HMODULE library_;
  TGetScrollBarInfo getScrollBarInfo_ = nullptr;
  TTrackMouseEvent trackMouseEvent_ = nullptr;
};

const TOptionalUser32 user32;

}  // namespace

bool HasGetScrollBarInfo() { return user32.GetScrollBarInfo() != nullptr; }
bool HasTrackMouseEvent() { return user32.TrackMouseEvent() != nullptr; }

bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) {
  const auto query = user32.GetScrollBarInfo();
  return query && query(window, objectId, info);
}

void SkinTrackMouseLeave(HWND window) {
  const auto track = user32.TrackMouseEvent();
  if (!track) return;
  TRACKMOUSEEVENT request = MouseLeaveRequest(window);
  track(&request);
}

std::string ControlAtomText() {
  // The same text the toolkit registers: the instance handle as 32 bits.
  char text[32];
  std::snprintf(
      text, sizeof text, "ControlOfs%.8lX%.8lX",
      static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
      static_cast<unsigned long>(GetCurrentThreadId()));
  return text;
}

TWinControl* ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}
