#include "skin/controls/SkinAdvPage.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/core/SkinControlHost.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kPictureMode = 4;
constexpr char kNormalPicture[] = "TabBackGround";
constexpr char kActivePicture[] = "TabBackGroundActive";

}  // namespace

const TClassInfo& TSkinAdvPage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinAdvPage>("TSkinAdvPage", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinAdvPage::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                            TCanvas* canvas) {
  if (Attached) return;
  PageMode = Mode;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  if (Attached) RenderPictures();
}

void TSkinAdvPage::SkinChange() {
  RenderPictures();
  TSkinControl::SkinChange();
}

void TSkinAdvPage::Unskin() {
  if (Active && State != scsGone && !ControlDying()) {
    SetPicture(kNormalPicture, nullptr);
    SetPicture(kActivePicture, nullptr);
  }
  TSkinControl::Unskin();
}

void TSkinAdvPage::RenderPictures() {
  if (PageMode != kPictureMode || !SkinData || !Control) return;
  const TDataSkinBorder* tabs = SkinData->Skin().Tabs.get();
  if (!tabs || tabs->Image->Empty()) return;
  const RECT size{0, 0, kAdvTabWidth, kAdvTabHeight};
  const auto normal = ComposeFramedImage(size, *tabs->Image, tabs->Margins(), false,
                                         tabs->Tile != 0, tabs->Frame, 1);
  const auto active = ComposeFramedImage(size, *tabs->Image, tabs->Margins(), false,
                                         tabs->Tile != 0, tabs->Frame, 2);
  SetPicture(kNormalPicture, normal.get());
  SetPicture(kActivePicture, active.get());
}

// The control keeps its own bitmap; ours is copied in, or the bitmap is
// emptied. A control without the property is left alone.
void TSkinAdvPage::SetPicture(const char* property, const TBitmap* picture) {
  auto* bitmap = dynamic_cast<TBitmap*>(GetObjectProp(Control, property));
  if (!bitmap) return;
  if (picture) {
    bitmap->Assign(picture);
  } else {
    bitmap->Clear();
  }
}

// The control draws itself; its scroll arrows appear only once its tabs
// overflow, so they are looked for at every draw until found.
void TSkinAdvPage::DrawControl(HDC /*dc*/, const RECT& /*rect*/) { SkinArrowsChild(ArrowsWindow); }

// Without a usable Tabs picture the strip is left to the control itself.
bool TSkinAdvPage::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Tabs.get());
}
