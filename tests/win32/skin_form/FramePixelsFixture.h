// A window skinned through the manager's hook whose frame is painted into a
// DIB, for the tests that read the skin's pixels back.
#pragma once

#include <memory>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "toolkit/graphics/Bitmap.h"

constexpr unsigned kMagenta = 0xFF00FF;
constexpr COLORREF kSentinel = RGB(0x12, 0x34, 0x56);

inline unsigned SkinPixel(TBitmap& bitmap, int x, int y) {
  return DibColor(GetPixel(bitmap.Canvas().Handle(), x, y));
}

class FramePixelsTest : public SkinManagerTest {
 protected:
  // A window skinned through the hook, initialised.
  TWinSkinForm& Skinned(DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0) {
    window = MakeRecordingWindow(style | WS_VISIBLE, exStyle, nullptr, 320, 220);
    SetForegroundWindow(window);
    return SkinnedObject(window);
  }
  // The whole frame painted into a DIB of the window's size.
  std::unique_ptr<DibSurface> Painted(TWinSkinForm& object) {
    RECT rect{};
    GetWindowRect(window, &rect);
    auto dib = std::make_unique<DibSurface>(rect.right - rect.left, rect.bottom - rect.top);
    dib->Fill(kSentinel);
    object.PaintFrame(dib->dc());
    return dib;
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
    SkinManagerTest::TearDown();
  }
  HWND window = nullptr;
};
