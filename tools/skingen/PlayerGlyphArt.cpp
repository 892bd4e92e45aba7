#include "tools/skingen/PlayerGlyphArt.h"

namespace skingen {

namespace {

constexpr int kSize = 9;

// Whole pixels only: an anti-aliased edge would blend with the olive that
// is cut out, and leave an olive fringe.
void Rect(Image& image, int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) image.Set(x, y, colour);
}

// Seven rows high and four columns wide from `left`, pointing right (or left).
void TriangleRight(Image& image, int left, Rgb colour) {
  for (int i = 0; i < 4; ++i) Rect(image, left + i, 1 + i, left + i + 1, 8 - i, colour);
}
void TriangleLeft(Image& image, int left, Rgb colour) {
  for (int i = 0; i < 4; ++i) Rect(image, left + 3 - i, 1 + i, left + 4 - i, 8 - i, colour);
}

void DrawShape(Image& image, int button, Rgb colour) {
  switch (button) {
    case 0:  // play
      TriangleRight(image, 3, colour);
      break;
    case 1:  // pause
      Rect(image, 2, 1, 4, 8, colour);
      Rect(image, 5, 1, 7, 8, colour);
      break;
    case 2:  // stop
      Rect(image, 2, 2, 7, 7, colour);
      break;
    case 3:  // next
      TriangleRight(image, 2, colour);
      Rect(image, 6, 1, 7, 8, colour);
      break;
    case 4:  // previous
      Rect(image, 2, 1, 3, 8, colour);
      TriangleLeft(image, 3, colour);
      break;
    case 5:  // step
      TriangleRight(image, 1, colour);
      TriangleRight(image, 5, colour);
      break;
    case 6:  // back
      TriangleLeft(image, 0, colour);
      TriangleLeft(image, 4, colour);
      break;
    case 7:  // record
      for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
          if ((x - 4) * (x - 4) + (y - 4) * (y - 4) <= 10) image.Set(x, y, colour);
      break;
    default:  // eject
      for (int i = 0; i < 4; ++i) Rect(image, 1 + i, 4 - i, 8 - i, 5 - i, colour);
      Rect(image, 1, 6, 8, 8, colour);
      break;
  }
}

}  // namespace

std::vector<PlayerGlyph> PlayerGlyphs() {
  static const char* const buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                        "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  // Coloured: going forward green, holding blue, stopping and recording red.
  static const Rgb colours[] = {{0, 144, 0}, {0, 0, 192}, {192, 0, 0}, {0, 144, 0}, {0, 144, 0},
                                {0, 144, 0}, {0, 144, 0}, {192, 0, 0}, {0, 0, 192}};
  const struct {
    const char* prefix;
    bool coloured;
    Rgb ink;
  } states[] = {{"EN", false, {0, 0, 0}}, {"DI", false, {128, 128, 128}}, {"CL", true, {}}};
  std::vector<PlayerGlyph> glyphs;
  for (const auto& state : states) {
    for (int b = 0; b < 9; ++b) {
      Image image(kSize, kSize, kGlyphOlive);
      DrawShape(image, b, state.coloured ? colours[b] : state.ink);
      glyphs.push_back({std::string(state.prefix) + "_" + buttons[b], std::move(image)});
    }
  }
  return glyphs;
}

}  // namespace skingen
