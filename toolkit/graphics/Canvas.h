// A drawing surface over a DC. The canvas may own its DC (a bitmap's canvas)
// or be bound to a foreign one for a single paint and unbound afterwards; the
// DC gets back its own font, brush and pen when unbound.
#pragma once

#include <windows.h>

#include "toolkit/core/Persistent.h"
#include "toolkit/graphics/GraphicsObjects.h"

class TGraphic;

class TCanvas : public TPersistent {
  TAPVANE_CLASS(TCanvas)
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC with this canvas's font, brush and pen selected; made on demand by
  // canvases that own their DC.
  HDC Handle();
  // The same DC without selecting this canvas's font, brush and pen, for
  // copying pixels only: under Wine, selecting a font into a fresh DC costs
  // round trips to the display. They go in with the next Handle().
  HDC BareHandle();
  // Binds to a foreign DC (nullptr unbinds). The DC is never deleted here.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  // Raster operation of CopyRect (SRCCOPY by default).
  DWORD CopyMode = SRCCOPY;

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos() const { return penPos_; }

  // Text is UTF-8 (String) or UTF-16 (WideString); drawn with the wide API.
  void TextOut(int x, int y, const String& text);
  void TextOut(int x, int y, const WideString& text);
  // Text clipped to the rectangle, starting at (x, y).
  void TextRect(const RECT& rect, int x, int y, const String& text);
  void TextRect(const RECT& rect, int x, int y, const WideString& text);
  SIZE TextExtent(const String& text);
  SIZE TextExtent(const WideString& text);
  int TextWidth(const String& text) { return TextExtent(text).cx; }
  int TextHeight(const String& text) { return TextExtent(text).cy; }

  // A graphic at (x, y) in its own size, with its transparency.
  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const RECT& rect, TGraphic& graphic);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  RECT ClipRect();

 protected:
  // Canvases that own their DC make it here (and bind it with SetHandle).
  virtual void CreateHandle() {}

 private:
  void SelectObjects();
  void DeselectObjects();
  void Deselect(HGDIOBJ& saved);

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  // What the DC had before our objects went in; null while not selected.
  HGDIOBJ savedFont_ = nullptr;
  HGDIOBJ savedBrush_ = nullptr;
  HGDIOBJ savedPen_ = nullptr;
  POINT penPos_{};
};
