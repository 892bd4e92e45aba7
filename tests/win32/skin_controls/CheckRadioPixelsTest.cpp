// Check boxes and radio buttons on pixels read back: the cell each state
// chooses in the narrow and wide strips, where a left-text box goes, and
// the caption: its colour, its centring and its focus rectangle.
#include <array>
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "tests/win32/support/ImportPatching.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kW = 120, kH = 24, kCell = 14;

class CheckRadioPixelsTest : public SkinControlTest {
 protected:
  void UseStrips(int checkCells, int radioCells) {
    TDataSkinButton& element = *data->Skin().Buttons;
    MakeStrip(*element.CheckImage, checkCells, kCell, kCell);
    element.CheckButtonFrame = checkCells;
    MakeStrip(*element.RadioImage, radioCells, kCell, kCell);
    element.RadioButtonFrame = radioCells;
  }

  template <typename Control, typename Object>
  Control* Skinned(int top) {
    auto* control = Make<Control>(form.get(), 10, top, kW, kH);
    control->SetCaption("Choice");
    auto* object = new Object(control);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    EXPECT_EQ(1, object->Mode);
    return control;
  }

  // The colour at the middle of the box as the control paints it.
  static unsigned BoxPixel(TWinControl* control, int x = kCell / 2) {
    DibSurface surface(kW, kH);
    SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    return surface.Pixel(x, kH / 2);
  }
};

TEST_F(CheckRadioPixelsTest, DisabledCheckedRadioInBothStrips) {
  for (const int cells : {4, 8}) {
    UseStrips(4, cells);
    auto* radio = Skinned<TRadioButton, TSkinRadioButton>(10);
    radio->SetChecked(true);
    EXPECT_EQ(Frame(cells == 8 ? 5 : 2), BoxPixel(radio)) << cells << " cells, checked";
    radio->SetEnabled(false);
    EXPECT_EQ(Frame(cells == 8 ? 8 : 4), BoxPixel(radio)) << cells << " cells, disabled";
    radio->SetChecked(false);
    EXPECT_EQ(Frame(cells == 8 ? 4 : 3), BoxPixel(radio)) << cells << " cells, unchecked disabled";
    delete radio;
  }
}

TEST_F(CheckRadioPixelsTest, IndeterminateCheckBoxInBothStrips) {
  UseStrips(4, 4);
  auto* narrow = Skinned<TCheckBox, TSkinCheckBox>(10);
  narrow->SetState(cbGrayed);
  EXPECT_EQ(Frame(4), BoxPixel(narrow));
  delete narrow;
  UseStrips(12, 8);
  auto* wide = Skinned<TCheckBox, TSkinCheckBox>(10);
  wide->SetState(cbGrayed);
  EXPECT_EQ(Frame(9), BoxPixel(wide));
  wide->SetEnabled(false);
  EXPECT_EQ(Frame(12), BoxPixel(wide));
  wide->SetEnabled(true);
  wide->SetState(cbChecked);
  EXPECT_EQ(Frame(5), BoxPixel(wide));
}

TEST_F(CheckRadioPixelsTest, UncheckedStateTextWinsOverItsCheckPart) {
  UseStrips(12, 8);
  auto* box = Skinned<TCheckBox, TSkinCheckBox>(10);
  // The window says checked; the toolkit's own state text says unchecked.
  ASSERT_EQ(cbUnchecked, box->State());
  SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  ASSERT_EQ(BST_CHECKED, SendMessageW(box->Handle(), BM_GETCHECK, 0, 0) & BST_CHECKED);
  EXPECT_EQ(Frame(1), BoxPixel(box));
}

