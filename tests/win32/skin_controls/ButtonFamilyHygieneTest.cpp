// Glyph, menu and speed buttons and the scroll bar control's cover drawn a
// thousand times each, in the states that take the most drawing objects
// (embossed glyph, pressed cell, arrow, dragged thumb), hold no more GDI or
// USER objects than after the first draw.
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinSpeedButton.h"
#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kW = 80, kH = 28;

class ButtonFamilyHygieneTest : public SkinControlTest {};

TEST_F(ButtonFamilyHygieneTest, ThousandDrawsHoldNoMoreHandles) {
  TBitmap glyph(16, 16, pf24bit);
  pixels::Fill(glyph, RGBColor(200, 30, 30));
  pixels::Fill(glyph, 0, 15, 1, 16, RGBColor(0, 128, 0));

  auto* embossed = Make<TBitBtn>(form.get(), 10, 10, kW, kH);
  embossed->SetGlyph(&glyph);
  embossed->SetCaption("One");
  embossed->SetEnabled(false);
  auto* pressed = Make<TBitBtn>(form.get(), 100, 10, kW, kH);
  TBitmap strip(64, 16, pf24bit);
  pixels::Fill(strip, RGBColor(30, 30, 200));
  pressed->SetGlyph(&strip);
  pressed->SetCaption("Four");
  auto* menu = Make<TBitBtn>(form.get(), 190, 10, kW, kH);
  menu->SetGlyph(&glyph);
  menu->SetCaption("Menu");
  auto* speed = new TSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetBounds(280, 10, kW, kH);
  speed->SetGlyph(&glyph);
  speed->SetCaption("Speed");
  auto* bar = Make<TScrollBar>(form.get(), 10, 50, 200, GetSystemMetrics(SM_CYHSCROLL));
  bar->SetPageSize(10);

  TCanvas* canvas = &formObject->ControlCanvas();
  auto* embossedObject = new TSkinBitButton(embossed);
  embossedObject->InitSkin(formObject.get(), data.get(), false, canvas);
  auto* pressedObject = new TSkinBitButton(pressed);
  pressedObject->InitSkin(formObject.get(), data.get(), false, canvas);
  pressedObject->MouseState = msPressed;
  auto* menuObject = new TSkinMenuButton(menu);
  menuObject->InitSkin(formObject.get(), data.get(), false, canvas);
  auto* speedObject = new TSkinSpeedButton(speed);
  speedObject->InitSpeed(formObject.get(), data.get(), canvas);
  speedObject->MouseState = msHot;
  auto* barObject = new TSkinScControl(bar);
  barObject->InitSkin(formObject.get(), data.get(), false, canvas);

  DibSurface surface(400, 60);
  const auto drawAll = [&] {
    for (TBitBtn* control : {embossed, pressed, menu}) {
      SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    }
    TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0, 0};
    speed->WindowProc(paint);
    if (barObject->Cover) barObject->Cover->Paint(surface.dc());
  };
  drawAll();  // one-time costs: buffers, masks, fonts
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) drawAll();
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
