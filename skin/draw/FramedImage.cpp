#include "skin/draw/FramedImage.h"

#include <algorithm>

#include "skin/draw/FrameGeometry.h"
#include "toolkit/graphics/BitmapPixels.h"

namespace {

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// One stretching copy; nothing when either side has no extent (a negative one
// would mirror the piece and read outside the frame).
void Piece(HDC dst, int dl, int dt, int dr, int db, HDC src, int sl, int st, int sr, int sb) {
  if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
  StretchBlt(dst, dl, dt, dr - dl, db - dt, src, sl, st, sr - sl, sb - st, SRCCOPY);
}

// Margins no wider than the frame, none negative.
TMargins FrameMargins(const RECT& margins, const TFrameRect& f) {
  const TMargins m = SaneMargins(margins.left, margins.top, margins.right, margins.bottom);
  return TMargins{std::min(m.Left, f.Width), std::min(m.Top, f.Height), std::min(m.Right, f.Width),
                  std::min(m.Bottom, f.Height)};
}

// A stretch into a bitmap goes through one DC kept for the purpose, with
// the bitmap selected for that call only: under Wine a DC of its own would
// cost a round trip to the server and one to the display for every image
// composed.
void StretchInto(TBitmap& dst, int dl, int dt, int dw, int dh, TBitmap& src, int sl, int st, int sw,
                 int sh) {
  static const TMemoryDC scratch;
  const HDC dc = scratch.Get();
  const TSelection select(dc, dst.Handle());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dl, dt, dw, dh, src.PixelDC(), sl, st, sw, sh, SRCCOPY);
}

// A piece between two bitmaps: one that keeps its size is copied in memory
// (the same pixels, and no DC to make); only a real stretch goes to GDI.
void Piece(TBitmap& dst, int dl, int dt, int dr, int db, TBitmap& src, int sl, int st, int sr,
           int sb) {
  if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
  if (dr - dl == sr - sl && db - dt == sb - st) {
    CopyPixels(dst, dl, dt, src, RECT{sl, st, sr, sb});
    return;
  }
  StretchInto(dst, dl, dt, dr - dl, db - dt, src, sl, st, sr - sl, sb - st);
}

// DrawTiled onto a bitmap, in memory: tiles past the edges are cut off.
void TileInto(TBitmap& dst, const RECT& dest, TBitmap& source, const RECT& sourceRect) {
  const int sw = sourceRect.right - sourceRect.left;
  const int sh = sourceRect.bottom - sourceRect.top;
  if (sw <= 0 || sh <= 0) return;
  for (int x = dest.left; x < dest.right; x += sw)
    for (int y = dest.top; y < dest.bottom; y += sh) CopyPixels(dst, x, y, source, sourceRect);
}

// Puts a composed bitmap on the DC: magenta left out, or copied as is.
void Put(HDC dc, int x, int y, TBitmap& image, bool transparent) {
  if (image.Empty()) return;
  if (transparent) {
    DrawTransparent(dc, RECT{x, y, x + image.Width(), y + image.Height()}, image, clFuchsia);
  } else {
    BitBlt(dc, x, y, image.Width(), image.Height(), image.PixelDC(), 0, 0, SRCCOPY);
  }
}

}  // namespace

