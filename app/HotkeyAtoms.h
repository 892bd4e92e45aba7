// The main window's global hotkeys: 13 global atoms "0".."12", the atom
// values doubling as hotkey identifiers; "11" is Ctrl+S, "12" is Ctrl+A.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace app {

class THotkeyAtoms {
 public:
  static constexpr int kCount = 13;
  static constexpr int kCaptureIndex = 11;
  static constexpr int kStopIndex = 12;

  THotkeyAtoms() = default;
  ~THotkeyAtoms() { Release(); }
  THotkeyAtoms(const THotkeyAtoms&) = delete;
  THotkeyAtoms& operator=(const THotkeyAtoms&) = delete;

  // Adds the atoms and registers Ctrl+S and Ctrl+A for window. A hotkey
  // another program already holds simply stays inactive.
  void Register(HWND window);
  // Unregisters every identifier and deletes every atom, in index order;
  // safe to call more than once.
  void Release();

  // The slot of index: the atom in the low 16 bits, 0 when not held.
  std::uint32_t Slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }
  bool IsCapture(WPARAM id) const { return held_ && id == Slot(kCaptureIndex); }
  bool IsStop(WPARAM id) const { return held_ && id == Slot(kStopIndex); }
  bool Held() const { return held_; }

 private:
  std::array<std::uint32_t, kCount> slots_{};
  HWND window_ = nullptr;
  bool held_ = false;
};

}  // namespace app
