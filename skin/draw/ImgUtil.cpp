#include "skin/draw/ImgUtil.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/draw/RegionRuns.h"

namespace {

std::uint8_t* Row(TBitmap& bitmap, int y) { return static_cast<std::uint8_t*>(bitmap.ScanLine(y)); }

// A 24-bit bitmap of the given size filled by pixel(newX, newY) -> (oldX, oldY).
template <typename F>
void Remap(TBitmap& bitmap, int newWidth, int newHeight, F oldPixelOf) {
  bitmap.SetPixelFormat(pf24bit);
  TBitmap result(newWidth, newHeight, pf24bit);
  if (result.Empty()) return;
  // Row addresses once: ScanLine flushes GDI on every call.
  std::vector<const std::uint8_t*> oldRows(static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) oldRows[static_cast<std::size_t>(y)] = Row(bitmap, y);
  for (int y = 0; y < newHeight; ++y) {
    std::uint8_t* out = Row(result, y);
    for (int x = 0; x < newWidth; ++x) {
      const POINT old = oldPixelOf(x, y);
      std::memcpy(out + 3 * x, oldRows[static_cast<std::size_t>(old.y)] + 3 * old.x, 3);
    }
  }
  bitmap.Assign(&result);
}

}  // namespace

void ReplaceColour(TBitmap& bitmap, TColor colour) {
  if (bitmap.Empty()) return;
  bitmap.SetPixelFormat(pf24bit);
  const TColor rgb = ColorToRGB(colour);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = Row(bitmap, y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {  // blue, green, red
        p[0] = static_cast<std::uint8_t>(ColorBlue(rgb));
        p[1] = static_cast<std::uint8_t>(ColorGreen(rgb));
        p[2] = static_cast<std::uint8_t>(ColorRed(rgb));
      }
    }
  }
}

void MirrorHorz(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width();
  Remap(bitmap, w, bitmap.Height(), [w](int x, int y) { return POINT{w - 1 - x, y}; });
}

void FlipVert(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const std::size_t stride = static_cast<std::size_t>(bitmap.Stride());
  std::vector<std::uint8_t> swap(stride);
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    std::memcpy(swap.data(), Row(bitmap, top), stride);
    std::memcpy(Row(bitmap, top), Row(bitmap, bottom), stride);
    std::memcpy(Row(bitmap, bottom), swap.data(), stride);
  }
}

void RotateLeft(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width();
  // new (y, w - 1 - x) = old (x, y), so new (nx, ny) = old (w - 1 - ny, nx).
  Remap(bitmap, bitmap.Height(), w, [w](int nx, int ny) { return POINT{w - 1 - ny, nx}; });
}

void RotateRight(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int h = bitmap.Height();
  // new (h - 1 - y, x) = old (x, y), so new (nx, ny) = old (ny, h - 1 - nx).
  Remap(bitmap, h, bitmap.Width(), [h](int nx, int ny) { return POINT{ny, h - 1 - nx}; });
}

void GradientFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2) {
  if (!dc || !RectVisible(dc, &rect)) return;
  const int extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  if (extent <= 0) return;
  RECT clip{};
  GetClipBox(dc, &clip);
  const TGradientRun run = vertical ? GradientRunInClip(rect.top, extent, clip.top, clip.bottom)
                                    : GradientRunInClip(rect.left, extent, clip.left, clip.right);
  const TGradient& colours = GetGradient(extent, ColorToRGB(c1), ColorToRGB(c2));
  for (int i = run.First; i <= run.Last; ++i) {
    const RECT strip = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                                : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
    TBrushHandle brush(
        CreateSolidBrush(static_cast<COLORREF>(colours[static_cast<std::size_t>(i)])));
    FillRect(dc, &strip, brush.Get());
  }
}

namespace {

// Region data is collected 2000 rectangles at a time and joined to the result.
constexpr std::size_t kRectsPerRegion = 2000;

void AddRects(HRGN result, const TRunRect* rects, std::size_t count) {
  if (count == 0) return;
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(count);
  header->nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bound{rects[0].Left, rects[0].Top, rects[0].Right, rects[0].Bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = RECT{rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom};
    bound.left = std::min(bound.left, out[i].left);
    bound.top = std::min(bound.top, out[i].top);
    bound.right = std::max(bound.right, out[i].right);
    bound.bottom = std::max(bound.bottom, out[i].bottom);
  }
  header->rcBound = bound;
  TRegionHandle part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                     reinterpret_cast<RGNDATA*>(data.data())));
  if (part) CombineRgn(result, result, part.Get(), RGN_OR);
}

}  // namespace

HRGN RegionFromBitmap(TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key) {
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  if (bitmap.Empty() || !result) return result;
  // Read from a 32-bit copy: the caller's bitmap keeps its format.
  TBitmap pixels;
  pixels.Assign(&bitmap);
  pixels.SetPixelFormat(pf32bit);
  const int w = pixels.Width(), h = pixels.Height();
  std::vector<std::uint32_t> topDown(static_cast<std::size_t>(w) * h);
  for (int row = 0; row < h; ++row)
    std::memcpy(&topDown[static_cast<std::size_t>(row) * w], pixels.ScanLine(row),
                static_cast<std::size_t>(w) * 4);
  const std::vector<TRunRect> runs = NonKeyRuns(
      topDown.data(), w, h, MakeKeyRange(key, blueTolerance, greenTolerance, redTolerance), x, y);
  for (std::size_t at = 0; at < runs.size(); at += kRectsPerRegion)
    AddRects(result, runs.data() + at, std::min(kRectsPerRegion, runs.size() - at));
  return result;
}

int DrawSkinText(HDC dc, const WideString& text, RECT& rect, UINT format) {
  if (!dc) return 0;
  return DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()),
                   static_cast<int>(text.size()), &rect, format);
}

WideString AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return WideString(wide.begin(), wide.end());
}
