// Speed buttons, which have no window: the skin draws them when their
// parent paints them, frame by state and flatness, and a real press and
// release still raise their own click.
#include "RealPointer.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinSpeedButton.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/SpeedButton.h"

namespace {

constexpr int kW = 60, kH = 26;

class SpeedButtonPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    UseSolidButtonFrames(*data, false);
    speed = Make<TSpeedButton>(form.get(), 30, 30, kW, kH);
    speed->SetCaption("Go");
    object = new TSkinSpeedButton(speed);
    object->InitSpeed(formObject.get(), data.get(), &formObject->ControlCanvas());
    FlushEvents();
  }
  // What the parent's paint of the button gives, at a corner of the face.
  unsigned Painted() {
    DibSurface surface(kW, kH);
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0, 0};
    speed->WindowProc(message);
    return surface.Pixel(3, 3);
  }
  // The same corner as it is on screen now.
  unsigned OnScreen() {
    UpdateWindow(form->Handle());
    POINT at{speed->Left() + 3, speed->Top() + 3};
    ClientToScreen(form->Handle(), &at);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    return WindowPixel(form->Handle(), at.x - window.left, at.y - window.top);
  }

  TSpeedButton* speed = nullptr;
  TSkinSpeedButton* object = nullptr;
};

TEST_F(SpeedButtonPixelsTest, FrameByStateDownAndFlat) {
  EXPECT_EQ(Frame(bfNormal), Painted());
  speed->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Frame(bfHot), Painted());
  speed->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(Frame(bfNormal), Painted());
  speed->SetEnabled(false);
  EXPECT_EQ(Frame(bfDisabled), Painted());
  speed->SetEnabled(true);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  EXPECT_EQ(Frame(bfPressed), Painted()) << "down";
  speed->SetDown(false);
  speed->SetGroupIndex(0);

  speed->SetFlat(true);
  EXPECT_EQ(SkinPixel(scButtonFace), Painted()) << "a flat button at rest shows no frame";
  speed->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Frame(bfHot), Painted());
  speed->Perform(CM_MOUSELEAVE);
}

TEST_F(SpeedButtonPixelsTest, RealPressShowsPressedAndTheButtonStillClicks) {
  int clicks = 0;
  speed->OnClick = [&](TObject*) { ++clicks; };
  POINT centre{speed->Left() + kW / 2, speed->Top() + kH / 2};
  ClientToScreen(form->Handle(), &centre);
  SendPointer(centre);
  ASSERT_TRUE(PumpUntil([&] { return (object->MouseState & msHot) != 0; }));
  EXPECT_EQ(Frame(bfHot), OnScreen());
  SendButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return (object->MouseState & msPressed) != 0; }));
  EXPECT_EQ(Frame(bfPressed), OnScreen());
  SendButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(0, object->MouseState & msPressed);
  EXPECT_EQ(Frame(bfHot), OnScreen());

  RECT away{};
  GetWindowRect(form->Handle(), &away);
  SendPointer(POINT{away.right - 10, away.bottom - 10});
  ASSERT_TRUE(PumpUntil([&] { return object->MouseState == 0; }));
  EXPECT_EQ(Frame(bfNormal), OnScreen());
}

TEST_F(SpeedButtonPixelsTest, TransparentTagShowsTheParentThroughMagenta) {
  TDataSkinButton& element = *data->Skin().Buttons;
  pixels::Fill(*element.Image, clFuchsia);
  element.Trans = 1;
  form->SetColor(RGBColor(10, 130, 70));
  EXPECT_EQ(SkinPixel(scButtonFace), Painted()) << "the face colour under the magenta";
  delete object;
  speed->SetTag(kTransparentTag);
  object = new TSkinSpeedButton(speed);
  object->InitSpeed(formObject.get(), data.get(), &formObject->ControlCanvas());
  // The parent's paint paints the button too; the draw under way keeps
  // that nested paint from drawing it again into the background.
  EXPECT_EQ(DibColor(RGB(10, 130, 70)), Painted());
  EXPECT_FALSE(object->Painting);
}

bool Listed(const TWinSkinForm& form, const TSkinObjectBase* object) {
  for (int i = 0; i < form.SkinObjects().Count(); ++i) {
    if (form.SkinObjects().At(i) == object) return true;
  }
  return false;
}

TEST_F(SpeedButtonPixelsTest, ObjectFreedGivesTheButtonItsOwnPaintBack) {
  ASSERT_TRUE(Listed(*formObject, object));
  EXPECT_EQ(Frame(bfNormal), Painted());
  delete object;
  EXPECT_FALSE(Listed(*formObject, object));
  EXPECT_NE(Frame(bfNormal), Painted()) << "the button paints itself again";
}

TEST_F(SpeedButtonPixelsTest, ButtonFreedFirstTakesItsObjectOutOfTheList) {
  const int before = formObject->SkinObjects().Count();
  delete speed;
  EXPECT_EQ(before - 1, formObject->SkinObjects().Count());
  EXPECT_FALSE(Listed(*formObject, object));
  RepaintNow(form->Handle());  // the parent paints on without it
}

}  // namespace
