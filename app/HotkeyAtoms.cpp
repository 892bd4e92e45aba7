#include "app/HotkeyAtoms.h"

#include <string>

namespace app {

void THotkeyAtoms::Register(HWND window) {
  if (held_) Release();
  window_ = window;
  for (int i = 0; i < kCount; ++i) {
    const std::string text = std::to_string(i);
    slots_[static_cast<std::size_t>(i)] = GlobalAddAtomA(text.c_str());
  }
  held_ = true;
  RegisterHotKey(window_, static_cast<int>(Slot(kCaptureIndex) & 0xFFFF), MOD_CONTROL, 0x53);
  RegisterHotKey(window_, static_cast<int>(Slot(kStopIndex) & 0xFFFF), MOD_CONTROL, 0x41);
}

void THotkeyAtoms::Release() {
  if (!held_) return;
  // Identifiers 0 to 10 were never registered; unregistering them just fails.
  for (int i = 0; i < kCount; ++i) {
    const auto atom = static_cast<ATOM>(Slot(i) & 0xFFFF);
    UnregisterHotKey(window_, atom);
    GlobalDeleteAtom(atom);
    slots_[static_cast<std::size_t>(i)] = 0;
  }
  held_ = false;
  window_ = nullptr;
}

}  // namespace app
