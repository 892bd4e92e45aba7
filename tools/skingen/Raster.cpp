#include "tools/skingen/Raster.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

constexpr int kGrid = 4;  // samples per axis and pixel

std::uint8_t ToByte(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {ToByte(a.r + (b.r - a.r) * t), ToByte(a.g + (b.g - a.g) * t),
          ToByte(a.b + (b.b - a.b) * t)};
}

Layer::Layer(int width, int height)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height) {}

void Layer::Fill(const Box& box, const Inside& inside, const Paint& paint) {
  const int left = std::max(box.left, 0), top = std::max(box.top, 0);
  const int right = std::min(box.right, width_), bottom = std::min(box.bottom, height_);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kGrid; ++sy)
        for (int sx = 0; sx < kGrid; ++sx)
          hits += inside(x + (sx + 0.5) / kGrid, y + (sy + 0.5) / kGrid) ? 1 : 0;
      if (hits == 0) continue;
      const double a = double(hits) / (kGrid * kGrid);
      const Rgb c = paint(x + 0.5, y + 0.5);
      Rgba& d = px_[static_cast<size_t>(y) * width_ + x];
      const double outA = a + d.a * (1 - a);
      const auto over = [&](double s, double dst) { return (s * a + dst * d.a * (1 - a)) / outA; };
      d = {over(c.r, d.r), over(c.g, d.g), over(c.b, d.b), outA};
    }
  }
}

void Layer::Fill(const Box& box, const Inside& inside, Rgb colour) {
  Fill(box, inside, [colour](double, double) { return colour; });
}

void Layer::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  Fill({left, top, right, bottom}, [](double, double) { return true; }, colour);
}

Inside RoundRect4(double left, double top, double right, double bottom,
                  double tl, double tr, double br, double bl) {
  return [=](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const auto outside = [&](double cx, double cy, double r) {
      const double dx = x - cx, dy = y - cy;
      return dx * dx + dy * dy > r * r;
    };
    if (x < left + tl && y < top + tl) return !outside(left + tl, top + tl, tl);
    if (x >= right - tr && y < top + tr) return !outside(right - tr, top + tr, tr);
    if (x >= right - br && y >= bottom - br) return !outside(right - br, bottom - br, br);
    if (x < left + bl && y >= bottom - bl) return !outside(left + bl, bottom - bl, bl);
    return true;
  };
}

Inside RoundRect(double left, double top, double right, double bottom, double radius) {
  return RoundRect4(left, top, right, bottom, radius, radius, radius, radius);
}

Inside Ring(const Inside& outer, const Inside& inner) {
  return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

Inside Segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    return DistanceToSegment(x, y, x0, y0, x1, y1) <= halfWidth;
  };
}

Inside Polyline(const std::vector<std::pair<double, double>>& points, double halfWidth) {
  return [=](double x, double y) {
    for (size_t i = 1; i < points.size(); ++i) {
      if (DistanceToSegment(x, y, points[i - 1].first, points[i - 1].second,
                            points[i].first, points[i].second) <= halfWidth)
        return true;
    }
    return false;
  };
}

Inside Polygon(const std::vector<std::pair<double, double>>& points) {
  return [=](double x, double y) {
    bool in = false;  // even-odd crossing test
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
}

Inside Circle(double cx, double cy, double radius) {
  return [=](double x, double y) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height, fill) {}

void Image::Flatten(const Layer& layer, int atX, int atY, const Paint& backdrop,
                    double minCoverage) {
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const int tx = atX + x, ty = atY + y;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const Rgba& s = layer.At(x, y);
      if (s.a <= minCoverage) continue;
      const Rgb under = backdrop(tx + 0.5, ty + 0.5);
      const auto mix = [&](double c, double u) { return ToByte(c * s.a + u * (1 - s.a)); };
      Set(tx, ty, {mix(s.r, under.r), mix(s.g, under.g), mix(s.b, under.b)});
    }
  }
}

void Image::Flatten(const Layer& layer, int atX, int atY, Rgb backdrop, double minCoverage) {
  Flatten(layer, atX, atY, [backdrop](double, double) { return backdrop; }, minCoverage);
}

void Image::Blit(const Image& from, int atX, int atY) {
  for (int y = 0; y < from.Height(); ++y)
    for (int x = 0; x < from.Width(); ++x) {
      const int tx = atX + x, ty = atY + y;
      if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_) Set(tx, ty, from.Get(x, y));
    }
}

Image Image::Crop(int x, int y, int width, int height) const {
  Image out(width, height);
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i)
      if (x + i >= 0 && y + j >= 0 && x + i < width_ && y + j < height_)
        out.Set(i, j, Get(x + i, y + j));
  return out;
}

bool Image::HasColour(Rgb c) const {
  return std::find(px_.begin(), px_.end(), c) != px_.end();
}

Image JoinHorizontal(const std::vector<Image>& frames) {
  int width = 0, height = 0;
  for (const Image& f : frames) {
    width += f.Width();
    height = std::max(height, f.Height());
  }
  Image out(width, height);
  int x = 0;
  for (const Image& f : frames) {
    out.Blit(f, x, 0);
    x += f.Width();
  }
  return out;
}

Image JoinVertical(const std::vector<Image>& frames) {
  int width = 0, height = 0;
  for (const Image& f : frames) {
    width = std::max(width, f.Width());
    height += f.Height();
  }
  Image out(width, height);
  int y = 0;
  for (const Image& f : frames) {
    out.Blit(f, 0, y);
    y += f.Height();
  }
  return out;
}

}  // namespace skingen
