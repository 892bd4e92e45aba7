#include "toolkit/controls/GraphicControl.h"

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
  struct Binding {
    TCanvas& canvas;
    ~Binding() { canvas.SetHandle(nullptr); }
  } binding{*canvas_};
  canvas_->SetHandle(dc);
  canvas_->Font().Assign(Font());
  canvas_->Brush().SetColor(Color());
  Paint();
}
