#include "tools/skingen/Mockup.h"

#include <map>
#include <string>

#include "tools/skingen/Elements.h"
#include "tools/skingen/ProgramArt.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Frame `index` (from 1) of a strip, nine-sliced to w x h with stretched
// pieces (nearest pixel), as the engine composes framed images.
Image Framed(const Image& strip, int count, bool vertical, int index, Margins m, int w, int h) {
  const int fw = vertical ? strip.Width() : strip.Width() / count;
  const int fh = vertical ? strip.Height() / count : strip.Height();
  const Image frame = strip.Crop(vertical ? 0 : (index - 1) * fw, vertical ? (index - 1) * fh : 0, fw, fh);
  if (w < m.left + m.right) m.left = m.right = 0;
  if (h < m.top + m.bottom) m.top = m.bottom = 0;
  const auto map = [](int d, int size, int lead, int trail, int source) {
    if (d < lead) return d;
    if (d >= size - trail) return source - (size - d);
    const int mid = size - lead - trail, srcMid = source - lead - trail;
    return lead + (mid > 0 ? (d - lead) * srcMid / mid : 0);
  };
  Image out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      out.Set(x, y, frame.Get(map(x, w, m.left, m.right, fw), map(y, h, m.top, m.bottom, fh)));
  return out;
}

void Over(Image& target, const Image& piece, int x, int y) {
  for (int j = 0; j < piece.Height(); ++j)
    for (int i = 0; i < piece.Width(); ++i)
      if (piece.Get(i, j) != kMagenta && x + i >= 0 && y + j >= 0 && x + i < target.Width() &&
          y + j < target.Height())
        target.Set(x + i, y + j, piece.Get(i, j));
}

class Painter {
 public:
  explicit Painter(Image& target) : target_(target) {
    for (SkinFile& f : AllSkinArt()) files_[f.name] = std::move(f.image);
  }
  const Image& Get(const std::string& name) { return files_.at(name); }
  void Draw(const std::string& name, int count, int index, Margins m, int x, int y, int w, int h,
            bool vertical = false) {
    Over(target_, Framed(Get(name), count, vertical, index, m, w, h), x, y);
  }
  void Cell(const std::string& name, int count, int index, int x, int y) {
    const Image& strip = Get(name);
    Draw(name, count, index, {}, x, y, strip.Width() / count, strip.Height());
  }

 private:
  Image& target_;
  std::map<std::string, Image> files_;
};

constexpr int kWidth = 330, kHeight = 300;

