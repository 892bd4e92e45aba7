#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

struct BoxLook {
  Rgb border, fill;
};

// Push button frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
Image PushButton() {
  constexpr int w = 30, h = 24;
  const BoxLook looks[] = {{kEdge, kButtonFill}, {kAccent, kButtonPressed}, {kLine, kButtonDisabled},
                           {kAccentLine, kButtonHot}, {kAccent, kButtonFill}};
  std::vector<Image> frames;
  for (int i = 0; i < 5; ++i) {
    Layer layer(w, h);
    DrawBox(layer, 0, 0, w, h, 3, looks[i].border, looks[i].fill);
    if (i == 4)  // the default button gets a second, soft accent ring
      layer.Fill(Whole(layer), Ring(RoundRect(1, 1, w - 1, h - 1, 2), RoundRect(2, 2, w - 2, h - 2, 1)),
                 kAccentSoft);
    if (i != 1 && i != 2)  // a faint shade along the lower edge
      layer.FillRect(2, h - 2, w - 2, h - 1, Mix(looks[i].fill, kEdge, 0.22));
    Image image(w, h);
    image.Flatten(layer, 0, 0, kFace);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

enum class Mark { None, Check, Mixed };
enum class Look { Normal, Hot, Pressed, Disabled };

BoxLook EmptyLook(Look look) {
  switch (look) {
    case Look::Hot: return {kAccent, kButtonHot};
    case Look::Pressed: return {kAccentDark, kButtonPressed};
    case Look::Disabled: return {kLine, kButtonDisabled};
    default: return {kEdge, kWindow};
  }
}

BoxLook FilledLook(Look look) {
  switch (look) {
    case Look::Hot: return {Rgb{72, 138, 212}, Rgb{72, 138, 212}};
    case Look::Pressed: return {kAccentDark, kAccentDark};
    case Look::Disabled: return {kLine, kLine};
    default: return {kAccent, kAccent};
  }
}

Image CheckCell(Mark mark, Look look) {
  constexpr int s = kCheckCell;
  Layer layer(s, s);
  const BoxLook box = mark == Mark::Check ? FilledLook(look) : EmptyLook(look);
  DrawBox(layer, 0, 0, s, s, 2.5, box.border, box.fill);
  if (mark == Mark::Check)
    layer.Fill(Whole(layer), Polyline({{3.3, 6.7}, {5.6, 9.0}, {9.9, 4.3}}, 0.9), kWindow);
  if (mark == Mark::Mixed)
    layer.Fill(Whole(layer), RoundRect(3.5, 3.5, s - 3.5, s - 3.5, 1),
               look == Look::Disabled ? kEdge : kAccent);
  Image image(s, s);
  image.Flatten(layer, 0, 0, kFace);
  return image;
}

Image RadioCell(bool checked, Look look) {
  constexpr int s = kCheckCell;
  const double c = s / 2.0;
  Layer layer(s, s);
  const BoxLook box = checked ? FilledLook(look) : EmptyLook(look);
  layer.Fill(Whole(layer), Circle(c, c, c), box.border);
  layer.Fill(Whole(layer), Circle(c, c, c - 1), box.fill);
  if (checked) layer.Fill(Whole(layer), Circle(c, c, 2.6), kWindow);
  Image image(s, s);
  image.Flatten(layer, 0, 0, kFace);
  return image;
}

constexpr Look kLooks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};

// Twelve cells: unchecked, checked and mixed, each normal, hot, pressed, disabled.
Image CheckStrip() {
  std::vector<Image> cells;
  for (Mark mark : {Mark::None, Mark::Check, Mark::Mixed})
    for (Look look : kLooks) cells.push_back(CheckCell(mark, look));
  return JoinHorizontal(cells);
}

// Eight cells: unchecked and checked, each normal, hot, pressed, disabled.
Image RadioStrip() {
  std::vector<Image> cells;
  for (bool checked : {false, true})
    for (Look look : kLooks) cells.push_back(RadioCell(checked, look));
  return JoinHorizontal(cells);
}

// Tool bar buttons are flat until touched: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 down.
Image ToolBarButtons() {
  constexpr int s = 22;
  std::vector<Image> frames;
  for (int i = 0; i < 5; ++i) {
    Layer layer(s, s);
    if (i == 1) DrawBox(layer, 0, 0, s, s, 3, kAccent, kButtonPressed);
    if (i == 3) DrawBox(layer, 0, 0, s, s, 3, kAccentLine, kButtonHot);
    if (i == 4) DrawBox(layer, 0, 0, s, s, 3, kAccentLine, kAccentSoft);
    Image image(s, s);
    image.Flatten(layer, 0, 0, kFace);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

}  // namespace

std::vector<SkinFile> ButtonArt() {
  return {
      {"button.bmp", PushButton()},
      {"checkbox.bmp", CheckStrip()},
      {"radio.bmp", RadioStrip()},
      {"toolbar.bmp", ToolBarButtons()},
  };
}

}  // namespace skingen
