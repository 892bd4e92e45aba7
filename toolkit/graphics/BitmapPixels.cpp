#include "toolkit/graphics/BitmapPixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "toolkit/graphics/ScopedHandles.h"

namespace {

bool ReadableInMemory(const TBitmap& bitmap) {
  const int bits = bitmap.BitsPerPixel();
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

bool WritableInMemory(const TBitmap& bitmap) {
  const int bits = bitmap.BitsPerPixel();
  return bits == 24 || bits == 32;
}

const std::uint8_t* ConstRow(TBitmap& bitmap, int y) {
  return static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
}

std::uint8_t* Row(TBitmap& bitmap, int y) { return static_cast<std::uint8_t*>(bitmap.ScanLine(y)); }

// Row addresses with one GdiFlush for all, not one per row as ScanLine
// does: the first two rows give the step from one row to the next.
class TRows {
 public:
  explicit TRows(TBitmap& bitmap)
      : first_(Row(bitmap, 0)), step_(bitmap.Height() > 1 ? Row(bitmap, 1) - first_ : 0) {}
  std::uint8_t* operator[](int y) const { return first_ + static_cast<std::ptrdiff_t>(y) * step_; }

 private:
  std::uint8_t* first_;
  std::ptrdiff_t step_;
};

// The common conversions between direct formats, a row at a time.
void Row24To32(std::uint8_t* out, const std::uint8_t* in, int width) {
  for (int i = 0; i < width; ++i, out += 4, in += 3) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    out[3] = 0;
  }
}

void Row32To24(std::uint8_t* out, const std::uint8_t* in, int width) {
  for (int i = 0; i < width; ++i, out += 3, in += 4) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
  }
}

// One row's pixels as colours (0x00BBGGRR); palette bitmaps look their
// indices up in their colour table, as GDI does.
class TRowReader {
 public:
  explicit TRowReader(TBitmap& bitmap) : bits_(bitmap.BitsPerPixel()), palette_(bitmap.Palette()) {}