TEST_F(CheckRadioPixelsTest, LeftTextPutsTheBoxAtTheRight) {
  UseStrips(4, 4);
  auto* box = Skinned<TCheckBox, TSkinCheckBox>(10);
  const unsigned face = ResolvedDib(data->Skin().Colour(scButtonFace));
  EXPECT_EQ(Frame(1), BoxPixel(box, 2));
  SetWindowLongPtrW(box->Handle(), GWL_STYLE,
                    GetWindowLongPtrW(box->Handle(), GWL_STYLE) | BS_LEFTTEXT);
  EXPECT_EQ(Frame(1), BoxPixel(box, kW - 2));
  EXPECT_EQ(face, BoxPixel(box, 2));
  auto* radio = Skinned<TRadioButton, TSkinRadioButton>(40);
  SetWindowLongPtrW(radio->Handle(), GWL_STYLE,
                    GetWindowLongPtrW(radio->Handle(), GWL_STYLE) | BS_LEFTTEXT);
  EXPECT_EQ(Frame(1), BoxPixel(radio, kW - 2));
  EXPECT_EQ(face, BoxPixel(radio, kW - 1)) << "a radio box ends one pixel in";
}

TEST_F(CheckRadioPixelsTest, ClickRepaintsWithTheNewCell) {
  UseStrips(4, 8);
  auto* radio = Skinned<TRadioButton, TSkinRadioButton>(10);
  ASSERT_EQ(Frame(1), BoxPixel(radio));
  SendMessageW(radio->Handle(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(Frame(5), BoxPixel(radio));
}

// The system version the controls ask for, made up while a test sets one.
DWORD madeUpVersion = 0;
DWORD(WINAPI* realGetVersion)() = nullptr;
DWORD WINAPI GetVersionOrMadeUp() { return madeUpVersion ? madeUpVersion : realGetVersion(); }

int MajorVersion(DWORD version) { return LOBYTE(LOWORD(version)); }

class CheckRadioCaptionTest : public CheckRadioPixelsTest {
 protected:
  void SetUp() override {
    CheckRadioPixelsTest::SetUp();
    UseStrips(4, 4);
    // Black paper under the caption, so that its ink can be told apart.
    face_ = data->Skin().Colours.Colours[scButtonFace];
    Colours().Colours[scButtonFace] = clBlack;
  }
  void TearDown() override {
    madeUpVersion = 0;
    Colours().Colours[scButtonFace] = face_;
    CheckRadioPixelsTest::TearDown();
  }
  TSkinColourTable& Colours() { return const_cast<TSkinElements&>(data->Skin()).Colours; }
  TWinControl* Make(bool radio) {
    if (radio) return Skinned<TRadioButton, TSkinRadioButton>(10);
    return Skinned<TCheckBox, TSkinCheckBox>(10);
  }
  static void Paint(TWinControl* control, DibSurface& surface) {
    SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }
  // The dots of a focus rectangle: grey or white over black paper, where the
  // caption's ink is red and the box's cells are neither.
  static int FocusDots(const DibSurface& surface, int width, int height) {
    return CountPixelsIf(surface, RECT{0, 0, width, height}, [](unsigned pixel) {
      const unsigned r = pixel >> 16, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
      return r == g && g == b && r > 100;
    });
  }

  TColor face_ = clNone;
};

// Enabled, the caption is in the control's font colour; disabled, in the
// system's shadow colour. Either way it sits in the middle of the height.
TEST_F(CheckRadioCaptionTest, FontColourOrShadowAndCentredInTheHeight) {
  constexpr TColor kFont = RGBColor(255, 0, 0);
  const std::vector<unsigned> inks{ResolvedDib(kFont), ResolvedDib(SystemColor(COLOR_BTNSHADOW))};
  constexpr int kTaller = kH + 16;
  for (const bool radio : {false, true})
    for (const bool enabled : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << (radio ? "radio" : "check box") << (enabled ? ", enabled" : ", disabled"));
      TWinControl* control = Make(radio);
      control->Font()->SetColor(kFont);
      control->SetEnabled(enabled);
      std::array<int, 2> firstInkRow{-1, -1};
      for (const int height : {kH, kTaller}) {
        control->SetBounds(10, 10, kW, height);
        DibSurface surface(kW, height);
        Paint(control, surface);
        const RECT caption{kCell + 2, 0, kW, height};
        EXPECT_EQ(enabled ? 0 : 1, pixels::InkOnBlack(surface, caption, inks)) << height;
        for (int y = 0; y < height && firstInkRow[height == kTaller] < 0; ++y)
          if (CountPixelsIf(surface, RECT{kCell + 2, y, kW, y + 1},
                            [](unsigned pixel) { return pixel != 0; }) > 0)
            firstInkRow[height == kTaller] = y;
      }
      ASSERT_GE(firstInkRow[0], 0) << "no caption drawn";
      EXPECT_EQ((kTaller - kH) / 2, firstInkRow[1] - firstInkRow[0]);
      form->DestroyComponents();
    }
}

// A focused control shows a focus rectangle around its caption, except on a
// system whose major version is 6. The version the system under the tests
// reports takes one path; made-up versions take both.
TEST_F(CheckRadioCaptionTest, FocusRectangleUnlessTheMajorVersionIsSix) {
  wintest::ImportHook hook{L"kernel32.dll", "GetVersion",
                           reinterpret_cast<void*>(&GetVersionOrMadeUp),
                           reinterpret_cast<void**>(&realGetVersion)};
  wintest::PatchLoadedModules(&hook, 1);
  ASSERT_NE(nullptr, realGetVersion);
  const DWORD versions[] = {0 /* the system's own */, 0x1DB10106 /* 6.1 */, 0x0A280105 /* 5.1 */,
                            0x4A61000A /* 10.0 */};
  for (const bool radio : {false, true}) {
    TWinControl* control = Make(radio);
    control->SetCaption("Focus");
    DibSurface unfocused(kW, kH);
    Paint(control, unfocused);
    EXPECT_EQ(0, FocusDots(unfocused, kW, kH)) << "no focus, no rectangle";
    control->SetFocus();
    ASSERT_EQ(control->Handle(), GetFocus());
    for (const DWORD version : versions) {
      madeUpVersion = version;
      const int major = MajorVersion(GetVersion());
      ASSERT_EQ(version ? MajorVersion(version) : MajorVersion(realGetVersion()), major)
          << "the controls see the made-up version";
      DibSurface surface(kW, kH);
      Paint(control, surface);
      if (major == 6) {
        EXPECT_EQ(0, FocusDots(surface, kW, kH)) << "major version " << major;
      } else {
        EXPECT_GT(FocusDots(surface, kW, kH), 0) << "major version " << major;
      }
    }
    madeUpVersion = 0;
    form->DestroyComponents();
  }
}

}  // namespace

