#include "skin/data/SkinDerivedImages.h"

#include "skin/data/SkinFrameRules.h"
#include "skin/draw/ColourArithmetic.h"
#include "skin/draw/FrameGeometry.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/BitmapPixels.h"

namespace {

// Cell size of the combo box composite and of the arrow cut from it.
constexpr int kComboCellWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kArrowSide = 17;
constexpr int kToolbarWidth = 10;
constexpr int kToolbarHeight = 40;

// These images are made in memory on the DIB bits (the same pixels as
// drawing them through DCs, without a DC per bitmap), so that a skin loads
// fast under Wine too.
std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  FillPixels(*bitmap, RECT{0, 0, width, height}, colour);
  return bitmap;
}

// Copies an unscaled piece; the source rectangle's size is the copy's.
void Copy(TBitmap& dest, int x, int y, TBitmap& source, const RECT& sourceRect) {
  CopyPixels(dest, x, y, source, sourceRect);
}

// DrawFramedImage into a bitmap: the nine-slice composed, then put with
// magenta left out or copied as it is.
void PutFramedImage(TBitmap& dest, const RECT& rect, TBitmap& source, bool transparent, int count,
                    int index, const RECT& margins) {
  if (rect.right < rect.left || rect.bottom < rect.top || source.Empty()) return;
  const auto image = ComposeFramedImage(rect, source, margins, false, false, count, index);
  const RECT all{0, 0, image->Width(), image->Height()};
  if (transparent)
    CopyPixels(dest, rect.left, rect.top, *image, all, clFuchsia);
  else
    CopyPixels(dest, rect.left, rect.top, *image, all);
}

// DrawCentredFrame into a bitmap: frame n unscaled, centred in the
// rectangle (overhanging evenly when larger), magenta left out.
void PutCentredFrame(TBitmap& dest, const RECT& rect, TBitmap& source, int count, int index) {
  if (rect.right < rect.left || rect.bottom < rect.top || source.Empty()) return;
  const TFrameRect f = FrameOf(source.Width(), source.Height(), false, count, index);
  if (f.Width <= 0 || f.Height <= 0) return;
  const int left = rect.left + (rect.right - rect.left - f.Width) / 2;
  const int top = rect.top + (rect.bottom - rect.top - f.Height) / 2;
  CopyPixels(dest, left, top, source, RECT{f.X, f.Y, f.X + f.Width, f.Y + f.Height}, clFuchsia);
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
  const RECT tile{0, 0, kComboCellWidth, kComboHeight};
  const RECT button{kComboCellWidth - arrowWidth, 0, kComboCellWidth, kComboHeight};
  for (int n = 1; n <= frames; ++n) {
    // Each frame starts from magenta, so that what the edge leaves out
    // stays transparent instead of showing the frame before.
    FillPixels(work, tile, clFuchsia);
    PutFramedImage(work, tile, *sunk.Image, sunk.Trans != 0, frames, n, sunk.Margins());
    PutFramedImage(work, button, *combo.Image, true, comboFrames, n, combo.Margins());
    if (s.ExtraImages)
      PutCentredFrame(work, button, *s.ExtraImages->Image, FrameCountOf(s.ExtraImages->Frame), n);
    FillPixels(work, RECT{2, 2, kComboCellWidth - 1 - arrowWidth, 18}, clFuchsia);
    Copy(*composite, (n - 1) * kComboCellWidth, 0, work, tile);
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
    Copy(*image, i * kArrowSide, 0, *combo.Image,
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
  // GradientFill's rows on a bitmap whose clip is the whole bitmap.
  auto image = std::make_unique<TBitmap>(kToolbarWidth, kToolbarHeight, pf24bit);
  const TGradient& rows = GetGradient(kToolbarHeight, ColorToRGB(top), ColorToRGB(bottom));
  for (int y = 0; y < kToolbarHeight; ++y)
    FillPixels(*image, RECT{0, y, kToolbarWidth, y + 1}, rows[static_cast<std::size_t>(y)]);
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
    Copy(*button.Image, 0, 0, strip,
         RECT{cut.SourceLeft, 0, cut.SourceLeft + cut.Width, strip.Height()});
  }
}

TColor CaptionSampleColour(const TSkinElements& skin) {
  TBitmap& top = *skin.Top->Image;
  if (top.Empty()) return skin.Colour(scButtonFace);
  const TSamplePoint p = CaptionSamplePoint(top.Width(), top.Height(), skin.Top->Frame);
  return ReadPixel(top, p.X, p.Y);
}

void MakeDerivedImages(TSkinElements& skin) {
  MakeComboComposite(skin);
  MakeComboxArrow(skin);
  MakeToolbar(skin);
  skin.Colours.Colours[scCaptionSample] = CaptionSampleColour(skin);
}