void MockWindow(Image& sheet, int ox, bool active) {
  Image w(kWidth, kHeight);
  Painter p(w);
  Over(w, Image(kWidth - 2 * kBorder, kHeight - kCaption - kBorder, kFace), kBorder, kCaption);
  const int f = active ? 1 : 2;
  const int b = kBorder, c = kCaption;
  p.Draw("left.bmp", 2, f, {0, c, 0, 8}, 0, 0, b, kHeight);
  p.Draw("right.bmp", 2, f, {0, c, 0, 8}, kWidth - b, 0, b, kHeight);
  p.Draw("bottom.bmp", 2, f, {2, 0, 2, 0}, b, kHeight - b, kWidth - 2 * b, b, true);
  p.Draw("top.bmp", 2, f, {8, 0, 8, 0}, b, 0, kWidth - 2 * b, c, true);
  p.Draw("textback.bmp", 2, f, {4, 0, 4, 0}, b + 30, 0, 110, c, true);
  const int buttonFrame = active ? 1 : 4;
  p.Cell("close.bmp", 4, active ? 3 : buttonFrame, kWidth - 35, kCaptionButtonTop);
  p.Cell("maximize.bmp", 4, 4, kWidth - 65, kCaptionButtonTop);  // no maximise box: disabled
  p.Cell("minimize.bmp", 4, buttonFrame, kWidth - 95, kCaptionButtonTop);
  Over(w, IconImage(), 8, 7);
  // Client: tabs and the page frame.
  const int cx = b, cy = c;
  p.Draw("tabs.bmp", 5, 2, {5, 5, 5, 2}, cx + 4, cy + 4, 64, 22);
  p.Draw("tabs.bmp", 5, 1, {5, 5, 5, 2}, cx + 68, cy + 4, 64, 22);
  p.Draw("tabs.bmp", 5, 3, {5, 5, 5, 2}, cx + 132, cy + 4, 64, 22);
  p.Draw("pane.bmp", 1, 1, {4, 5, 4, 4}, cx + 2, cy + 25, kWidth - 2 * b - 4, 200);
  // Push buttons: normal, hot, pressed, disabled, default.
  for (int i = 0; i < 5; ++i) {
    const int frames[] = {1, 4, 2, 3, 5};
    p.Draw("button.bmp", 5, frames[i], {5, 5, 5, 5}, cx + 12 + i * 50, cy + 40, 46, 25);
  }
  // Check boxes and radio buttons.
  for (int i = 0; i < 12; ++i) p.Cell("checkbox.bmp", 12, i + 1, cx + 12 + (i % 6) * 18, cy + 76 + (i / 6) * 18);
  for (int i = 0; i < 8; ++i) p.Cell("radio.bmp", 8, i + 1, cx + 130 + (i % 4) * 18, cy + 76 + (i / 4) * 18);
  // Combo box: edge, drop-down button and arrow.
  for (int i = 0; i < 2; ++i) {
    const int x = cx + 12 + i * 100, y = cy + 118, state = i == 0 ? 1 : 4;
    p.Draw("sunkedge.bmp", 4, state, {4, 4, 4, 4}, x, y, 95, 21);
    p.Draw("combobutton.bmp", 4, state, {3, 3, 3, 3}, x + 95 - 19, y, 19, 21);
    const Image& extra = p.Get("extra.bmp");
    p.Cell("extra.bmp", 5, state, x + 95 - 19 + (19 - extra.Width() / 5) / 2, y + (21 - extra.Height()) / 2);
  }
  // Progress at 60 %.
  p.Draw("progress.bmp", 2, 1, {4, 3, 4, 3}, cx + 12, cy + 150, 180, 16);
  p.Draw("progress.bmp", 2, 2, {4, 3, 4, 3}, cx + 12, cy + 150, 108, 16);
  // Track bar: channel and thumb.
  p.Draw("track.bmp", 1, 1, {3, 1, 3, 1}, cx + 12, cy + 186, 180, 4);
  p.Draw("thumbhorz.bmp", 5, 2, {}, cx + 70, cy + 178, 11, 20);
  // Up-down beside an edge box.
  p.Draw("sunkedge.bmp", 4, 1, {4, 4, 4, 4}, cx + 210, cy + 205, 60, 22);
  p.Draw("updown.bmp", 8, 1, {3, 3, 3, 3}, cx + 271, cy + 205, 16, 11);
  p.Draw("updown.bmp", 8, 8, {3, 3, 3, 3}, cx + 271, cy + 216, 16, 11);
  p.Cell("updownv.bmp", 8, 1, cx + 271 + 4, cy + 207);
  p.Cell("updownv.bmp", 8, 8, cx + 271 + 4, cy + 218);
  // A list with a vertical scroll bar: track, arrows, thumb, grip.
  const int sx = kWidth - b - 12 - kScrollCell, sy = cy + 76, len = 120;
  Over(w, Image(80 + kScrollCell + 2, len + 2, kEdge), sx - 81, sy - 1);
  Over(w, Image(80, len, kWindow), sx - 80, sy);
  p.Draw("scrolltrack.bmp", 4, 1, {}, sx, sy + kScrollCell, kScrollCell, len - 2 * kScrollCell);
  p.Cell("scrollbar.bmp", 23, 12, sx, sy);
  p.Cell("scrollbar.bmp", 23, 13, sx, sy + len - kScrollCell);
  p.Draw("vthumb.bmp", 3, 1, {0, 6, 0, 6}, sx, sy + 30, kScrollCell, 40);
  p.Cell("scrollbar.bmp", 23, 20, sx, sy + 30 + (40 - kScrollCell) / 2);
  // Status bar with its grip.
  p.Draw("statusbar.bmp", 3, 1, {2, 2, 2, 2}, cx, kHeight - b - 20, kWidth - 2 * b, 20);
  p.Cell("extra.bmp", 5, 5, kWidth - b - 13, kHeight - b - 13);
  // The parts outside the window stay magenta, as the window region cuts them.
  Over(sheet, w, ox, 10);
}

}  // namespace

Image SkinMockup() {
  Image sheet(2 * kWidth + 30, kHeight + 20, Rgb{208, 212, 216});
  MockWindow(sheet, 10, true);
  MockWindow(sheet, kWidth + 20, false);
  return sheet;
}

}  // namespace skingen
