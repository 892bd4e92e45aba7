// Captions the skin draws read right to left when their control does: "!ab"
// in right-to-left reading order shows as "ab!" does left to right, on
// buttons, check and radio buttons, group boxes and tabs.
#include <functional>
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinTab.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/TabControl.h"

namespace {

constexpr int kW = 160, kH = 60;

class RightToLeftReadingTest : public SkinControlTest {
 protected:
  using Maker = std::function<TWinControl*(const char* text)>;

  // The control as the skin paints it. The reference gets the layout
  // styles of a right-to-left control without its reading order, so that
  // only the order of the text can differ.
  std::vector<unsigned> Painted(const Maker& make, const char* text, bool rightToLeft) {
    TWinControl* control = make(text);
    if (rightToLeft) {
      control->SetBiDiMode(bdRightToLeft);
    } else {
      SetWindowLongPtrW(control->Handle(), GWL_EXSTYLE,
                        GetWindowLongPtrW(control->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT |
                            WS_EX_LEFTSCROLLBAR);
    }
    DibSurface surface(kW, kH);
    SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    std::vector<unsigned> pixels;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) pixels.push_back(surface.Pixel(x, y));
    delete control;
    return pixels;
  }

  template <typename Object>
  TWinControl* Skinned(TWinControl* control) {
    auto* object = new Object(control);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    return control;
  }
  template <typename T, typename Object>
  Maker Captioned() {
    return [this](const char* text) {
      auto* control = Make<T>(form.get(), 10, 10, kW, kH);
      control->SetCaption(text);
      return Skinned<Object>(control);
    };
  }
};

TEST_F(RightToLeftReadingTest, CaptionsReadInTheControlsOrder) {
  const Maker tabs = [this](const char* text) {
    auto* control = Make<TTabControl>(form.get(), 10, 10, kW, kH);
    control->Tabs()->Add(text);
    return Skinned<TSkinTab>(control);
  };
  const struct {
    const char* kind;
    Maker make;
  } cases[] = {{"button", Captioned<TButton, TSkinButton>()},
               {"check box", Captioned<TCheckBox, TSkinCheckBox>()},
               {"radio button", Captioned<TRadioButton, TSkinRadioButton>()},
               {"group box", Captioned<TGroupBox, TSkinGroupBox>()},
               {"tab", tabs}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const auto leftToRight = Painted(c.make, "!ab", false);
    const auto reversed = Painted(c.make, "ab!", false);
    ASSERT_NE(leftToRight, reversed) << "the two orders look different";
    EXPECT_EQ(reversed, Painted(c.make, "!ab", true));
  }
}

}  // namespace