std::unique_ptr<TBitmap> ComposeFramedImage(const RECT& dest, TBitmap& source, const RECT& margins,
                                            bool vertical, bool tile, int count, int index) {
  const int dw = std::max<int>(dest.right - dest.left, 0);
  const int dh = std::max<int>(dest.bottom - dest.top, 0);
  auto result = std::make_unique<TBitmap>(dw, dh);
  if (result->Empty() || source.Empty()) return result;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), vertical, count, index);
  if (f.Width <= 0 || f.Height <= 0) return result;
  TMargins m = FrameMargins(margins, f);
  // A grid that does not fit degrades to a plain stretch along that axis.
  if (dw < m.Left + m.Right) m.Left = m.Right = 0;
  if (dh < m.Top + m.Bottom) m.Top = m.Bottom = 0;
  const int x0 = f.X, y0 = f.Y, fw = f.Width, fh = f.Height;
  const int l = m.Left, t = m.Top, r = m.Right, b = m.Bottom;
  TBitmap& dst = *result;
  TBitmap& src = source;
  // The order matters: the pieces after the centre cover its tiles' overflow.
  if (l * t > 0) Piece(dst, 0, 0, l, t, src, x0, y0, x0 + l, y0 + t);
  if (l * b > 0) Piece(dst, 0, dh - b, l, dh, src, x0, y0 + fh - b, x0 + l, y0 + fh);
  if (r * t > 0) Piece(dst, dw - r, 0, dw, t, src, x0 + fw - r, y0, x0 + fw, y0 + t);
  if (l > 0) Piece(dst, 0, t, l, dh - b, src, x0, y0 + t, x0 + l, y0 + fh - b);
  if (t > 0) Piece(dst, l, 0, dw - r, t, src, x0 + l, y0, x0 + fw - r, y0 + t);
  if (tile) {
    TileInto(dst, RECT{l, t, dw - r, dh - b}, src, RECT{x0 + l, y0 + t, x0 + fw - r, y0 + fh - b});
  } else {
    Piece(dst, l, t, dw - r, dh - b, src, x0 + l, y0 + t, x0 + fw - r, y0 + fh - b);
  }
  if (r * b > 0)
    Piece(dst, dw - r, dh - b, dw, dh, src, x0 + fw - r, y0 + fh - b, x0 + fw, y0 + fh);
  if (r > 0) Piece(dst, dw - r, t, dw, dh - b, src, x0 + fw - r, y0 + t, x0 + fw, y0 + fh - b);
  if (b > 0) Piece(dst, l, dh - b, dw - r, dh, src, x0 + l, y0 + fh - b, x0 + fw - r, y0 + fh);
  return result;
}

void DrawFramedImage(HDC dc, const RECT& dest, TBitmap& source, bool vertical, bool tile,
                     bool transparent, int count, int index, const RECT& margins) {
  if (!dc || Inverted(dest) || source.Empty()) return;
  const auto image = ComposeFramedImage(dest, source, margins, vertical, tile, count, index);
  Put(dc, dest.left, dest.top, *image, transparent);
}

void DrawHorzBand(TCanvas& canvas, const RECT& dest, TBitmap& source, bool vertical,
                  bool transparent, int count, int index, const RECT& margins) {
  if (Inverted(dest) || source.Empty()) return;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), vertical, count, index);
  const TMargins m = FrameMargins(margins, f);
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  TBitmap band(dw, dh);
  if (band.Empty() || f.Width <= 0 || f.Height <= 0) return;
  const int x0 = f.X, y0 = f.Y, fw = f.Width, fh = f.Height;
  TBitmap& dst = band;
  TBitmap& src = source;
  Piece(dst, 0, 0, m.Left, dh, src, x0, y0, x0 + m.Left, y0 + fh);
  const int middle = fw - m.Left - m.Right;
  if (middle > 0) {
    for (int x = m.Left; x < dw - m.Right; x += middle)
      Piece(dst, x, 0, x + middle, dh, src, x0 + m.Left, y0, x0 + m.Left + middle, y0 + fh);
  }
  Piece(dst, dw - m.Right, 0, dw, dh, src, x0 + fw - m.Right, y0, x0 + fw, y0 + fh);
  if (transparent) {
    band.SetTransparentColor(clFuchsia);
    band.SetTransparent(true);
    canvas.Draw(dest.left, dest.top, band);
  } else {
    BitBlt(canvas.Handle(), dest.left, dest.top, dw, dh, band.PixelDC(), 0, 0, SRCCOPY);
  }
}

