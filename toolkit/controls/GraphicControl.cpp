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

void TGraphicControl::WndProc(TMessage& message) {
  // Without a DC there is nothing to paint into: the control has no window.
  if (message.Msg == WM_PAINT) {
    if (message.WParam) PaintTo(reinterpret_cast<HDC>(message.WParam));
    message.Result = 0;
    return;
  }
  TControl::WndProc(message);
}
