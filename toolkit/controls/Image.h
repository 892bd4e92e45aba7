// A windowless picture (bitmap, JPEG or icon), painted by its parent.
#pragma once

#include <memory>

#include "toolkit/controls/GraphicControl.h"
#include "toolkit/graphics/Picture.h"

class TImage : public TGraphicControl {
  TAPVANE_CLASS(TImage)
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value) { picture_->Assign(value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  RECT DestRect() const;

  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};