void StretchHorzBand(HDC dc, const RECT& dest, TBitmap& source, bool vertical, int count, int index,
                     const RECT& margins) {
  if (!dc || Inverted(dest) || source.Empty()) return;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), vertical, count, index);
  const TMargins m = FrameMargins(margins, f);
  const int x0 = f.X, y0 = f.Y, fw = f.Width, fh = f.Height;
  const int l = dest.left, t = dest.top, r = dest.right, b = dest.bottom;
  HDC src = source.PixelDC();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  if (r - l < fw) {
    Piece(dc, l, t, r, b, src, x0, y0, x0 + fw, y0 + fh);
  } else {
    Piece(dc, l, t, l + m.Left, b, src, x0, y0, x0 + m.Left, y0 + fh);
    Piece(dc, l + m.Left, t, r - m.Right, b, src, x0 + m.Left, y0, x0 + fw - m.Right, y0 + fh);
    Piece(dc, r - m.Right, t, r, b, src, x0 + fw - m.Right, y0, x0 + fw, y0 + fh);
  }
  if (oldMode) SetStretchBltMode(dc, oldMode);
}

void DrawStretchedFrame(HDC dc, const RECT& dest, TBitmap& source, bool transparent, int count,
                        int index) {
  if (!dc || Inverted(dest) || source.Empty()) return;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), false, count, index);
  TBitmap frame(dest.right - dest.left, dest.bottom - dest.top);
  if (frame.Empty()) return;
  Piece(frame, 0, 0, frame.Width(), frame.Height(), source, f.X, f.Y, f.X + f.Width,
        f.Y + f.Height);
  Put(dc, dest.left, dest.top, frame, transparent);
}

void DrawCentredFrame(HDC dc, const RECT& dest, TBitmap& source, bool transparent, int count,
                      int index) {
  if (!dc || Inverted(dest) || source.Empty()) return;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), false, count, index);
  TBitmap frame(f.Width, f.Height);
  if (frame.Empty()) return;
  CopyPixels(frame, 0, 0, source, RECT{f.X, f.Y, f.X + f.Width, f.Y + f.Height});
  // Truncating division: a frame larger than the rectangle overhangs evenly.
  const int left = dest.left + (dest.right - dest.left - f.Width) / 2;
  const int top = dest.top + (dest.bottom - dest.top - f.Height) / 2;
  Put(dc, left, top, frame, transparent);
}

void DrawTiled(TCanvas& canvas, const RECT& dest, TBitmap& source, const RECT& sourceRect) {
  const int sw = sourceRect.right - sourceRect.left;
  const int sh = sourceRect.bottom - sourceRect.top;
  if (sw <= 0 || sh <= 0) return;
  TBitmap tile(sw, sh);
  if (tile.Empty()) return;
  CopyPixels(tile, 0, 0, source, sourceRect);
  HDC tileDC = tile.PixelDC();
  HDC dc = canvas.Handle();
  for (int x = dest.left; x < dest.right; x += sw)
    for (int y = dest.top; y < dest.bottom; y += sh)
      BitBlt(dc, x, y, sw, sh, tileDC, 0, 0, SRCCOPY);
}

void DrawTransparent(HDC dc, const RECT& dest, TBitmap& source, TColor transparentColour) {
  // Never more than the bitmap holds, whatever the rectangle says.
  const int w = std::min<int>(dest.right - dest.left, source.Width());
  const int h = std::min<int>(dest.bottom - dest.top, source.Height());
  if (!dc || w <= 0 || h <= 0) return;
  TBitmap mask;
  mask.Assign(&source);
  mask.Mask(transparentColour);
  // Mask bit 1 (the transparent colour) keeps the destination; 0 copies.
  MaskBlt(dc, dest.left, dest.top, w, h, source.PixelDC(), 0, 0, mask.Handle(), 0, 0,
          MAKEROP4(0x00AA0029, SRCCOPY));
}
