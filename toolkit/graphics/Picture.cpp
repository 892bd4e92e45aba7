#include "toolkit/graphics/Picture.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Filer.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/JPEGImage.h"

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPicture>("TPicture", &TPersistent::StaticClass()).Build();
  return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

namespace {

std::unique_ptr<TGraphic> NewGraphicLike(const TGraphic& graphic) {
  if (dynamic_cast<const TJPEGImage*>(&graphic)) return std::make_unique<TJPEGImage>();
  if (dynamic_cast<const TIcon*>(&graphic)) return std::make_unique<TIcon>();
  if (dynamic_cast<const TBitmap*>(&graphic)) return std::make_unique<TBitmap>();
  return nullptr;
}

}  // namespace

void TPicture::SetGraphic(const TGraphic* graphic) {
  std::unique_ptr<TGraphic> copy = graphic ? NewGraphicLike(*graphic) : nullptr;
  if (copy) copy->Assign(graphic);
  Adopt(std::move(copy));
}

TBitmap& TPicture::Bitmap() {
  auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
  if (!bitmap) {
    auto fresh = std::make_unique<TBitmap>();
    bitmap = fresh.get();
    Adopt(std::move(fresh));
  }
  return *bitmap;
}

void TPicture::LoadFromStream(TStream& stream) {
  std::uint8_t head[4] = {};
  const std::int64_t start = stream.Position();
  const std::int64_t got = stream.Read(head, sizeof head);
  stream.SetPosition(start);
  std::unique_ptr<TGraphic> graphic;
  if (got >= 2 && head[0] == 'B' && head[1] == 'M') {
    graphic = std::make_unique<TBitmap>();
  } else if (got >= 2 && head[0] == 0xFF && head[1] == 0xD8) {
    graphic = std::make_unique<TJPEGImage>();
  } else if (got >= 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0) {
    graphic = std::make_unique<TIcon>();
  }
  if (graphic) {
    graphic->LoadFromStream(stream);
    if (graphic->Empty()) graphic.reset();
  }
  Adopt(std::move(graphic));
}

void TPicture::SaveToStream(TStream& stream) {
  if (graphic_) graphic_->SaveToStream(stream);
}

void TPicture::Assign(const TPersistent* Source) {
  if (Source == nullptr) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->graphic_.get());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::DefineProperties(TFiler& Filer) {
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { LoadFromStream(stream); },
      [this](TStream& stream) { SaveToStream(stream); }, graphic_ && !graphic_->Empty());
}
