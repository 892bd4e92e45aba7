#include "toolkit/controls/GraphicControl.h"

#include "toolkit/controls/CanvasPaint.h"

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TCanvas>()) {
  clickOnRelease_ = true;
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintTo(HDC dc) {
  PaintThroughCanvas(*canvas_, dc, *this, [this] { Paint(); });
}
