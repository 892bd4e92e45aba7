#include "skin/core/WindowHook.h"

#include <array>
#include <string>

#include "toolkit/controls/Application.h"

namespace {

constexpr int kRoleCount = 4;
constexpr const wchar_t* kRoleNames[kRoleCount] = {L"Frame", L"MdiClient", L"Control",
                                                   L"PopupMenu"};

// Global atoms of our own property names, added once and deleted when the
// program ends.
class THookAtoms {
 public:
  THookAtoms() {
    for (int role = 0; role < kRoleCount; ++role) {
      const std::wstring name = std::wstring(L"TapvaneSkinHook.") + kRoleNames[role];
      objects_[role] = GlobalAddAtomW(name.c_str());
      olds_[role] = GlobalAddAtomW((name + L".Old").c_str());
    }
  }
  ~THookAtoms() {
    for (int role = 0; role < kRoleCount; ++role) {
      GlobalDeleteAtom(objects_[role]);
      GlobalDeleteAtom(olds_[role]);
    }
  }
  THookAtoms(const THookAtoms&) = delete;
  THookAtoms& operator=(const THookAtoms&) = delete;

  LPCWSTR Object(THookRole role) const { return MAKEINTATOM(objects_[static_cast<int>(role)]); }
  LPCWSTR Old(THookRole role) const { return MAKEINTATOM(olds_[static_cast<int>(role)]); }

 private:
  std::array<ATOM, kRoleCount> objects_{};
  std::array<ATOM, kRoleCount> olds_{};
};

const THookAtoms& Atoms() {
  static const THookAtoms atoms;
  return atoms;
}

LONG_PTR GetProcedure(HWND window, bool unicode) {
  return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                 : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetProcedure(HWND window, bool unicode, LONG_PTR procedure) {
  return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT Forward(WNDPROC procedure, bool unicode, HWND window, UINT msg, WPARAM wParam,
                LPARAM lParam) {
  if (!procedure) {
    return unicode ? DefWindowProcW(window, msg, wParam, lParam)
                   : DefWindowProcA(window, msg, wParam, lParam);
  }
  return unicode ? CallWindowProcW(procedure, window, msg, wParam, lParam)
                 : CallWindowProcA(procedure, window, msg, wParam, lParam);
}

}  // namespace

TWindowHook::~TWindowHook() { Restore(); }

WNDPROC TWindowHook::ProcedureOf(THookRole role) {
  switch (role) {
    case THookRole::Frame:
      return &FrameProc;
    case THookRole::MdiClient:
      return &MdiClientProc;
    case THookRole::Control:
      return &ControlProc;
    case THookRole::PopupMenu:
      break;
  }
  return &PopupMenuProc;
}

bool TWindowHook::Install(HWND window) {
  if (window_ || !IsWindow(window)) return false;
  const THookAtoms& atoms = Atoms();
  if (GetPropW(window, atoms.Object(role_))) return false;
  unicode_ = IsWindowUnicode(window) != FALSE;
  oldProc_ = reinterpret_cast<WNDPROC>(GetProcedure(window, unicode_));
  // The properties first: the first message may arrive inside SetWindowLongPtr.
  SetPropW(window, atoms.Object(role_), this);
  SetPropW(window, atoms.Old(role_), reinterpret_cast<HANDLE>(oldProc_));
  window_ = window;
  SetProcedure(window, unicode_, reinterpret_cast<LONG_PTR>(ProcedureOf(role_)));
  return true;
}

bool TWindowHook::Restore() {
  if (!window_) return false;
  const THookAtoms& atoms = Atoms();
  const HWND window = window_;
  window_ = nullptr;
  if (!IsWindow(window)) return false;
  if (GetPropW(window, atoms.Object(role_)) == this) RemovePropW(window, atoms.Object(role_));
  const bool ours =
      GetProcedure(window, unicode_) == reinterpret_cast<LONG_PTR>(ProcedureOf(role_));
  if (!ours) return false;  // the old-procedure property keeps forwarding
  SetProcedure(window, unicode_, reinterpret_cast<LONG_PTR>(oldProc_));
  RemovePropW(window, atoms.Old(role_));
  return true;
}

void TWindowHook::Forget() {
  if (!window_) return;
  if (GetPropW(window_, Atoms().Object(role_)) == this) {
    RemovePropW(window_, Atoms().Object(role_));
  }
  window_ = nullptr;
}

LRESULT TWindowHook::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return Forward(oldProc_, unicode_, window_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Dispatch(THookRole::Frame, window, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::MdiClientProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Dispatch(THookRole::MdiClient, window, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Dispatch(THookRole::Control, window, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::PopupMenuProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Dispatch(THookRole::PopupMenu, window, msg, wParam, lParam);
}

LRESULT TWindowHook::Dispatch(THookRole role, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const THookAtoms& atoms = Atoms();
  auto* hook = static_cast<TWindowHook*>(GetPropW(window, atoms.Object(role)));
  if (!hook) {
    // Our object is gone but someone subclassed after us: keep the chain.
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(window, atoms.Old(role)));
    const bool unicode = IsWindowUnicode(window) != FALSE;
    if (msg == WM_NCDESTROY) RemovePropW(window, atoms.Old(role));
    return Forward(old, unicode, window, msg, wParam, lParam);
  }
  LRESULT result = 0;
  try {
    result = hook->target_.HookedMessage(*hook, msg, wParam, lParam);
  } catch (...) {
    // A failure in the skin must not unwind through the system's frames.
    if (Application) Application->HandleException(nullptr);
  }
  if (msg == WM_NCDESTROY) {
    // Whatever the target did, the window's properties go with it.
    hook = static_cast<TWindowHook*>(GetPropW(window, atoms.Object(role)));
    if (hook) hook->Forget();
    RemovePropW(window, atoms.Old(role));
  }
  return result;
}
