#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {


// Track bar thumb cells: 1 and 2 normal, 3 pressed, 4 hot, 5 disabled.
const Rgb kThumbColours[5] = {kAccent, kAccent, kAccentDark, Rgb{72, 138, 212}, kLine};

Image ThumbStrip(int w, int h, const Inside& shape) {
  std::vector<Image> cells;
  for (const Rgb& colour : kThumbColours) {
    Layer layer(w, h);
    layer.Fill(Whole(layer), shape, colour);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kFace);
    cells.push_back(image);
  }
  return JoinHorizontal(cells);
}

constexpr int kThumbShort = 11, kThumbLong = 20;

// A thumb with a point towards the tics; tip gives the direction.
Inside PointedThumb(Direction tip) {
  const double s = kThumbShort - 0.5, l = kThumbLong - 0.5, m = kThumbShort / 2.0;
  switch (tip) {
    case Direction::Up: return Polygon({{0.5, m}, {m, 0.5}, {s, m}, {s, l}, {0.5, l}});
    case Direction::Down: return Polygon({{0.5, 0.5}, {s, 0.5}, {s, l - m + 0.5}, {m, l}, {0.5, l - m + 0.5}});
    case Direction::Left: return Polygon({{0.5, m}, {m, 0.5}, {l, 0.5}, {l, s}, {m, s}});
    case Direction::Right: return Polygon({{0.5, 0.5}, {l - m + 0.5, 0.5}, {l, m}, {l - m + 0.5, s}, {0.5, s}});
  }
  return Polygon({});
}

// The channel a track bar thumb runs in.
Image Channel(bool vertical) {
  const int w = vertical ? 4 : 12, h = vertical ? 12 : 4;
  Layer layer(w, h);
  layer.Fill(Whole(layer), RoundRect(0, 0, w, h, 2), Rgb{200, 208, 218});
  Image image(w, h);
  image.Flatten(layer, 0, 0, kFace);
  return image;
}

// Up-down halves: frame = state + 4 * half, state 1 normal, 2 pressed, 3
// disabled, 4 hot. Each half is a small button of its own, so one image
// serves both orientations.
struct Look {
  Rgb border, fill, ink;
};
const Look kUpDownLooks[4] = {{kEdge, kButtonFill, kTextMuted},
                              {kAccent, kButtonPressed, kText},
                              {kLine, kButtonDisabled, kDisabledText},
                              {kAccentLine, kButtonHot, kAccentDark}};

Image UpDownButtons() {
  constexpr int w = 16, h = 11;
  std::vector<Image> frames;
  for (int half = 0; half < 2; ++half) {
    for (const Look& look : kUpDownLooks) {
      Layer layer(w, h);
      DrawBox(layer, 0, 0, w, h, 2.5, look.border, look.fill);
      Image image(w, h);
      image.Flatten(layer, 0, 0, kFace);
      frames.push_back(image);
    }
  }
  return JoinHorizontal(frames);
}

Image UpDownGlyphs(bool vertical) {
  const int w = vertical ? 9 : 7, h = vertical ? 7 : 9;
  const Direction first = vertical ? Direction::Up : Direction::Left;
  const Direction second = vertical ? Direction::Down : Direction::Right;
  std::vector<Image> cells;
  for (Direction d : {first, second}) {
    for (const Look& look : kUpDownLooks) {
      Layer layer(w, h);
      DrawChevron(layer, w / 2.0, h / 2.0, 7, d, look.ink, 0.8);
      Image image(w, h);
      image.Flatten(layer, 0, 0, look.fill);
      cells.push_back(image);
    }
  }
  return JoinHorizontal(cells);
}

}  // namespace

std::vector<SkinFile> RangeArt() {
  const double s = kThumbShort, l = kThumbLong;
  return {
      {"thumbhorz.bmp", ThumbStrip(kThumbShort, kThumbLong, RoundRect(0.5, 0.5, s - 0.5, l - 0.5, 3))},
      {"thumbvert.bmp", ThumbStrip(kThumbLong, kThumbShort, RoundRect(0.5, 0.5, l - 0.5, s - 0.5, 3))},
      {"thumbleft.bmp", ThumbStrip(kThumbLong, kThumbShort, PointedThumb(Direction::Left))},
      {"thumbright.bmp", ThumbStrip(kThumbLong, kThumbShort, PointedThumb(Direction::Right))},
      {"thumbup.bmp", ThumbStrip(kThumbShort, kThumbLong, PointedThumb(Direction::Up))},
      {"thumbdown.bmp", ThumbStrip(kThumbShort, kThumbLong, PointedThumb(Direction::Down))},
      {"updown.bmp", UpDownButtons()},
      {"updownh.bmp", UpDownGlyphs(false)},
      {"updownv.bmp", UpDownGlyphs(true)},
      {"track.bmp", Channel(false)},
      {"trackvert.bmp", Channel(true)},
  };
}

}  // namespace skingen
