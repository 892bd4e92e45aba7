#include "skin/data/SkinDerivedImages.h"

#include "skin/data/SkinFrameRules.h"
#include "skin/draw/ColourArithmetic.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// Cell size of the combo box composite and of the arrow cut from it.
constexpr int kComboCellWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kArrowSide = 17;

RECT MarginsOf(const TDataSkinObject& r) {
  return RECT{r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight};
}

std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  TCanvas& canvas = bitmap->Canvas();
  canvas.Brush().SetColor(colour);
  canvas.FillRect(RECT{0, 0, width, height});
  return bitmap;
}

void Copy(TBitmap& dest, const RECT& destRect, TBitmap& source, const RECT& sourceRect) {
  dest.Canvas().CopyRect(destRect, source.Canvas(), sourceRect);
}

void MakeComboComposite(TSkinElements& s) {
  if (!s.SunkEdge || !s.ComboButton) return;
  TDataSkinObject& sunk = *s.SunkEdge;
  TDataSkinBorder& combo = *s.ComboButton;
  const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int frames = FrameCountOf(sunk.Frame);
  const int comboFrames = FrameCountOf(combo.Frame);

  auto composite = FilledBitmap(frames * kComboCellWidth, kComboHeight, clFuchsia);
  TBitmap work(kComboCellWidth, kComboHeight, pf24bit);
  TCanvas& canvas = work.Canvas();
  canvas.Brush().SetColor(clFuchsia);
  const RECT tile{0, 0, kComboCellWidth, kComboHeight};
  const RECT button{kComboCellWidth - arrowWidth, 0, kComboCellWidth, kComboHeight};
  for (int n = 1; n <= frames; ++n) {
    // Each frame starts from magenta, so that what the edge leaves out
    // stays transparent instead of showing the frame before.
    canvas.FillRect(tile);
    const HDC dc = canvas.Handle();
    DrawFramedImage(dc, tile, *sunk.Image, false, false, sunk.Trans != 0, frames, n,
                    MarginsOf(sunk));
    DrawFramedImage(dc, button, *combo.Image, false, false, true, comboFrames, n, MarginsOf(combo));
    if (s.ExtraImages)
      DrawCentredFrame(dc, button, *s.ExtraImages->Image, true, FrameCountOf(s.ExtraImages->Frame),
                       n);
    canvas.FillRect(RECT{2, 2, kComboCellWidth - 1 - arrowWidth, 18});
    Copy(*composite, RECT{(n - 1) * kComboCellWidth, 0, n * kComboCellWidth, kComboHeight}, work,
         tile);
  }

  combo.Style = 2;
  combo.LeftWidth = 2;
  combo.TopHeight = sunk.TopHeight;
  combo.RightWidth = arrowWidth + 2;
  combo.BottomHeight = sunk.BottomHeight;
  sunk.Image = MirroredCopy(*composite);
  sunk.LeftWidth = arrowWidth + 2;
  sunk.RightWidth = 2;
  combo.Image = std::move(composite);
}

void MakeComboxArrow(TSkinElements& s) {
  if (!s.ComboxArrow) s.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *s.ComboxArrow;
  if (!s.ComboButton) return;
  TDataSkinBorder& combo = *s.ComboButton;
  if (!s.SunkEdge) {
    auto image = std::make_unique<TBitmap>();
    image->Assign(combo.Image.get());
    ReplaceColour(*image, ColorToRGB(s.Colour(scButtonFace)));
    arrow.Image = std::move(image);
    arrow.Frame = combo.Frame;
    return;
  }
  const int frames = FrameCountOf(s.SunkEdge->Frame);
  const int cell = combo.Image->Width() / frames;
  auto image = FilledBitmap(frames * kArrowSide, kArrowSide, clFuchsia);
  for (int i = 0; i < frames; ++i) {
    const int right = (i + 1) * cell - 2;
    Copy(*image, RECT{i * kArrowSide, 0, (i + 1) * kArrowSide, kArrowSide}, *combo.Image,
         RECT{right - kArrowSide, 2, right, 2 + kArrowSide});
  }
  arrow.Frame = frames;
  arrow.Image = std::move(image);
}

void MakeToolbar(TSkinElements& s) {
  if (!s.Toolbar) s.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  const TColor caption = ColorToRGB(CaptionSampleColour(s));
  const TColor top = Blend(s.Colour(scButtonFace), clWhite, 150);
  const int saturation = Saturation(caption);
  const TColor bottom = saturation > 110
                            ? Blend(caption, clWhite, ToolbarSaturatedWeight(saturation))
                            : Blend(clGray, caption, 150);
  auto image = std::make_unique<TBitmap>(10, 40, pf24bit);
  GradientFill(image->Canvas().Handle(), RECT{0, 0, 10, 40}, top, true, bottom);
  s.Toolbar->Image = std::move(image);
  s.Toolbar->Frame = 1;
}

}  // namespace

std::unique_ptr<TBitmap> MirroredCopy(const TBitmap& source) {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(&source);
  copy->SetPixelFormat(pf24bit);
  MirrorHorz(*copy);
  return copy;
}

void SplitMdiButtons(TBitmap& strip, TSkinElements& skin) {
  const std::size_t count = skin.CaptionButtons.size();
  if (count < 3) return;
  for (int i = 0; i < 3; ++i) {
    TDataSkinSysButton& button = *skin.CaptionButtons[count - 3 + i];
    button.Image = std::make_unique<TBitmap>();
    button.Xcoord = 0;
    if (strip.Empty()) continue;
    const TMdiButtonCut cut = MdiButtonCut(strip.Width(), i);
    button.Xcoord = cut.Xcoord;
    if (cut.Width <= 0) continue;
    button.Image = std::make_unique<TBitmap>(cut.Width, strip.Height(), pf24bit);
    Copy(*button.Image, RECT{0, 0, cut.Width, strip.Height()}, strip,
         RECT{cut.SourceLeft, 0, cut.SourceLeft + cut.Width, strip.Height()});
  }
}

TColor CaptionSampleColour(const TSkinElements& skin) {
  TBitmap& top = *skin.Top->Image;
  if (top.Empty()) return skin.Colour(scButtonFace);
  const TSamplePoint p = CaptionSamplePoint(top.Width(), top.Height(), skin.Top->Frame);
  return top.Canvas().Pixel(p.X, p.Y);
}

void MakeDerivedImages(TSkinElements& skin) {
  MakeComboComposite(skin);
  MakeComboxArrow(skin);
  MakeToolbar(skin);
  skin.Colours.Colours[scCaptionSample] = CaptionSampleColour(skin);
}
