#include "gallery/GalleryMdiFrame.h"

namespace {

constexpr UINT kCascade = 101;
constexpr UINT kTile = 102;
constexpr UINT kMaximise = 103;

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND client = MdiClientOf(window);
  if (message == WM_COMMAND && client) {
    switch (LOWORD(wParam)) {
      case kCascade:
        SendMessageW(client, WM_MDICASCADE, 0, 0);
        return 0;
      case kTile:
        SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
        return 0;
      case kMaximise:
        if (const auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)))
          SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        return 0;
      default:
        break;
    }
  }
  return MdiFrameProc(window, message, wParam, lParam);
}

// The frame's menu bar, so that a maximised child shows its buttons in it.
HMENU MakeFrameMenu() {
  const HMENU bar = CreateMenu();
  const HMENU windows = CreatePopupMenu();
  AppendMenuW(windows, MF_STRING, kCascade, L"层叠(&C)");
  AppendMenuW(windows, MF_STRING, kTile, L"平铺(&T)");
  AppendMenuW(windows, MF_STRING, kMaximise, L"最大化子窗口(&M)");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), L"子窗口(&W)");
  return bar;
}

TMdiFrameArgs GalleryFrameArgs(int x, int y) {
  TMdiFrameArgs args;
  args.FrameClass = L"SkinGalleryMdiFrame";
  args.ChildClass = L"SkinGalleryMdiChild";
  args.FrameProcedure = &FrameProcedure;
  args.Title = L"MDI 框架";
  args.Origin = POINT{x, y};
  args.Size = SIZE{480, 340};
  args.Menu = MakeFrameMenu();
  args.ChildSize = SIZE{220, 140};
  args.ChildTitles = {L"MDI 子窗口 1", L"MDI 子窗口 2"};
  return args;
}

}  // namespace

TGalleryMdiFrame::TGalleryMdiFrame(int x, int y) : windows_(GalleryFrameArgs(x, y)) {
  ShowWindow(windows_.Frame(), SW_SHOWNORMAL);
  UpdateWindow(windows_.Frame());
}
