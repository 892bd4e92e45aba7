#include "SkinControlSupport.h"

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/graphics/Bitmap.h"

TColor FrameColour(int n) { return RGBColor(20 * n, 200 - 10 * n, 40 + 15 * n); }

void MakeSolidStrip(TBitmap& strip, int frames, int w, int h) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(w * frames, h);
  for (int n = 1; n <= frames; ++n) {
    pixels::Fill(strip, (n - 1) * w, 0, n * w, h, FrameColour(n));
  }
}

void SkinControlTest::SetUp() {
  EnsureToolkit();
  data = MakeSkinData();
  ASSERT_FALSE(data->SkinPending());
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(60, 60, 420, 300);
  form->Show();
  formObject = std::make_unique<TWinSkinForm>(nullptr);
  formObject->Handle = form->Handle();
  FlushEvents();
}

void SkinControlTest::TearDown() {
  formObject.reset();
  form.reset();
  data.reset();
  FlushEvents();
}
