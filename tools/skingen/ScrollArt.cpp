#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

constexpr int kCell = kScrollCell;
// Thumb colours by frame: 1 normal, 2 pressed, 3 hot.
const Rgb kThumb[3] = {{184, 194, 206}, {122, 138, 156}, {152, 166, 182}};

// An arrow cell; look 0 normal, 1 pressed, 2 disabled, 3 hot.
Image ArrowCell(Direction direction, int look) {
  Layer layer(kCell, kCell);
  layer.FillRect(0, 0, kCell, kCell, kTrack);
  if (look == 1) layer.Fill(Whole(layer), RoundRect(1, 1, kCell - 1, kCell - 1, 3), Rgb{192, 202, 214});
  if (look == 3) layer.Fill(Whole(layer), RoundRect(1, 1, kCell - 1, kCell - 1, 3), Rgb{214, 221, 230});
  const Rgb ink = look == 2 ? kDisabledText : (look == 1 ? kText : kTextMuted);
  DrawChevron(layer, kCell / 2.0, kCell / 2.0, 7, direction, ink, 0.85);
  Image image(kCell, kCell);
  image.Flatten(layer, 0, 0, kTrack);
  return image;
}

// Three short ridges centred on a thumb; frame 0 normal, 1 pressed, 2 hot.
Image GripCell(bool vertical, int frame) {
  Layer layer(kCell, kCell);
  const Rgb ridge = Mix(kThumb[frame], kWindow, 0.5);
  for (int i = 0; i < 3; ++i) {
    const int at = 6 + 2 * i;
    if (vertical)
      layer.FillRect(6, at, 11, at + 1, ridge);
    else
      layer.FillRect(at, 6, at + 1, 11, ridge);
  }
  Image image(kCell, kCell);
  image.Flatten(layer, 0, 0, kThumb[frame]);
  return image;
}

// 23 cells: arrows left, right, up, down (each normal, pressed, disabled,
// hot), then the horizontal and vertical grips (normal, pressed, hot), then
// a plain cell.
Image ScrollbarStrip() {
  std::vector<Image> cells;
  for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
    for (int look = 0; look < 4; ++look) cells.push_back(ArrowCell(d, look));
  for (bool vertical : {false, true})
    for (int frame = 0; frame < 3; ++frame) cells.push_back(GripCell(vertical, frame));
  cells.emplace_back(kCell, kCell, kTrack);
  return JoinHorizontal(cells);
}

// Track frames: 1 and 2 enabled, 3 and 4 disabled; plain, so one image
// serves both orientations.
Image ScrollTrack() {
  const Rgb disabled = Mix(kTrack, kFace, 0.6);
  return JoinHorizontal({Image(kCell, kCell, kTrack), Image(kCell, kCell, kTrack),
                         Image(kCell, kCell, disabled), Image(kCell, kCell, disabled)});
}

// A slim rounded thumb floating in the track.
Image ScrollThumb(bool vertical) {
  constexpr int length = 20;
  const int w = vertical ? kCell : length, h = vertical ? length : kCell;
  std::vector<Image> frames;
  for (const Rgb& colour : kThumb) {
    Layer layer(w, h);
    const Inside pill = vertical ? RoundRect(4.5, 2, kCell - 4.5, length - 2, 4)
                                 : RoundRect(2, 4.5, length - 2, kCell - 4.5, 4);
    layer.Fill(Whole(layer), pill, colour);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kTrack);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

}  // namespace

std::vector<SkinFile> ScrollArt() {
  return {
      {"scrollbar.bmp", ScrollbarStrip()},
      {"scrolltrack.bmp", ScrollTrack()},
      {"hthumb.bmp", ScrollThumb(false)},
      {"vthumb.bmp", ScrollThumb(true)},
  };
}

}  // namespace skingen
