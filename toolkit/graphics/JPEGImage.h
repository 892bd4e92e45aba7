// A JPEG picture, decoded with libjpeg into a 24-bit bitmap at load.
#pragma once

#include <cstdint>
#include <span>

#include "toolkit/graphics/Bitmap.h"

class TJPEGImage : public TGraphic {
  TAPVANE_CLASS(TJPEGImage)
 public:
  bool Empty() const override { return bitmap_.Empty(); }
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }

  // Corrupt or unsupported data leaves the image empty; never throws.
  void LoadFromStream(TStream& stream) override;
  bool LoadFromBytes(std::span<const std::uint8_t> bytes);
  // Writes the JPEG bytes it was loaded from.
  void SaveToStream(TStream& stream) override;
  void Draw(TCanvas& canvas, const RECT& rect) override;
  void Assign(const TPersistent* Source) override;

  // The decoded pixels.
  TBitmap& Bitmap() { return bitmap_; }

 protected:
  void AssignTo(TPersistent* Dest) const override;

 private:
  TBitmap bitmap_;
  std::vector<std::uint8_t> data_;
};
