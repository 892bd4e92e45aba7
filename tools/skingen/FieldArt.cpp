#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

// Combo box states, in frame order: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
constexpr int kStates = 4;
constexpr int kFieldHeight = 21;
const Rgb kFieldBorder[kStates] = {kEdge, kAccent, kLine, kAccent};
const Rgb kFieldFill[kStates] = {kWindow, kWindow, kButtonDisabled, kWindow};
const Rgb kDropFill[kStates] = {kWindow, kButtonPressed, kButtonDisabled, kButtonHot};

Image SunkEdge() {
  constexpr int w = 12, h = kFieldHeight;
  std::vector<Image> frames;
  for (int i = 0; i < kStates; ++i) {
    Layer layer(w, h);
    DrawBox(layer, 0, 0, w, h, 3, kFieldBorder[i], kFieldFill[i]);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kFace);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// The drop-down button sits inside the edge: only its divider and state fill
// are opaque, so the edge drawn beneath shows round it.
Image ComboButton() {
  constexpr int w = 19, h = kFieldHeight;
  std::vector<Image> frames;
  for (int i = 0; i < kStates; ++i) {
    Layer layer(w, h);
    if (i == 1 || i == 3)
      layer.Fill(Whole(layer), RoundRect4(2, 2, w - 2, h - 2, 0, 2, 2, 0), kDropFill[i]);
    layer.FillRect(1, 4, 2, h - 4, kLine);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kFieldFill[i]);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// Cells 1 to 4: the drop-down arrow for each combo state; cell 5: the size grip.
Image ExtraImages() {
  constexpr int s = 12;
  std::vector<Image> cells;
  for (int i = 0; i < kStates; ++i) {
    Layer layer(s, s);
    DrawChevron(layer, s / 2.0, s / 2.0, 8, Direction::Down, i == 2 ? kDisabledText : kTextMuted, 0.85);
    Image image(s, s);
    image.Flatten(layer, 0, 0, kDropFill[i]);
    cells.push_back(image);
  }
  Layer grip(s, s);
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col)
      grip.Fill(Whole(grip), Circle(3.5 + 3 * col, 3.5 + 3 * row, 1.1), kEdge);
  Image gripImage(s, s);
  gripImage.Flatten(grip, 0, 0, kFace);
  cells.push_back(gripImage);
  return JoinHorizontal(cells);
}

// Progress frames: 1 the empty bar, 2 the filled part.
Image Progress() {
  constexpr int w = 16, h = 14;
  Layer bar(w, h);
  DrawBox(bar, 0, 0, w, h, 3, kLine, kTrack);
  Layer fill(w, h);
  fill.Fill(Whole(fill), RoundRect(0, 0, w, h, 3),
            [](double, double y) { return Mix(Rgb{92, 152, 218}, kAccent, y / h); });
  Image frames(2 * w, h);
  frames.Flatten(bar, 0, 0, kFace);
  frames.Flatten(fill, w, 0, kTrack);
  return frames;
}

Image ProgressChunk() {
  constexpr int w = 8, h = 10;
  Layer layer(w, h);
  layer.Fill(Whole(layer), RoundRect(1, 0, w - 1, h, 1.5), kAccent);
  Image image(w, h);
  image.Flatten(layer, 0, 0, kTrack);
  return image;
}

}  // namespace

std::vector<SkinFile> FieldArt() {
  return {
      {"combobutton.bmp", ComboButton()},
      {"sunkedge.bmp", SunkEdge()},
      {"extra.bmp", ExtraImages()},
      {"progress.bmp", Progress()},
      {"chunk.bmp", ProgressChunk()},
  };
}

}  // namespace skingen
