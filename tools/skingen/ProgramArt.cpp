#include "tools/skingen/ProgramArt.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/Draw.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

const std::vector<Rgb>& StandardPalette16() {
  static const std::vector<Rgb> palette{
      {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  return palette;
}

Bytes MenuGlyphBitmap() {
  // Restore, maximise, minimise, close; black on white, 16 pixels each.
  // Glyph edges fall on pixel edges, so one bit per pixel keeps them whole.
  constexpr int cell = 16, glyph = 10, inset = 3;
  const CaptionGlyph order[] = {CaptionGlyph::Restore, CaptionGlyph::Maximise, CaptionGlyph::Minimise};
  Layer layer(4 * cell, cell);
  for (int i = 0; i < 3; ++i)
    DrawCaptionGlyph(layer, order[i], i * cell + inset, inset, glyph, Rgb{0, 0, 0});
  Image image(4 * cell, cell, Rgb{255, 255, 255});
  image.Flatten(layer, 0, 0, Rgb{255, 255, 255});
  // The cross is set pixel by pixel: anti-aliased diagonals do not survive
  // one bit per pixel. Two pixels wide, as menu glyphs usually are.
  for (int i = 0; i < glyph - 1; ++i) {
    const int x = 3 * cell + inset, y = inset + i;
    for (int dx : {0, 1}) {
      image.Set(x + i + dx, y, Rgb{0, 0, 0});
      image.Set(x + glyph - 2 - i + dx, y, Rgb{0, 0, 0});
    }
  }
  return EncodeBmpPalette(image, {{0, 0, 0}, {255, 255, 255}});
}

namespace {

// A sunken channel in the classic sixteen colours: shadow above and at the
// near end, light below and at the far end.
Image Channel(int width, int height, bool vertical) {
  const Rgb shadow{128, 128, 128}, dark{0, 0, 0}, face{192, 192, 192}, light{255, 255, 255};
  Image image(width, height, face);
  const int length = vertical ? height : width, across = vertical ? width : height;
  for (int a = 0; a < length; ++a) {
    for (int c = 0; c < across; ++c) {
      Rgb colour = face;
      if (c == 0) colour = shadow;
      else if (c == across - 1) colour = light;
      else if (c == 1) colour = dark;
      if (a == 0 && c < across - 1) colour = shadow;
      if (a == length - 1 && c > 0) colour = light;
      if (vertical) image.Set(c, a, colour);
      else image.Set(a, c, colour);
    }
  }
  return image;
}

}  // namespace

Bytes TrackBitmap() { return EncodeBmpPalette(Channel(16, 4, false), StandardPalette16()); }
Bytes TrackVertBitmap() { return EncodeBmpPalette(Channel(4, 16, true), StandardPalette16()); }

namespace {

// A pointer with its tip at (x, y), scaled; the usual arrow outline.
std::vector<std::pair<double, double>> Pointer(double x, double y, double scale) {
  const std::pair<double, double> shape[] = {{0, 0},   {0, 10.5}, {2.6, 8.1}, {4.4, 12},
                                             {6.1, 11.3}, {4.3, 7.5}, {7.6, 7.4}};
  std::vector<std::pair<double, double>> out;
  for (auto [dx, dy] : shape) out.emplace_back(x + dx * scale, y + dy * scale);
  return out;
}

// An arc of a circle drawn as a stroke; angles in degrees, y pointing down.
Inside Arc(double cx, double cy, double radius, double from, double to, double halfWidth) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= 24; ++i) {
    const double a = (from + (to - from) * i / 24) * 3.14159265358979 / 180;
    points.emplace_back(cx + radius * std::cos(a), cy + radius * std::sin(a));
  }
  return Polyline(points, halfWidth);
}

}  // namespace

Image IconImage() {
  constexpr int s = 16;
  Layer layer(s, s);
  layer.Fill(Whole(layer), RoundRect(0.5, 0.5, s - 0.5, s - 0.5, 3.5),
             [](double, double y) { return Mix(Rgb{112, 172, 234}, kAccent, y / s); });
  layer.Fill(Whole(layer), Arc(6, 5, 3.6, 180, 270, 0.6), Rgb{196, 222, 248});
  layer.Fill(Whole(layer), Polygon(Pointer(6, 5, 0.85)), kWindow);
  Image image(s, s);
  // The icon's mask is one bit, so faint corner pixels are left out.
  image.Flatten(layer, 0, 0, kAccent, 0.45);
  return image;
}

Bytes IconFile(const Image& icon) {
  constexpr int s = 16;
  std::vector<Rgb> palette{{0, 0, 0}};
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const Rgb c = icon.Get(x, y);
      if (c != kMagenta && std::find(palette.begin(), palette.end(), c) == palette.end())
        palette.push_back(c);
    }
  palette.resize(256, Rgb{0, 0, 0});
  Image colours(s, s, Rgb{0, 0, 0});
  Bytes mask;  // 1 = transparent; rows bottom-up, padded to 32 bits
  for (int y = s - 1; y >= 0; --y) {
    std::uint32_t bits = 0;
    for (int x = 0; x < s; ++x) {
      if (icon.Get(x, y) == kMagenta) bits |= 0x8000u >> x;
      else colours.Set(x, y, icon.Get(x, y));
    }
    mask.push_back(static_cast<std::uint8_t>(bits >> 8));
    mask.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    mask.push_back(0);
    mask.push_back(0);
  }
  Bytes dib = EncodeDibPalette(colours, palette, 2 * s);
  dib.insert(dib.end(), mask.begin(), mask.end());
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon
  PutU16(out, 1);  // one image
  out.push_back(s);
  out.push_back(s);
  out.push_back(0);  // 256 colours or more
  out.push_back(0);
  PutU16(out, 1);  // planes
  PutU16(out, 8);  // bits per pixel
  PutU32(out, static_cast<std::uint32_t>(dib.size()));
  PutU32(out, 22);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

Image BannerBackground() {
  constexpr int w = 347, h = 81;
  const auto sky = [](double x, double y) {
    const Rgb left = Mix(Rgb{36, 60, 88}, Rgb{44, 72, 104}, y / h);
    const Rgb right = Mix(Rgb{64, 104, 150}, Rgb{52, 88, 130}, y / h);
    return Mix(left, right, x / w);
  };
  Layer layer(w, h);
  layer.Fill({0, 0, w, h}, [](double, double) { return true; }, sky);
  // Ripples spreading from a click on the right.
  const double cx = 288, cy = 44;
  for (int i = 0; i < 5; ++i) {
    const double r = 9 + i * 11.0, strength = 0.34 - i * 0.06;
    layer.Fill({0, 0, w, h}, Ring(Circle(cx, cy, r + 0.8), Circle(cx, cy, r - 0.8)),
               [&](double x, double y) { return Mix(sky(x, y), kWindow, strength); });
  }
  layer.Fill({0, 0, w, h}, Circle(cx, cy, 4.5), Rgb{150, 196, 240});
  auto outline = Pointer(cx, cy, 2.3);
  layer.Fill({0, 0, w, h}, Polygon(outline), kWindow);
  outline.push_back(outline.front());
  layer.Fill({0, 0, w, h}, Polyline(outline, 0.9), Rgb{24, 40, 60});
  // A thin accent line along the bottom edge.
  layer.FillRect(0, h - 2, w, h, Rgb{92, 152, 218});
  Image image(w, h);
  image.Flatten(layer, 0, 0, sky);
  return image;
}

}  // namespace skingen
