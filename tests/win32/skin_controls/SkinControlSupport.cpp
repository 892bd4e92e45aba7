#include "SkinControlSupport.h"

#include <array>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/graphics/Bitmap.h"

void UseSolidButtonFrames(TSkinData& skin, bool transparent) {
  TDataSkinButton& buttons = *skin.Skin().Buttons;
  pixels::MakeStrip(*buttons.Image, 5, 30, 24);
  buttons.Frame = 5;
  buttons.Trans = transparent ? 1 : 0;
}

unsigned WindowPixel(HWND window, int x, int y) {
  const HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return DibColor(colour);
}

void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  FlushEvents();
}

unsigned SkinControlTest::SkinPixel(TSkinColourSlot slot) {
  return pixels::ResolvedDib(data->Skin().Colour(slot));
}

std::unique_ptr<TSkinData> SkinControlTest::data;
std::unique_ptr<TForm> SkinControlTest::form;

// What the tests change in the shared skin.
struct SkinControlTest::SavedSkin {
  explicit SavedSkin(TSkinData& skin) {
    const TDataSkinButton& buttons = *skin.Skin().Buttons;
    image.Assign(buttons.Image.get());
    check.Assign(buttons.CheckImage.get());
    radio.Assign(buttons.RadioImage.get());
    frame = buttons.Frame;
    trans = buttons.Trans;
    checkCells = buttons.CheckButtonFrame;
    radioCells = buttons.RadioButtonFrame;
    colours = {buttons.NormalColour2, buttons.MouseOverColour2, buttons.PressedColour2};
    given = {buttons.HasNormalColour2, buttons.HasMouseOverColour2, buttons.HasPressedColour2};
    options = skin.Options();
    controls = skin.SkinControls();
    skin3rd.Assign(skin.Skin3rd());
  }
  void Restore(TSkinData& skin) {
    TDataSkinButton& buttons = *skin.Skin().Buttons;
    buttons.Image->Assign(&image);
    buttons.CheckImage->Assign(&check);
    buttons.RadioImage->Assign(&radio);
    buttons.Frame = frame;
    buttons.Trans = trans;
    buttons.CheckButtonFrame = checkCells;
    buttons.RadioButtonFrame = radioCells;
    buttons.NormalColour2 = colours[0];
    buttons.MouseOverColour2 = colours[1];
    buttons.PressedColour2 = colours[2];
    buttons.HasNormalColour2 = given[0];
    buttons.HasMouseOverColour2 = given[1];
    buttons.HasPressedColour2 = given[2];
    skin.SetOptions(options);
    skin.SetSkinControls(controls);
    skin.SetSkin3rd(&skin3rd);
  }
  TBitmap image, check, radio;
  int frame, trans, checkCells, radioCells;
  std::array<TColor, 3> colours;
  std::array<bool, 3> given;
  TSkinOptions options;
  TSkinControlTypes controls;
  TStringList skin3rd;
};

SkinControlTest::SkinControlTest() = default;
SkinControlTest::~SkinControlTest() = default;

void SkinControlTest::SetUpTestSuite() {
  EnsureToolkit();
  if (!data) data = MakeSkinData();
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(60, 60, 420, 300);
  form->Show();
}

void SkinControlTest::TearDownTestSuite() {
  form.reset();
  data.reset();
}

void SkinControlTest::SetUp() {
  ASSERT_FALSE(data->SkinPending());
  saved_ = std::make_unique<SavedSkin>(*data);
  formObject = std::make_unique<TWinSkinForm>(nullptr);
  formObject->Bind(form->Handle(), 0, "");
  FlushEvents();
}

void SkinControlTest::TearDown() {
  formObject.reset();
  form->DestroyComponents();
  form->SetColor(clBtnFace);
  if (saved_) saved_->Restore(*data);
  FlushEvents();
}