  TColor At(const std::uint8_t* row, int x) const {
    switch (bits_) {
      case 1:
        return Indexed((row[x >> 3] >> (7 - (x & 7))) & 1);
      case 4:
        return Indexed((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
      case 8:
        return Indexed(row[x]);
      case 24:
        return RGBColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
      default:
        return RGBColor(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
  }

 private:
  TColor Indexed(unsigned index) const {
    if (index >= palette_.size()) return 0;
    const RGBQUAD& q = palette_[index];
    return RGBColor(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }

  int bits_;
  const std::vector<RGBQUAD>& palette_;
};

// Writes a colour into a 24- or 32-bit row; the fourth byte of a 32-bit
// pixel is 0, as GDI leaves it when converting or filling.
void Put(std::uint8_t* row, int x, int bits, TColor colour) {
  std::uint8_t* p = row + x * (bits / 8);
  p[0] = static_cast<std::uint8_t>(ColorBlue(colour));
  p[1] = static_cast<std::uint8_t>(ColorGreen(colour));
  p[2] = static_cast<std::uint8_t>(ColorRed(colour));
  if (bits == 32) p[3] = 0;
}

// The part of a copy that lies inside both bitmaps.
struct TCopyArea {
  int DestX, DestY, SourceX, SourceY, Width, Height;
};

TCopyArea Clip(TBitmap& dest, int x, int y, TBitmap& source, const RECT& from) {
  TCopyArea a{x,
              y,
              static_cast<int>(from.left),
              static_cast<int>(from.top),
              static_cast<int>(from.right - from.left),
              static_cast<int>(from.bottom - from.top)};
  const auto trimStart = [](int& d, int& s, int& length) {
    const int cut = std::max({0, -d, -s});
    d += cut;
    s += cut;
    length -= cut;
  };
  trimStart(a.DestX, a.SourceX, a.Width);
  trimStart(a.DestY, a.SourceY, a.Height);
  a.Width = std::min({a.Width, dest.Width() - a.DestX, source.Width() - a.SourceX});
  a.Height = std::min({a.Height, dest.Height() - a.DestY, source.Height() - a.SourceY});
  return a;
}

// Formats this file does not read or write go through GDI, with the mask
// that DrawTransparent would make for a key.
void CopyThroughGdi(TBitmap& dest, const TCopyArea& a, TBitmap& source, std::optional<TColor> key) {
  if (!key) {
    BitBlt(dest.PixelDC(), a.DestX, a.DestY, a.Width, a.Height, source.PixelDC(), a.SourceX,
           a.SourceY, SRCCOPY);
    return;
  }
  TBitmap piece(a.Width, a.Height, pf32bit);
  BitBlt(piece.PixelDC(), 0, 0, a.Width, a.Height, source.PixelDC(), a.SourceX, a.SourceY, SRCCOPY);
  TBitmap mask;
  mask.Assign(&piece);
  mask.Mask(*key);
  MaskBlt(dest.PixelDC(), a.DestX, a.DestY, a.Width, a.Height, piece.PixelDC(), 0, 0, mask.Handle(),
          0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
}

}  // namespace

TColor ReadPixel(TBitmap& bitmap, int x, int y) {
  if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height())
    return static_cast<TColor>(CLR_INVALID);
  if (!ReadableInMemory(bitmap)) return static_cast<TColor>(GetPixel(bitmap.PixelDC(), x, y));
  return TRowReader(bitmap).At(ConstRow(bitmap, y), x);
}

void CopyPixels(TBitmap& dest, int x, int y, TBitmap& source, const RECT& from,
                std::optional<TColor> key) {
  const TCopyArea a = Clip(dest, x, y, source, from);
  if (a.Width <= 0 || a.Height <= 0) return;
  // MaskBlt clears the fourth byte of the 32-bit pixels it keeps; that is
  // left to GDI rather than copied here.
  const bool keyedInto32 = key && dest.BitsPerPixel() == 32;
  if (!ReadableInMemory(source) || !WritableInMemory(dest) || &dest == &source || keyedInto32) {
    CopyThroughGdi(dest, a, source, key);
    return;
  }
  const int destBits = dest.BitsPerPixel();
  const int sourceBits = source.BitsPerPixel();
  const TRows inRows(source), outRows(dest);
  const TRowReader reader(source);
  const TColor keyRgb = key ? ColorToRGB(*key) & 0xFFFFFF : 0;
  for (int row = 0; row < a.Height; ++row) {
    const std::uint8_t* in = inRows[a.SourceY + row];
    std::uint8_t* out = outRows[a.DestY + row];
    if (!key && sourceBits >= 24) {
      // Same-format copies keep every byte, the fourth of a 32-bit pixel too.
      std::uint8_t* to = out + a.DestX * (destBits / 8);
      const std::uint8_t* from = in + a.SourceX * (sourceBits / 8);
      if (destBits == sourceBits)
        std::memcpy(to, from, static_cast<std::size_t>(a.Width) * (destBits / 8));
      else if (destBits == 32)
        Row24To32(to, from, a.Width);
      else
        Row32To24(to, from, a.Width);
      continue;
    }
    for (int i = 0; i < a.Width; ++i) {
      const TColor colour = reader.At(in, a.SourceX + i);
      if (key && colour == keyRgb) continue;
      Put(out, a.DestX + i, destBits, colour);
    }
  }
}

void FillPixels(TBitmap& dest, const RECT& rect, TColor colour) {
  // A negative extent runs the other way from its start, so the start
  // becomes the inclusive end: [right + 1, left + 1).
  const auto span = [](int from, int to) {
    return from <= to ? std::pair{from, to} : std::pair{to + 1, from + 1};
  };
  const auto [x0, x1] = span(rect.left, rect.right);
  const auto [y0, y1] = span(rect.top, rect.bottom);
  const int left = std::max(0, x0), right = std::min(dest.Width(), x1);
  const int top = std::max(0, y0), bottom = std::min(dest.Height(), y1);
  if (left >= right || top >= bottom) return;
  const TColor rgb = ColorToRGB(colour);
  if (!WritableInMemory(dest)) {
    TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(rgb)));
    const RECT clipped{left, top, right, bottom};
    ::FillRect(dest.PixelDC(), &clipped, brush.Get());
    return;
  }
  const int bits = dest.BitsPerPixel();
  for (int y = top; y < bottom; ++y) {
    std::uint8_t* out = Row(dest, y);
    for (int x = left; x < right; ++x) Put(out, x, bits, rgb);
  }
}
