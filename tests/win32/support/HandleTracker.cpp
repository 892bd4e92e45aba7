#include "tests/win32/support/HandleTracker.h"

#include <mutex>
#include <unordered_map>

namespace wintest::tracker {
namespace {

struct Key {
  const void* handle;
  HandleSpace space;
  bool operator==(const Key&) const = default;
};
struct KeyHash {
  size_t operator()(const Key& key) const {
    return std::hash<const void*>()(key.handle) ^ static_cast<size_t>(key.space);
  }
};
using LiveMap = std::unordered_map<Key, HandleKind, KeyHash>;

struct State {
  std::mutex lock;
  LiveMap live;
};

// Never destroyed: hooks may run while the process shuts down.
State& Tracked() {
  static State* state = new State;
  return *state;
}

bool IconAlive(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

// Whether the handle still names an object of its kind: windows go with
// their parent, menus with their window, a region given to SetWindowRgn
// belongs to the system.
bool StillAlive(const void* handle, HandleKind kind) {
  const auto gdi = static_cast<HGDIOBJ>(const_cast<void*>(handle));
  const DWORD type = GetObjectType(gdi);
  switch (kind) {
    case HandleKind::Bitmap:
      return type == OBJ_BITMAP;
    case HandleKind::DC:
      return type == OBJ_MEMDC || type == OBJ_DC;
    case HandleKind::WindowDC:
      return true;  // cached DCs stay valid: only ReleaseDC counts
    case HandleKind::Brush:
      return type == OBJ_BRUSH;
    case HandleKind::Pen:
      return type == OBJ_PEN || type == OBJ_EXTPEN;
    case HandleKind::Font:
      return type == OBJ_FONT;
    case HandleKind::Region:
      return type == OBJ_REGION;
    case HandleKind::Icon:
      return IconAlive(static_cast<HICON>(gdi));
    case HandleKind::Menu:
      return IsMenu(static_cast<HMENU>(gdi)) != FALSE;
    case HandleKind::Window:
      return IsWindow(static_cast<HWND>(gdi)) != FALSE;
  }
  return false;
}

}  // namespace

HandleSpace SpaceOf(HandleKind kind) {
  switch (kind) {
    case HandleKind::Icon:
    case HandleKind::Menu:
    case HandleKind::Window:
      return HandleSpace::User;
    default:
      return HandleSpace::Gdi;
  }
}

void Created(const void* handle, HandleKind kind) {
  if (!handle) return;
  State& state = Tracked();
  const std::lock_guard guard(state.lock);
  state.live[Key{handle, SpaceOf(kind)}] = kind;
}

void Destroyed(const void* handle, HandleSpace space) {
  State& state = Tracked();
  const std::lock_guard guard(state.lock);
  state.live.erase(Key{handle, space});
}

std::array<long, kHandleKinds> CountLive() {
  State& state = Tracked();
  LiveMap live;
  {
    const std::lock_guard guard(state.lock);
    live = state.live;
  }
  // Checked outside the lock: GetIconInfo creates bitmaps through hooked
  // paths in some modules.
  std::array<long, kHandleKinds> counts{};
  for (const auto& [key, kind] : live) {
    if (StillAlive(key.handle, kind)) {
      ++counts[static_cast<std::size_t>(kind)];
    } else {
      const std::lock_guard guard(state.lock);
      const auto found = state.live.find(key);
      if (found != state.live.end() && found->second == kind) state.live.erase(found);
    }
  }
  return counts;
}

}  // namespace wintest::tracker
