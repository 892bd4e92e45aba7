// Push buttons on pixels read back: the frame each state chooses, caption
// lines, the focus rectangle and the parent showing through; and the press
// and release that replace the button's own click, and where the press
// reaches the button's mouse-down on a button wider than lParam can say.
#include <algorithm>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinButton.h"
#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/ImportPatching.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

using wintest::ControlRecorder;
using wintest::MessageLog;
using wintest::sent;
using wintest::WindowProcRecorder;

constexpr int kW = 90, kH = 30;

class ButtonPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    UseSolidButtonFrames(*data, true);
    button = Make<TButton>(form.get(), 20, 20, kW, kH);
    button->SetCaption("OK");
    object = new TSkinButton(button);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    FlushEvents();
  }

  // The button painted into a DIB through WM_PAINT, as its parent would ask.
  unsigned Paint(DibSurface& surface) {
    SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    return surface.Pixel(3, 3);
  }
  unsigned PaintedFrame() {
    DibSurface surface(kW, kH);
    return Paint(surface);
  }

  TButton* button = nullptr;
  TSkinButton* object = nullptr;
};

TEST_F(ButtonPixelsTest, FrameFollowsTheStateInItsPriority) {
  EXPECT_EQ(Frame(bfNormal), PaintedFrame());
  button->SetDefault(true);
  EXPECT_EQ(Frame(bfFocused), PaintedFrame()) << "default";
  button->SetEnabled(false);
  EXPECT_EQ(Frame(bfDisabled), PaintedFrame()) << "a disabled default button";
  button->SetEnabled(true);
  button->SetDefault(false);
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(button->Handle(), GetFocus());
  EXPECT_EQ(Frame(bfPressed), PaintedFrame()) << "pressed and focused";
  object->MouseState = 0;
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Frame(bfHot), PaintedFrame()) << "hot and focused";
  SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Frame(bfFocused), PaintedFrame()) << "focused";
}

// The rows that hold anything but the frame colour.
int InkHeight(DibSurface& surface, unsigned background) {
  int top = kH, bottom = -1;
  for (int y = 2; y < kH - 2; ++y)
    for (int x = 2; x < kW - 2; ++x)
      if (surface.Pixel(x, y) != background) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return bottom < top ? 0 : bottom - top + 1;
}

TEST_F(ButtonPixelsTest, OneDoubleBarBreaksTheCaption) {
  DibSurface one(kW, kH), two(kW, kH);
  button->SetCaption("Ab");
  Paint(one);
  button->SetCaption("Ab||Cd");
  Paint(two);
  const int single = InkHeight(one, Frame(bfNormal));
  ASSERT_GT(single, 0);
  EXPECT_GT(InkHeight(two, Frame(bfNormal)), single + single / 2);
  EXPECT_EQ(u"Ab\r\nCd||Ef", ButtonCaptionLines(u"Ab||Cd||Ef"));
}

// Pixels of the focus rectangle's top edge that differ from the frame.
int FocusEdgeInk(DibSurface& surface, const RECT& text) {
  const RECT edge{text.left - 2, text.top - 2, text.right + 2, text.top - 1};
  return CountPixelsIf(surface, edge, [](unsigned pixel) { return pixel != Frame(bfFocused); });
}

TEST_F(ButtonPixelsTest, FocusRectangleUnlessTheSkinSaysNo) {
  button->SetFocus();
  DibSurface with(kW, kH), without(kW, kH);
  Paint(with);
  const RECT text = object->LastTextRect;
  EXPECT_GT(FocusEdgeInk(with, text), 0);
  data->SetOptions(data->Options() + TSkinOptions{xoNoFocusRect});
  Paint(without);
  EXPECT_EQ(0, FocusEdgeInk(without, text));
}

// Pixels of text in that colour, whatever the font smooths at its edges.
int PixelsOf(const DibSurface& surface, COLORREF colour) {
  return CountInk(surface, {0, 0, kW, kH}, DibColor(colour));
}

TEST_F(ButtonPixelsTest, CaptionColourBySkinAndState) {
  TDataSkinButton& element = *data->Skin().Buttons;
  const COLORREF normal = RGB(200, 0, 0), hot = RGB(0, 0, 200);
  element.NormalColour2 = static_cast<TColor>(normal);
  element.HasNormalColour2 = true;
  element.MouseOverColour2 = static_cast<TColor>(hot);
  element.HasMouseOverColour2 = true;
  element.HasPressedColour2 = false;  // pressed keeps the normal colour
  button->SetCaption("WWW");
  DibSurface plain(kW, kH), overIt(kW, kH), pressed(kW, kH), disabled(kW, kH);
  Paint(plain);
  EXPECT_GT(PixelsOf(plain, normal), 0);
  object->MouseState = msHot;
  Paint(overIt);
  EXPECT_GT(PixelsOf(overIt, hot), 0);
  EXPECT_EQ(0, PixelsOf(overIt, normal));
  object->MouseState = msPressed;
  Paint(pressed);
  EXPECT_GT(PixelsOf(pressed, normal), 0);
  object->MouseState = 0;
  button->SetEnabled(false);
  Paint(disabled);
  EXPECT_GT(PixelsOf(disabled, GetSysColor(COLOR_BTNSHADOW)), 0);
  EXPECT_EQ(0, PixelsOf(disabled, normal));
}

