// The counting hooks: each calls the real function, then tells the tracker
// what was created or destroyed.
#include <iterator>

#include "tests/win32/support/HandleCounter.h"
#include "tests/win32/support/HandleTracker.h"
#include "tests/win32/support/ImportPatching.h"

namespace wintest {
namespace {

template <typename F>
struct CreateHookOf;

template <typename R, typename... A>
struct CreateHookOf<R(WINAPI*)(A...)> {
  using Function = R(WINAPI*)(A...);
  template <Function* Real, HandleKind Kind>
  static R WINAPI Hook(A... arguments) {
    const R handle = (*Real)(arguments...);
    tracker::Created(handle, Kind);
    return handle;
  }
};

#define TAPVANE_REAL(name) decltype(&::name) real_##name = nullptr;
#define TAPVANE_CREATE(dll, name, kind)                                              \
  ImportHook {                                                                       \
    L##dll, #name,                                                                   \
        reinterpret_cast<void*>(                                                     \
            &CreateHookOf<decltype(&::name)>::Hook<&real_##name, HandleKind::kind>), \
        reinterpret_cast<void**>(&real_##name)                                       \
  }
#define TAPVANE_DESTROY(dll, name)                                                               \
  ImportHook {                                                                                   \
    L##dll, #name, reinterpret_cast<void*>(&Hook_##name), reinterpret_cast<void**>(&real_##name) \
  }

// The system's own functions, filled in when the hooks are installed.
TAPVANE_REAL(CreateBitmap)
TAPVANE_REAL(CreateBitmapIndirect)
TAPVANE_REAL(CreateCompatibleBitmap)
TAPVANE_REAL(CreateDIBSection)
TAPVANE_REAL(CreateDIBitmap)
TAPVANE_REAL(CreateCompatibleDC)
TAPVANE_REAL(CreateDCW)
TAPVANE_REAL(CreateDCA)
TAPVANE_REAL(GetDC)
TAPVANE_REAL(GetWindowDC)
TAPVANE_REAL(GetDCEx)
TAPVANE_REAL(CreateSolidBrush)
TAPVANE_REAL(CreateHatchBrush)
TAPVANE_REAL(CreatePatternBrush)
TAPVANE_REAL(CreateBrushIndirect)
TAPVANE_REAL(CreateDIBPatternBrushPt)
TAPVANE_REAL(CreatePen)
TAPVANE_REAL(CreatePenIndirect)
TAPVANE_REAL(ExtCreatePen)
TAPVANE_REAL(CreateFontW)
TAPVANE_REAL(CreateFontA)
TAPVANE_REAL(CreateFontIndirectW)
TAPVANE_REAL(CreateFontIndirectA)
TAPVANE_REAL(CreateFontIndirectExW)
TAPVANE_REAL(CreateRectRgn)
TAPVANE_REAL(CreateRectRgnIndirect)
TAPVANE_REAL(CreateRoundRectRgn)
TAPVANE_REAL(CreateEllipticRgn)
TAPVANE_REAL(CreateEllipticRgnIndirect)
TAPVANE_REAL(CreatePolygonRgn)
TAPVANE_REAL(CreatePolyPolygonRgn)
TAPVANE_REAL(ExtCreateRegion)
TAPVANE_REAL(PathToRegion)
TAPVANE_REAL(CreateIconIndirect)
TAPVANE_REAL(CreateIcon)
TAPVANE_REAL(CopyIcon)
TAPVANE_REAL(CreateMenu)
TAPVANE_REAL(CreatePopupMenu)
TAPVANE_REAL(LoadMenuW)
TAPVANE_REAL(LoadMenuA)
TAPVANE_REAL(CreateWindowExW)
TAPVANE_REAL(CreateWindowExA)
TAPVANE_REAL(DeleteObject)
TAPVANE_REAL(DeleteDC)
TAPVANE_REAL(ReleaseDC)
TAPVANE_REAL(DestroyIcon)
TAPVANE_REAL(DestroyCursor)
TAPVANE_REAL(DestroyMenu)
TAPVANE_REAL(DestroyWindow)
TAPVANE_REAL(CopyImage)
TAPVANE_REAL(LoadImageW)
TAPVANE_REAL(LoadImageA)
TAPVANE_REAL(SetWindowRgn)

// Destroying forgets the handle whatever kind it was created as, once the
// system agreed.
BOOL WINAPI Hook_DeleteObject(HGDIOBJ object) {
  const BOOL done = real_DeleteObject(object);
  if (done) tracker::Destroyed(object, tracker::HandleSpace::Gdi);
  return done;
}
// A region the window took is the system's from then on (Wine deletes it at
// once, so its handle value may come back as a region of the system's own).
int WINAPI Hook_SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  const int done = real_SetWindowRgn(window, region, redraw);
  if (done && region) tracker::Destroyed(region, tracker::HandleSpace::Gdi);
  return done;
}
BOOL WINAPI Hook_DeleteDC(HDC dc) {
  const BOOL done = real_DeleteDC(dc);
  if (done) tracker::Destroyed(dc, tracker::HandleSpace::Gdi);
  return done;
}
int WINAPI Hook_ReleaseDC(HWND window, HDC dc) {
  const int done = real_ReleaseDC(window, dc);
  if (done) tracker::Destroyed(dc, tracker::HandleSpace::Gdi);
  return done;
}
BOOL WINAPI Hook_DestroyIcon(HICON icon) {
  const BOOL done = real_DestroyIcon(icon);
  if (done) tracker::Destroyed(icon, tracker::HandleSpace::User);
  return done;
}
BOOL WINAPI Hook_DestroyCursor(HCURSOR cursor) {
  const BOOL done = real_DestroyCursor(cursor);
  if (done) tracker::Destroyed(cursor, tracker::HandleSpace::User);
  return done;
}
BOOL WINAPI Hook_DestroyMenu(HMENU menu) {
  const BOOL done = real_DestroyMenu(menu);
  if (done) tracker::Destroyed(menu, tracker::HandleSpace::User);
  return done;
}
BOOL WINAPI Hook_DestroyWindow(HWND window) {
  const BOOL done = real_DestroyWindow(window);
  if (done) tracker::Destroyed(window, tracker::HandleSpace::User);
  return done;
}

// Images: a bitmap counts as a bitmap, icons and cursors as icons; shared
// images belong to the system and are not counted.
void TrackImage(HANDLE image, UINT type) {
  if (type == IMAGE_BITMAP)
    tracker::Created(image, HandleKind::Bitmap);
  else if (type == IMAGE_ICON || type == IMAGE_CURSOR)
    tracker::Created(image, HandleKind::Icon);
}
HANDLE WINAPI Hook_CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags) {
  const HANDLE copy = real_CopyImage(image, type, cx, cy, flags);
  if (copy && (flags & LR_COPYDELETEORG) && copy != image) {
    tracker::Destroyed(
        image, type == IMAGE_BITMAP ? tracker::HandleSpace::Gdi : tracker::HandleSpace::User);
  }
  if (copy && !(flags & LR_SHARED) && copy != image) TrackImage(copy, type);
  return copy;
}
HANDLE WINAPI Hook_LoadImageW(HINSTANCE module, LPCWSTR name, UINT type, int cx, int cy,
                              UINT flags) {
  const HANDLE image = real_LoadImageW(module, name, type, cx, cy, flags);
  if (image && !(flags & LR_SHARED)) TrackImage(image, type);
  return image;
}
HANDLE WINAPI Hook_LoadImageA(HINSTANCE module, LPCSTR name, UINT type, int cx, int cy,
                              UINT flags) {
  const HANDLE image = real_LoadImageA(module, name, type, cx, cy, flags);
  if (image && !(flags & LR_SHARED)) TrackImage(image, type);
  return image;
}

ImportHook hooks[] = {
    TAPVANE_CREATE("gdi32.dll", CreateBitmap, Bitmap),
    TAPVANE_CREATE("gdi32.dll", CreateBitmapIndirect, Bitmap),
    TAPVANE_CREATE("gdi32.dll", CreateCompatibleBitmap, Bitmap),
    TAPVANE_CREATE("gdi32.dll", CreateDIBSection, Bitmap),
    TAPVANE_CREATE("gdi32.dll", CreateDIBitmap, Bitmap),
    TAPVANE_CREATE("gdi32.dll", CreateCompatibleDC, DC),
    TAPVANE_CREATE("gdi32.dll", CreateDCW, DC),
    TAPVANE_CREATE("gdi32.dll", CreateDCA, DC),
    TAPVANE_CREATE("user32.dll", GetDC, WindowDC),
    TAPVANE_CREATE("user32.dll", GetWindowDC, WindowDC),
    TAPVANE_CREATE("user32.dll", GetDCEx, WindowDC),
    TAPVANE_CREATE("gdi32.dll", CreateSolidBrush, Brush),
    TAPVANE_CREATE("gdi32.dll", CreateHatchBrush, Brush),
    TAPVANE_CREATE("gdi32.dll", CreatePatternBrush, Brush),
    TAPVANE_CREATE("gdi32.dll", CreateBrushIndirect, Brush),
    TAPVANE_CREATE("gdi32.dll", CreateDIBPatternBrushPt, Brush),
    TAPVANE_CREATE("gdi32.dll", CreatePen, Pen),
    TAPVANE_CREATE("gdi32.dll", CreatePenIndirect, Pen),
    TAPVANE_CREATE("gdi32.dll", ExtCreatePen, Pen),
    TAPVANE_CREATE("gdi32.dll", CreateFontW, Font),
    TAPVANE_CREATE("gdi32.dll", CreateFontA, Font),
    TAPVANE_CREATE("gdi32.dll", CreateFontIndirectW, Font),
    TAPVANE_CREATE("gdi32.dll", CreateFontIndirectA, Font),
    TAPVANE_CREATE("gdi32.dll", CreateFontIndirectExW, Font),
    TAPVANE_CREATE("gdi32.dll", CreateRectRgn, Region),
    TAPVANE_CREATE("gdi32.dll", CreateRectRgnIndirect, Region),
    TAPVANE_CREATE("gdi32.dll", CreateRoundRectRgn, Region),
    TAPVANE_CREATE("gdi32.dll", CreateEllipticRgn, Region),
    TAPVANE_CREATE("gdi32.dll", CreateEllipticRgnIndirect, Region),
    TAPVANE_CREATE("gdi32.dll", CreatePolygonRgn, Region),
    TAPVANE_CREATE("gdi32.dll", CreatePolyPolygonRgn, Region),
    TAPVANE_CREATE("gdi32.dll", ExtCreateRegion, Region),
    TAPVANE_CREATE("gdi32.dll", PathToRegion, Region),
    TAPVANE_CREATE("user32.dll", CreateIconIndirect, Icon),
    TAPVANE_CREATE("user32.dll", CreateIcon, Icon),
    TAPVANE_CREATE("user32.dll", CopyIcon, Icon),
    TAPVANE_CREATE("user32.dll", CreateMenu, Menu),
    TAPVANE_CREATE("user32.dll", CreatePopupMenu, Menu),
    TAPVANE_CREATE("user32.dll", LoadMenuW, Menu),
    TAPVANE_CREATE("user32.dll", LoadMenuA, Menu),
    TAPVANE_CREATE("user32.dll", CreateWindowExW, Window),
    TAPVANE_CREATE("user32.dll", CreateWindowExA, Window),
    TAPVANE_DESTROY("gdi32.dll", DeleteObject),
    TAPVANE_DESTROY("gdi32.dll", DeleteDC),
    TAPVANE_DESTROY("user32.dll", ReleaseDC),
    TAPVANE_DESTROY("user32.dll", DestroyIcon),
    TAPVANE_DESTROY("user32.dll", DestroyCursor),
    TAPVANE_DESTROY("user32.dll", DestroyMenu),
    TAPVANE_DESTROY("user32.dll", DestroyWindow),
    TAPVANE_DESTROY("user32.dll", CopyImage),
    TAPVANE_DESTROY("user32.dll", LoadImageW),
    TAPVANE_DESTROY("user32.dll", LoadImageA),
    TAPVANE_DESTROY("user32.dll", SetWindowRgn),
};

int patchedImports = 0;

}  // namespace

const char* HandleKindName(HandleKind kind) {
  static const char* const names[kHandleKinds] = {"bitmaps", "DCs",    "window DCs", "brushes",
                                                  "pens",    "fonts",  "regions",    "icons",
                                                  "menus",   "windows"};
  return names[static_cast<std::size_t>(kind)];
}

HandleCounts Snapshot() {
  // Modules loaded since the last snapshot get their entries patched too.
  patchedImports += PatchLoadedModules(hooks, std::size(hooks));
  HandleCounts counts;
  counts.live = tracker::CountLive();
  counts.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counts.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  return counts;
}

int PatchedImports() { return patchedImports; }

}  // namespace wintest
