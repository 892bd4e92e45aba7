#pragma once
// A small anti-aliased rasteriser for the skin art: shapes are inside tests
// sampled on a fixed 4x4 grid per pixel, so output is exact and repeatable.
#include <cstdint>
#include <functional>
#include <vector>

namespace skingen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

constexpr Rgb kMagenta{255, 0, 255};

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied) colour
};

Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b

using Inside = std::function<bool(double x, double y)>;
using Paint = std::function<Rgb(double x, double y)>;

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// A drawing layer with coverage: flattened at the end over the colour the
// element is expected to sit on, leaving magenta where nothing was drawn.
class Layer {
 public:
  Layer(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  const Rgba& At(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }

  void Fill(const Box& box, const Inside& inside, const Paint& paint);
  void Fill(const Box& box, const Inside& inside, Rgb colour);
  void FillRect(int left, int top, int right, int bottom, Rgb colour);

 private:
  int width_, height_;
  std::vector<Rgba> px_;
};

// Inside tests. Coordinates are continuous: pixel (x, y) covers [x, x+1).
Inside RoundRect(double left, double top, double right, double bottom, double radius);
// Rounded rectangle with separate radii: top-left, top-right, bottom-right, bottom-left.
Inside RoundRect4(double left, double top, double right, double bottom,
                  double tl, double tr, double br, double bl);
Inside Ring(const Inside& outer, const Inside& inner);
Inside Segment(double x0, double y0, double x1, double y1, double halfWidth);
Inside Polyline(const std::vector<std::pair<double, double>>& points, double halfWidth);
Inside Polygon(const std::vector<std::pair<double, double>>& points);
Inside Circle(double cx, double cy, double radius);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kMagenta);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb Get(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }
  void Set(int x, int y, Rgb c) { px_[static_cast<size_t>(y) * width_ + x] = c; }
  // Pixels with little coverage stay magenta; the rest are mixed over the
  // backdrop, so their anti-aliasing matches what is painted beneath them.
  void Flatten(const Layer& layer, int atX, int atY, const Paint& backdrop,
               double minCoverage = 0);
  void Flatten(const Layer& layer, int atX, int atY, Rgb backdrop, double minCoverage = 0);
  void Blit(const Image& from, int atX, int atY);
  Image Crop(int x, int y, int width, int height) const;
  bool HasColour(Rgb c) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Rgb> px_;
};

// Frames laid side by side (the usual strip) or stacked.
Image JoinHorizontal(const std::vector<Image>& frames);
Image JoinVertical(const std::vector<Image>& frames);

}  // namespace skingen
