#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

constexpr Rgb kTabIdle{232, 236, 241};
constexpr Rgb kHeaderFill{248, 249, 251};

// Tab frames: 1 unselected, 2 selected, 3 hot, 4 disabled, 5 selected with focus.
Image Tabs() {
  constexpr int w = 24, h = 24;
  std::vector<Image> frames;
  for (int i = 0; i < 5; ++i) {
    const bool selected = i == 1 || i == 4;
    const double top = selected ? 0 : 2;
    const Rgb fill = selected ? kFace : (i == 2 ? kButtonHot : (i == 3 ? kButtonDisabled : kTabIdle));
    Layer layer(w, h);
    // Open at the bottom: the shape runs one pixel past the frame.
    layer.Fill(Whole(layer), RoundRect4(0, top, w, h + 1, 4, 4, 0, 0), kLine);
    layer.Fill(Whole(layer), RoundRect4(1, top + 1, w - 1, h + 1, 3, 3, 0, 0), fill);
    if (selected)
      layer.Fill(Whole(layer), RoundRect4(1, 1, w - 1, 3, 3, 3, 0, 0), kAccent);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kFace);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// The page frame under the tabs, also used as the tab pane.
Image Pane() {
  constexpr int s = 16;
  Layer layer(s, s);
  DrawBox(layer, 0, 0, s, s, 0, kLine, kFace);
  Image image(s, s);
  image.Flatten(layer, 0, 0, kFace);
  return image;
}

// Status bar panels: 1 lowered, 2 raised, 3 flat; a rule along the top edge.
Image StatusBarEdges() {
  constexpr int w = 12, h = 20;
  const Rgb rules[] = {kLine, kWindow, kFace};
  std::vector<Image> frames;
  for (Rgb rule : rules) {
    Image image(w, h, kFace);
    for (int x = 0; x < w; ++x) image.Set(x, 0, rule);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// Header items: 1 normal, 2 hot, 3 pressed, 4 and 5 as normal.
Image Headerbar() {
  constexpr int w = 16, h = 22;
  const Rgb fills[] = {kHeaderFill, kButtonHot, kButtonPressed, kHeaderFill, kHeaderFill};
  std::vector<Image> frames;
  for (Rgb fill : fills) {
    Image image(w, h, fill);
    for (int x = 0; x < w; ++x) image.Set(x, h - 1, kLine);
    for (int y = 5; y < h - 5; ++y) image.Set(w - 1, y, kLine);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// Menu items: 1 normal, 2 separator (its lower rows), 3 normal, 4 and 5
// selected, in the accent so that the highlight text reads on it.
Image MenuItems() {
  constexpr int w = 24, h = 22;
  std::vector<Image> frames;
  for (int i = 0; i < 5; ++i) {
    Layer layer(w, h);
    if (i == 1) layer.FillRect(2, h - 4, w - 2, h - 3, kLine);
    if (i >= 3) DrawBox(layer, 0, 0, w, h, 3, kAccentDark, kAccent);
    Image image(w, h);
    image.Flatten(layer, 0, 0, kWindow);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// Menu bar band, two frames stacked: 1 active (light), 2 inactive (the face),
// each with a quiet line along its foot.
Image MenuBar() {
  constexpr int w = 24, h = 20;
  std::vector<Image> frames;
  for (Rgb fill : {kWindow, kFace}) {
    Layer layer(w, h);
    layer.FillRect(0, 0, w, h - 1, fill);
    layer.FillRect(0, h - 1, w, h, kLine);
    Image image(w, h);
    image.Flatten(layer, 0, 0, fill);
    frames.push_back(image);
  }
  return JoinVertical(frames);
}

Image MenuBackground() {
  constexpr int s = 24;
  Layer layer(s, s);
  DrawBox(layer, 0, 0, s, s, 0, kEdge, kWindow);
  Image image(s, s);
  image.Flatten(layer, 0, 0, kWindow);
  return image;
}

// Group box edge: 1 normal, 2 highlighted; the inside stays transparent.
Image GroupBoxEdge() {
  constexpr int s = 16;
  std::vector<Image> frames;
  for (Rgb line : {kLine, kAccentLine}) {
    Layer layer(s, s);
    layer.Fill(Whole(layer), Ring(RoundRect(0, 0, s, s, 4), RoundRect(1, 1, s - 1, s - 1, 3)), line);
    Image image(s, s);
    image.Flatten(layer, 0, 0, kFace);
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// The soft plate behind a group box caption.
Image GroupBoxLabel() {
  constexpr int w = 16, h = 18;
  Layer layer(w, h);
  layer.Fill(Whole(layer), RoundRect(0, 0, w, h, 4), Rgb{233, 238, 244});
  Image image(w, h);
  image.Flatten(layer, 0, 0, kFace);
  return image;
}

}  // namespace

std::vector<SkinFile> PanelArt() {
  return {
      {"groupbox.bmp", GroupBoxLabel()},
      {"groupedge.bmp", GroupBoxEdge()},
      {"tabs.bmp", Tabs()},
      {"pane.bmp", Pane()},
      {"statusbar.bmp", StatusBarEdges()},
      {"header.bmp", Headerbar()},
      {"menubar.bmp", MenuBar()},
      {"menuitem.bmp", MenuItems()},
      {"menuback.bmp", MenuBackground()},
  };
}

}  // namespace skingen