namespace {

// What the window shows on screen at a client point, after a real paint.
unsigned ScreenPixel(HWND window, int x, int y) {
  const HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return DibColor(colour);
}

TEST_F(CheckRadioPixelsTest, TransparentCheckBoxShowsItsParentAroundBoxAndCaption) {
  UseStrips(4, 4);
  form->SetColor(RGBColor(10, 130, 70));
  auto* clear = Make<TCheckBox>(form.get(), 10, 10, kW, kH);
  clear->SetTag(kTransparentTag);
  auto* clearObject = new TSkinCheckBox(clear);
  clearObject->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  ASSERT_TRUE(clearObject->Transparent);
  auto* solid = Skinned<TCheckBox, TSkinCheckBox>(40);
  for (TWinControl* box : {static_cast<TWinControl*>(clear), static_cast<TWinControl*>(solid)}) {
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  const unsigned face = ResolvedDib(data->Skin().Colour(scButtonFace));
  const unsigned parent = DibColor(RGB(10, 130, 70));
  EXPECT_EQ(parent, ScreenPixel(clear->Handle(), kCell / 2, 1));  // above the box
  // Under the caption itself, between and around its letters: the parent
  // through the clear box, the face on the solid one, never the other.
  const auto countUnderCaption = [](HWND box, unsigned colour) {
    int count = 0;
    for (int y = 2; y < kH - 2; ++y)
      for (int x = kCell + 4; x < kCell + 40; ++x) count += ScreenPixel(box, x, y) == colour;
    return count;
  };
  const int band = 36 * (kH - 4);
  EXPECT_GT(countUnderCaption(clear->Handle(), parent), band / 2);
  EXPECT_EQ(0, countUnderCaption(clear->Handle(), face));
  EXPECT_GT(countUnderCaption(solid->Handle(), face), band / 2);
  EXPECT_EQ(0, countUnderCaption(solid->Handle(), parent));
  EXPECT_EQ(Frame(1), ScreenPixel(clear->Handle(), kCell / 2, kH / 2));
}

}  // namespace
