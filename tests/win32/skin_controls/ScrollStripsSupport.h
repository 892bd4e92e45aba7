// What the scroll-bar cover tests share: the skin's scroll-bar images
// replaced by solid cells and frames whose colours say which was drawn,
// and a press on a cover held while steps run inside the native bar's own
// tracking loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "RealPointer.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/graphics/Bitmap.h"

// Every cell and frame gets a colour of its own; none is magenta.
inline TColor CellColour(int n) { return RGBColor(n * 10, 255 - n * 10, 128); }
inline TColor TrackColour(int n) { return RGBColor(60 * n, 60 * n, 20); }
inline TColor ThumbColour(int n) { return RGBColor(30, 60 * n, 250); }

// Presses at a screen point and runs the steps one per timer tick while
// the bar's tracking loop holds the thread (it dispatches our timer); a
// last step lets the button go. Returns once `released` holds.
inline void PressAndRunSteps(POINT at, std::vector<std::function<void()>> steps,
                             const std::function<bool()>& released) {
  static std::vector<std::function<void()>>* pending = nullptr;
  static size_t next = 0;
  steps.push_back([] { SendButton(MOUSEEVENTF_LEFTUP); });
  pending = &steps;
  next = 0;
  SendPointer(at);
  PumpUntil([] { return false; }, 200);
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (!pending || next >= pending->size()) {
      KillTimer(nullptr, id);
      return;
    }
    (*pending)[next++]();
  });
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([&] { return next >= steps.size() && released(); }, 5000);
  KillTimer(nullptr, timer);
  pending = nullptr;
}

class ScrollStripsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    const TSkinElements& skin = data->Skin();
    for (TDataSkinObject* element : Elements()) {
      saved_.push_back(std::make_unique<TBitmap>());
      saved_.back()->Assign(element->Image.get());
    }
    arrow = GetSystemMetrics(SM_CXHSCROLL);
    pixels::MakeStrip(*skin.Scrollbar->Image, 23, arrow, arrow, CellColour);
    pixels::MakeStrip(*skin.VertScroll->Image, 4, 8, 8, TrackColour);
    pixels::MakeStrip(*skin.VertScrollThumb->Image, 3, 8, 16, ThumbColour);
    pixels::MakeStrip(*skin.HorzScroll->Image, 4, 8, 8, TrackColour);
    pixels::MakeStrip(*skin.HorzScrollThumb->Image, 3, 16, 8, ThumbColour);
  }
  void TearDown() override {
    std::vector<TDataSkinObject*> elements = Elements();
    for (size_t i = 0; i < elements.size(); ++i) elements[i]->Image->Assign(saved_[i].get());
    SkinControlTest::TearDown();
  }

  int arrow = 0;

 private:
  std::vector<TDataSkinObject*> Elements() const {
    const TSkinElements& skin = data->Skin();
    return {skin.Scrollbar.get(), skin.VertScroll.get(), skin.VertScrollThumb.get(),
            skin.HorzScroll.get(), skin.HorzScrollThumb.get()};
  }
  std::vector<std::unique_ptr<TBitmap>> saved_;
};
