// Live GDI and USER objects of the test process, counted by kind.
// GetGuiResources answers 0 under Wine, so the counter patches the import
// address table entries of the create and destroy functions in every
// module loaded (the test executable, which links our code statically,
// first of all) and tracks each handle with the kind it was created as.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

namespace wintest {

enum class HandleKind {
  Bitmap,    // CreateBitmap, CreateCompatibleBitmap, CreateDIBSection, ...
  DC,        // CreateCompatibleDC, CreateDC; DeleteDC
  WindowDC,  // GetDC, GetWindowDC, GetDCEx; ReleaseDC
  Brush,
  Pen,
  Font,
  Region,  // CreateRectRgn and kin, ExtCreateRegion (and CombineRgn targets)
  Icon,    // CreateIconIndirect, CopyImage, LoadImage without LR_SHARED; DestroyIcon
  Menu,    // CreateMenu, CreatePopupMenu, LoadMenu; DestroyMenu
  Window,  // CreateWindowExA/W; DestroyWindow
};
constexpr std::size_t kHandleKinds = 10;
const char* HandleKindName(HandleKind kind);

struct HandleCounts {
  std::array<long, kHandleKinds> live{};
  // GetGuiResources where the system answers; 0 where it does not (Wine).
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  long operator[](HandleKind kind) const { return live[static_cast<std::size_t>(kind)]; }
};

// Installs the hooks on first use (and on modules loaded since), forgets
// handles that went away by another path (child windows with their parent,
// a region handed to SetWindowRgn), then counts what lives.
HandleCounts Snapshot();

// How many import table entries the counter has patched so far.
int PatchedImports();

}  // namespace wintest
