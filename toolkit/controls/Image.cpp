#include "toolkit/controls/Image.h"

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TImage>("TImage", &TGraphicControl::StaticClass())
          .Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
          .Bool("Center", &TImage::Center, &TImage::SetCenter)
          .Object("Picture", &TImage::Picture)
          .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
          .Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent)
          .Build();
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  SetBounds(0, 0, 105, 105);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() = default;

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  if (TGraphic* graphic = picture_->Graphic()) graphic->SetTransparent(value);
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  PictureChanged();
}

void TImage::PictureChanged() {
  TGraphic* graphic = picture_->Graphic();
  if (graphic && transparent_) graphic->SetTransparent(true);
  if (autoSize_ && graphic && !graphic->Empty()) {
    SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  }
  Invalidate();
}

RECT TImage::DestRect() const {
  const int width = picture_->Width();
  const int height = picture_->Height();
  if (stretch_) return ClientRect();
  RECT rect{0, 0, width, height};
  if (center_) OffsetRect(&rect, (Width() - width) / 2, (Height() - height) / 2);
  return rect;
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), *graphic);
}
