#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

// Frames of a caption button: 1 normal, 2 pressed, 3 hot, 4 inactive or disabled.
Image CaptionButton(CaptionGlyph glyph) {
  constexpr int w = kCaptionButtonWidth, h = kCaptionButtonHeight, g = 10;
  const bool close = glyph == CaptionGlyph::Close;
  std::vector<Image> frames;
  for (int frame = 1; frame <= 4; ++frame) {
    const bool active = frame != 4;
    Layer layer(w, h);
    const Rgb mid = CaptionColour(kCaptionButtonTop + h / 2.0, true);
    if (frame == 2)
      layer.Fill(Whole(layer), RoundRect(0, 0, w, h, 4), close ? kClosePressed : Mix(mid, Rgb{0, 0, 0}, 0.2));
    if (frame == 3)
      layer.Fill(Whole(layer), RoundRect(0, 0, w, h, 4), close ? kCloseHot : Mix(mid, kWindow, 0.16));
    const Rgb ink = !active ? kCaptionGlyphInactive : (close && frame != 1 ? kWindow : kCaptionGlyph);
    DrawCaptionGlyph(layer, glyph, (w - g) / 2.0, (h - g) / 2.0, g, ink);
    // The fourth frame shows on both captions: its edges are mixed over a
    // colour between the two.
    Image image(w, h);
    image.Flatten(layer, 0, 0, [active](double, double y) {
      const Rgb own = CaptionColour(y + kCaptionButtonTop, true);
      return active ? own : Mix(own, CaptionColour(y + kCaptionButtonTop, false), 0.5);
    });
    frames.push_back(image);
  }
  return JoinHorizontal(frames);
}

// MDI child buttons in the menu bar: minimise, restore, close, four frames
// each (1 normal, 2 pressed, 3 and 4 hot).
Image MdiButtons() {
  constexpr int w = 16, h = 14, g = 8;
  std::vector<Image> frames;
  for (CaptionGlyph glyph : {CaptionGlyph::Minimise, CaptionGlyph::Restore, CaptionGlyph::Close}) {
    for (int frame = 1; frame <= 4; ++frame) {
      Layer layer(w, h);
      if (frame == 2) DrawBox(layer, 0, 0, w, h, 2, kAccentLine, kButtonPressed);
      if (frame >= 3) DrawBox(layer, 0, 0, w, h, 2, kAccentLine, kButtonHot);
      DrawCaptionGlyph(layer, glyph, (w - g) / 2.0, (h - g) / 2.0, g, kText);
      Image image(w, h);
      image.Flatten(layer, 0, 0, kFace);
      frames.push_back(image);
    }
  }
  return JoinHorizontal(frames);
}

}  // namespace

std::vector<SkinFile> CaptionButtonArt() {
  return {
      {"close.bmp", CaptionButton(CaptionGlyph::Close)},
      {"maximize.bmp", CaptionButton(CaptionGlyph::Maximise)},
      {"restore.bmp", CaptionButton(CaptionGlyph::Restore)},
      {"minimize.bmp", CaptionButton(CaptionGlyph::Minimise)},
      {"help.bmp", CaptionButton(CaptionGlyph::Help)},
      {"mdicontrols.bmp", MdiButtons()},
  };
}

}  // namespace skingen
