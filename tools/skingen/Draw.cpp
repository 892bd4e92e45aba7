#include "tools/skingen/Draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skingen {

Box Whole(const Layer& layer) { return {0, 0, layer.Width(), layer.Height()}; }

void DrawBox(Layer& layer, double left, double top, double right, double bottom, double radius,
             Rgb border, Rgb fill) {
  layer.Fill(Whole(layer), RoundRect(left, top, right, bottom, radius), border);
  layer.Fill(Whole(layer),
             RoundRect(left + 1, top + 1, right - 1, bottom - 1, std::max(radius - 1, 0.0)), fill);
}

namespace {

using Points = std::vector<std::pair<double, double>>;

// Points of an arrow pointing down, turned to the wanted direction.
Points Turn(const Points& down, double cx, double cy, Direction direction) {
  Points out;
  for (auto [dx, dy] : down) {
    switch (direction) {
      case Direction::Down: out.emplace_back(cx + dx, cy + dy); break;
      case Direction::Up: out.emplace_back(cx + dx, cy - dy); break;
      case Direction::Right: out.emplace_back(cx + dy, cy + dx); break;
      case Direction::Left: out.emplace_back(cx - dy, cy + dx); break;
    }
  }
  return out;
}

}  // namespace

void DrawChevron(Layer& layer, double cx, double cy, double size, Direction direction, Rgb colour,
                 double halfWidth) {
  const double h = size / 2, v = size / 4;
  layer.Fill(Whole(layer), Polyline(Turn({{-h, -v}, {0, v}, {h, -v}}, cx, cy, direction), halfWidth),
             colour);
}

void DrawCaptionGlyph(Layer& layer, CaptionGlyph glyph, double x, double y, double size,
                      Rgb colour) {
  const Box all = Whole(layer);
  const double r = x + size, b = y + size;
  switch (glyph) {
    case CaptionGlyph::Close:
      layer.Fill(all, Segment(x + 0.5, y + 0.5, r - 0.5, b - 0.5, 0.75), colour);
      layer.Fill(all, Segment(r - 0.5, y + 0.5, x + 0.5, b - 0.5, 0.75), colour);
      break;
    case CaptionGlyph::Maximise:
      layer.Fill(all, Ring(RoundRect(x, y, r, b, 1), RoundRect(x + 1, y + 1, r - 1, b - 1, 0)),
                 colour);
      break;
    case CaptionGlyph::Restore: {
      const double s = size - 2;
      const Inside front = RoundRect(x, y + 2, x + s, y + 2 + s, 1);
      const Inside frontHole = RoundRect(x + 1, y + 3, x + s - 1, y + 1 + s, 0);
      const Inside back = RoundRect(x + 2, y, x + 2 + s, y + s, 1);
      const Inside backHole = RoundRect(x + 3, y + 1, x + 1 + s, y + s - 1, 0);
      layer.Fill(all, Ring(front, frontHole), colour);
      layer.Fill(all, [=](double px, double py) { return back(px, py) && !backHole(px, py) && !front(px, py); },
                 colour);
      break;
    }
    case CaptionGlyph::Minimise:
      layer.FillRect(static_cast<int>(x), static_cast<int>(y + size / 2),
                     static_cast<int>(r), static_cast<int>(y + size / 2) + 1, colour);
      break;
    case CaptionGlyph::Help: {
      Points arc;
      const double cx = x + size / 2, cy = y + size * 0.3, radius = size * 0.28;
      for (int i = 0; i <= 16; ++i) {
        const double a = (160.0 + i * (400.0 - 160.0) / 16) * std::numbers::pi / 180;
        arc.emplace_back(cx + radius * std::cos(a), cy + radius * std::sin(a));
      }
      arc.emplace_back(cx, y + size * 0.64);
      layer.Fill(all, Polyline(arc, 0.75), colour);
      layer.Fill(all, Circle(cx, b - 0.9, 0.95), colour);
      break;
    }
  }
}

}  // namespace skingen
