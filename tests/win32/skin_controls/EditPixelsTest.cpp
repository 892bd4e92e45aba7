// Edits on pixels read back: the shadow frame and two white rings over a
// bordered edit, nothing over one without a border, the frame of WM_PRINT,
// the client paint on request, and the up-down button found inside.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinObjectFactory.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/Edit.h"

namespace {

constexpr int kW = 90, kH = 22;
const unsigned kWhite = DibColor(RGB(255, 255, 255));

class EditPixelsTest : public SkinControlTest {
 protected:
  // An edit as the main window has them: a tiled bevel, no border.
  TEdit* Bevelled(int top) {
    auto* edit = Make<TEdit>(form.get(), 10, top, kW, kH);
    edit->SetBorderStyle(bsNone);
    edit->SetBevelKind(bkTile);
    return edit;
  }
  TSkinEdit* Skin(TEdit* edit) {
    auto* object = new TSkinEdit(edit);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    return object;
  }
};

// After a whole repaint and after the system redrew the edge alone.
TEST_F(EditPixelsTest, BevelledEditGetsTheShadowFrameAndTwoWhiteRings) {
  auto* plain = Bevelled(10);
  auto* skinned = Bevelled(40);
  Skin(skinned);
  RepaintNow(form->Handle());
  const unsigned shadow = SkinPixel(scButtonShadow);
  ASSERT_NE(shadow, WindowPixel(plain->Handle(), kW / 2, 0)) << "the bevel alone is not the frame";
  const auto expectRings = [&](const char* after) {
    for (const int inset : {0, 1, 2}) {
      const unsigned expected = inset == 0 ? shadow : kWhite;
      EXPECT_EQ(expected, WindowPixel(skinned->Handle(), kW / 2, inset)) << after << inset;
      EXPECT_EQ(expected, WindowPixel(skinned->Handle(), inset, kH / 2)) << after << inset;
      EXPECT_EQ(expected, WindowPixel(skinned->Handle(), kW - 1 - inset, kH - 1 - inset))
          << after << inset;
    }
  };
  expectRings("whole window, inset ");
  SendMessageW(skinned->Handle(), WM_NCPAINT, 1, 0);
  expectRings("edge alone, inset ");
}

TEST_F(EditPixelsTest, EditWithoutBorderIsNotDrawnOver) {
  auto* edit = Make<TEdit>(form.get(), 10, 10, kW, kH);
  edit->SetBorderStyle(bsNone);
  Skin(edit);
  RepaintNow(form->Handle());
  const unsigned shadow = SkinPixel(scButtonShadow);
  EXPECT_NE(shadow, WindowPixel(edit->Handle(), 0, 0));
  EXPECT_NE(shadow, WindowPixel(edit->Handle(), kW / 2, 0));
  EXPECT_NE(shadow, WindowPixel(edit->Handle(), kW - 1, kH / 2));
}

TEST_F(EditPixelsTest, PrintFramesWithTheDeviceContextsBrushInsideTheShadow) {
  auto* edit = Bevelled(10);
  Skin(edit);
  DibSurface surface(kW, kH);
  const COLORREF inner = RGB(30, 160, 90);
  const TBrushHandle brush(CreateSolidBrush(inner));
  const TSelection selected(surface.dc(), brush.Get());
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.dc()),
               PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(SkinPixel(scButtonShadow), surface.Pixel(kW / 2, 0));
  EXPECT_EQ(DibColor(inner), surface.Pixel(kW / 2, 1));
  EXPECT_EQ(DibColor(inner), surface.Pixel(kW - 2, kH / 2));
  // A paint into a given DC frames the whole window too.
  SendMessageW(edit->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  EXPECT_EQ(SkinPixel(scButtonShadow), surface.Pixel(kW - 1, kH - 1));
  EXPECT_EQ(kWhite, surface.Pixel(kW - 2, kH / 2));
}

TEST_F(EditPixelsTest, PaintClientRequestPaintsTheEditIntoTheGivenContext) {
  auto* edit = Bevelled(10);
  edit->SetText("WWWW");
  Skin(edit);
  const COLORREF fill = RGB(250, 0, 250);
  DibSurface surface(kW, kH);
  surface.Fill(fill);
  EXPECT_NE(kSkinMagic, SendMessageW(edit->Handle(), SKIN_PAINTCLIENT,
                                     reinterpret_cast<WPARAM>(surface.dc()), 0))
      << "not ours without the mark";
  EXPECT_EQ(DibColor(fill), surface.Pixel(kW / 2, kH / 2));
  EXPECT_EQ(kSkinMagic, SendMessageW(edit->Handle(), SKIN_PAINTCLIENT,
                                     reinterpret_cast<WPARAM>(surface.dc()), kSkinMagic));
  EXPECT_NE(DibColor(fill), surface.Pixel(kW / 2, kH / 2)) << "the edit painted its client";
  EXPECT_EQ(kSkinMagic, SendMessageW(edit->Handle(), SKIN_PAINTCLIENT, 0, kSkinMagic));
}

TEST_F(EditPixelsTest, UpDownInsideTheEditGetsItsObjectOnceAndOnlyWithSpin) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  auto* edit = Bevelled(10);
  const HWND upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, kW - 20, 0, 14,
                                      16, edit->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(upDown);
  std::vector<TSkinChoice> made;
  SkinObjectFactory() = [&](const TSkinChoice& choice) {
    made.push_back(choice);
    return std::make_unique<TSkinControl>(nullptr);
  };
  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcSpin});
  auto* object = Skin(edit);
  RepaintNow(edit->Handle());
  EXPECT_TRUE(made.empty()) << "the skin leaves spin buttons alone";
  data->SetSkinControls(data->SkinControls() + TSkinControlTypes{xcSpin});
  RepaintNow(edit->Handle());
  RepaintNow(edit->Handle());
  SkinObjectFactory() = &CreateSkinObject;
  ASSERT_EQ(1u, made.size());
  EXPECT_EQ(TSkinClass::UpDown, made[0].Class);
  EXPECT_EQ(TAttachKind::Window, made[0].Attach);
  EXPECT_EQ(upDown, made[0].Window);
  EXPECT_TRUE(made[0].EmbeddedInEdit);
  ASSERT_NE(nullptr, object->UpDown());
  EXPECT_EQ(upDown, object->UpDown()->Handle);
  EXPECT_EQ(2, formObject->SkinObjects().Count());
}

}  // namespace