TEST_F(ButtonPixelsTest, TransparentTagShowsTheParentThroughMagenta) {
  TBitmap& image = *data->Skin().Buttons->Image;
  pixels::Fill(image, clFuchsia);
  form->SetColor(RGBColor(10, 130, 70));
  EXPECT_EQ(DibColor(static_cast<COLORREF>(ColorToRGB(data->Skin().Colour(scButtonFace)))),
            PaintedFrame())
      << "the face colour under the magenta";
  auto* clear = Make<TButton>(form.get(), 20, 70, kW, kH);
  clear->SetTag(kTransparentTag);
  auto* clearObject = new TSkinButton(clear);
  clearObject->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  EXPECT_TRUE(clearObject->Transparent);
  DibSurface surface(kW, kH);
  SendMessageW(clear->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  EXPECT_EQ(DibColor(RGB(10, 130, 70)), surface.Pixel(3, 3));
}

TEST_F(ButtonPixelsTest, PressAndReleaseClickOnceWithoutTheButtonSeeingThePress) {
  MessageLog log;
  log.Only({WM_LBUTTONDOWN, WM_LBUTTONUP});
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  // The recorder sits behind the skin: it sees what the button itself gets.
  delete object;
  ControlRecorder previous(log, *button);
  object = new TSkinButton(button);
  object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(object->MouseState & msPressed);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  FlushEvents();
  EXPECT_EQ(1, clicks);
  EXPECT_FALSE(object->MouseState & msPressed);
  EXPECT_SEQUENCE(log, {{WM_LBUTTONUP, sent}}, "press consumed, release passed on");
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  FlushEvents();
  EXPECT_EQ(1, clicks) << "a release without a press clicks nothing";
  delete object;
}

// The width the toolkit reads back for one window, made up while a test
// widens it: the system stops a window at 32,767 pixels (Wine too), so a
// button wider than lParam can say exists only through what it reports.
HWND widenedWindow = nullptr;
int widenedTo = 0;
BOOL(WINAPI* realGetWindowRect)(HWND, RECT*) = nullptr;
BOOL WINAPI GetWindowRectWidened(HWND window, RECT* rect) {
  const BOOL got = realGetWindowRect(window, rect);
  if (got && window == widenedWindow) rect->right = rect->left + widenedTo;
  return got;
}

// lParam packs 16-bit coordinates. A press on a button wider than that
// reaches its mouse-down at the cursor's client point; on a narrower button
// at lParam's point, wherever the cursor is.
TEST_F(ButtonPixelsTest, PressReachesMouseDownAtTheCursorOnlyBeyondSixteenBits) {
  wintest::ImportHook hook{L"user32.dll", "GetWindowRect",
                           reinterpret_cast<void*>(&GetWindowRectWidened),
                           reinterpret_cast<void**>(&realGetWindowRect)};
  wintest::PatchLoadedModules(&hook, 1);
  ASSERT_NE(nullptr, realGetWindowRect);
  constexpr int kPacked = 0x8000;
  POINT saved{};
  GetCursorPos(&saved);
  for (const int width : {kW, kPacked - 1, 40000}) {
    const bool wide = width > kPacked;
    widenedWindow = wide ? button->Handle() : nullptr;
    widenedTo = width;
    // A long button starts far left of the form (as far as the system lets
    // a window go), so that a point beyond 16 bits is on screen.
    button->SetBounds(width > kW ? -32000 : 20, 20, width, kH);
    ASSERT_EQ(width, button->Width());
    SCOPED_TRACE(testing::Message() << "a button " << width << " pixels wide");
    // The cursor is at the press only where lParam cannot say it, elsewhere
    // on the button otherwise.
    const POINT press{std::min(width - 30, kPacked + 100), 10};
    POINT cursor{wide ? press.x : press.x - 20, press.y};
    ClientToScreen(button->Handle(), &cursor);
    ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
    POINT seen{-1, -1};
    button->OnMouseDown = [&seen](TObject*, TMouseButton, TShiftState, int x, int y) {
      seen = POINT{x, y};
    };
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
    FlushEvents();
    EXPECT_EQ(press.x, seen.x);
    EXPECT_EQ(press.y, seen.y);
  }
  widenedWindow = nullptr;
  SetCursorPos(saved.x, saved.y);
}

}  // namespace
