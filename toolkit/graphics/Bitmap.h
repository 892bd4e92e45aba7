// A bitmap held as a DIB section, so its pixels can be read and written in
// place (ScanLine) as well as drawn on through its canvas.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphic.h"

// pfDevice is kept as 32 bits per pixel, the depth of every display we run on.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
// tmAuto: the transparent colour is the bottom-left pixel; tmFixed: TransparentColor.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

class TBitmap : public TGraphic {
  TAPVANE_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pfDevice);
  ~TBitmap() override;

  bool Empty() const override { return width_ <= 0 || height_ <= 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Keeps the pixels that still fit; new ones are black.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels to the new format.
  void SetPixelFormat(TPixelFormat format);
  int BitsPerPixel() const;

  // The DIB section, taken out of the canvas's DC so that it can be selected
  // elsewhere; null while empty.
  HBITMAP Handle();
  TCanvas& Canvas();
  // The canvas's DC without the canvas's font, brush and pen selected (see
  // TCanvas::BareHandle), for copying pixels in and out; null while empty.
  HDC PixelDC();
  // The colour table of a palette bitmap (1, 4 or 8 bits per pixel), one
  // entry per index; empty for other formats.
  const std::vector<RGBQUAD>& Palette() const { return palette_; }
  // Row y (0 = top), or null outside the bitmap. Rows are BitsPerPixel wide,
  // padded to four bytes.
  void* ScanLine(int y);
  int Stride() const { return TBmpImage::StrideOf(width_, BitsPerPixel()); }

  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);
  // A monochrome mask, white where the transparent colour is; remade on each
  // call and owned by the bitmap.
  HBITMAP MaskHandle();
  // Turns this bitmap into the monochrome mask of one colour (white there).
  void Mask(TColor transparentColor);

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // A bitmap resource (RT_BITMAP); missing or unreadable leaves it empty.
  void LoadFromResourceName(HINSTANCE instance, const String& name);
  void LoadFromResourceID(HINSTANCE instance, int id);
  // False (and empty) for an empty image.
  bool LoadFromBmpImage(const TBmpImage& image);
  TBmpImage ToBmpImage();

  void Draw(TCanvas& canvas, const RECT& rect) override;
  void Assign(const TPersistent* Source) override;
  // A bitmap held by a published property (a button's glyph) is stored in
  // layouts as its BMP file, "Data".
  void DefineProperties(TFiler& Filer) override;
  void Clear();

 private:
  friend class TBitmapCanvas;
  void Create(int width, int height, TPixelFormat format, const RGBQUAD* palette, int paletteSize);
  void FreeContext();
  HDC SourceDC();
  // Every pixel as 0x00RRGGBB, rows top-down.
  std::vector<std::uint32_t> RgbPixels();
  // One bit per pixel, set where the pixel is the colour; rows of rowBytes,
  // top-down.
  std::vector<std::uint8_t> MaskBits(TColor color, int rowBytes);

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  TBitmapHandle handle_;
  void* bits_ = nullptr;
  std::vector<RGBQUAD> palette_;
  TBitmapHandle mask_;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;
};
