#include <cmath>

#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

Rgb CaptionColour(double y, bool active) {
  const Rgb top = active ? kCaptionTop : kCaptionTopInactive;
  const Rgb bottom = active ? kCaptionBottom : kCaptionBottomInactive;
  const double t = std::clamp((y - 1) / (kCaption - 2), 0.0, 1.0);
  return Mix(top, bottom, t);
}

namespace {

// A small window drawn whole, so that its cut pieces join without seams.
constexpr int kSampleWidth = 2 * kBorder + 56;
constexpr int kSampleHeight = kCaption + 10 + 8;

Image SampleWindow(bool active) {
  const Rgb outline = active ? kOutlineActive : kOutlineInactive;
  const Rgb frame = active ? kFrameActive : kFrameInactive;
  Layer layer(kSampleWidth, kSampleHeight);
  const double w = kSampleWidth, h = kSampleHeight;
  layer.Fill(Whole(layer), RoundRect4(0, 0, w, h, kTopRadius, kTopRadius, kBottomRadius, kBottomRadius),
             outline);
  const Inside inner = RoundRect4(1, 1, w - 1, h - 1, kTopRadius - 1, kTopRadius - 1,
                                  kBottomRadius - 1, kBottomRadius - 1);
  layer.Fill(Whole(layer), inner, [&](double, double y) {
    if (y < 2) return Mix(CaptionColour(y, active), kWindow, 0.14);  // soft top light
    return y < kCaption ? CaptionColour(y, active) : frame;
  });
  // A hairline between the frame and the client area keeps pale pages crisp.
  layer.FillRect(kBorder - 1, kCaption, kBorder, kSampleHeight - kBorder + 1, outline);
  layer.FillRect(kSampleWidth - kBorder, kCaption, kSampleWidth - kBorder + 1,
                 kSampleHeight - kBorder + 1, outline);
  layer.FillRect(kBorder - 1, kSampleHeight - kBorder, kSampleWidth - kBorder + 1,
                 kSampleHeight - kBorder + 1, outline);
  Image image(kSampleWidth, kSampleHeight);
  // Corner pixels become part of the window region, so faint ones are left out.
  image.Flatten(layer, 0, 0, Rgb{120, 126, 134}, 0.3);
  return image;
}

Image CaptionTextStrip() {
  // Active: a faint plate of light behind the title; inactive: nothing. The
  // rounded ends fit the four-pixel end pieces.
  constexpr int kWidth = 16;
  Layer active(kWidth, kCaption);
  active.Fill(Whole(active), RoundRect(0, 7, kWidth, kCaption - 6, 4),
              [](double, double y) { return Mix(CaptionColour(y, true), kWindow, 0.08); });
  Image frames(kWidth, 2 * kCaption);
  frames.Flatten(active, 0, 0, [](double, double y) { return CaptionColour(y, true); });
  return frames;
}

}  // namespace

std::vector<SkinFile> WindowFrameArt() {
  const Image active = SampleWindow(true), inactive = SampleWindow(false);
  const int midWidth = kSampleWidth - 2 * kBorder;
  const auto both = [&](auto cut) { return std::vector<Image>{cut(active), cut(inactive)}; };
  return {
      {"left.bmp", JoinHorizontal(both([&](const Image& s) { return s.Crop(0, 0, kBorder, kSampleHeight); }))},
      {"right.bmp", JoinHorizontal(both([&](const Image& s) {
         return s.Crop(kSampleWidth - kBorder, 0, kBorder, kSampleHeight);
       }))},
      {"top.bmp", JoinVertical(both([&](const Image& s) { return s.Crop(kBorder, 0, midWidth, kCaption); }))},
      {"bottom.bmp", JoinVertical(both([&](const Image& s) {
         return s.Crop(kBorder, kSampleHeight - kBorder, midWidth, kBorder);
       }))},
      {"textback.bmp", CaptionTextStrip()},
  };
}

}  // namespace skingen
