#include "app/CursorDpi.h"

namespace app {

namespace {

// DPI_AWARENESS_CONTEXT is a handle-sized value; our headers target Windows 7.
using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

SetThreadDpiAwarenessContextFn LookUpSetContext() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<SetThreadDpiAwarenessContextFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
}

SetThreadDpiAwarenessContextFn SetContext() {
  static const SetThreadDpiAwarenessContextFn function = LookUpSetContext();
  return function;
}

}  // namespace

bool HasThreadDpiAwareness() { return SetContext() != nullptr; }

TPerMonitorDpiScope::TPerMonitorDpiScope() {
  const auto set = SetContext();
  if (!set) return;
  // Version 2 exists from Windows 10 1703; earlier systems know only version 1.
  previous_ = set(kPerMonitorAwareV2);
  if (!previous_) previous_ = set(kPerMonitorAware);
}

TPerMonitorDpiScope::~TPerMonitorDpiScope() {
  if (previous_) SetContext()(previous_);
}

bool GetCursorPosPhysical(POINT& point) {
  const TPerMonitorDpiScope scope;
  return GetCursorPos(&point) != FALSE;
}

void SetCursorPosPhysical(int x, int y) {
  const TPerMonitorDpiScope scope;
  SetCursorPos(x, y);
}

}  // namespace app
