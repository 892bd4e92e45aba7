// Holds one graphic of whatever kind was loaded (bitmap, JPEG, icon). Stored
// in a layout as the binary property "Data": the graphic's file bytes, whose
// kind is told by their signature.
#pragma once

#include <memory>

#include "toolkit/graphics/Bitmap.h"

class TPicture : public TPersistent {
  TAPVANE_CLASS(TPicture)
 public:
  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Copies the graphic (nullptr clears).
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap: a non-bitmap graphic is replaced by a new empty
  // bitmap, as a classic picture does.
  TBitmap& Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // File bytes: BMP, JPEG or ICO by signature; anything else clears.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);

  void Assign(const TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;

 private:
  void Changed();
  // Takes the graphic and passes its changes on.
  void Adopt(std::unique_ptr<TGraphic> graphic);

  std::unique_ptr<TGraphic> graphic_;
};
