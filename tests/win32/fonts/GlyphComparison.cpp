#include "GlyphComparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// How far the two may differ and still be the same character. Grey
// smoothing and hinting move an edge by a pixel; the 12-pixel characters
// of this font correlate at 0.9 or more with themselves drawn either way,
// below 0.85 with each other, and as wrong or half characters below 0.8.
constexpr double kInkedShare = 0.2;
constexpr int kBoxSlack = 1;
constexpr double kMinCorrelation = 0.87;
// Punctuation of a few pixels has too few to correlate: a pixel of hinting
// moves a large share of it. Its box alone is compared.
constexpr int kMinShapeSize = 6;

std::vector<double> Shifted(const TGlyphImage& image, int shiftX, int shiftY) {
  std::vector<double> out(static_cast<size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      out[static_cast<size_t>(y) * image.width + x] = image.Ink(x - shiftX, y - shiftY);
  return out;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const double n = static_cast<double>(a.size());
  double meanA = 0.0, meanB = 0.0;
  for (size_t i = 0; i < a.size(); ++i) meanA += a[i] / n, meanB += b[i] / n;
  double ab = 0.0, aa = 0.0, bb = 0.0;
  for (size_t i = 0; i < a.size(); ++i) {
    ab += (a[i] - meanA) * (b[i] - meanB);
    aa += (a[i] - meanA) * (a[i] - meanA);
    bb += (b[i] - meanB) * (b[i] - meanB);
  }
  return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
}

bool BoxesAgree(const TInkBox& a, const TInkBox& b) {
  return !a.Empty() && !b.Empty() && std::abs(a.left - b.left) <= kBoxSlack &&
         std::abs(a.top - b.top) <= kBoxSlack && std::abs(a.right - b.right) <= kBoxSlack &&
         std::abs(a.bottom - b.bottom) <= kBoxSlack;
}

bool LargeEnoughToCorrelate(const TInkBox& box) {
  return box.right - box.left >= kMinShapeSize && box.bottom - box.top >= kMinShapeSize;
}

std::string BoxText(const TInkBox& box) {
  std::ostringstream text;
  text << '(' << box.left << ',' << box.top << ")-(" << box.right << ',' << box.bottom << ')';
  return text.str();
}

}  // namespace

TInkBox InkBox(const TGlyphImage& image) {
  TInkBox box{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      if (image.Ink(x, y) < kInkedShare) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  return box;
}

double ShiftedCorrelation(const TGlyphImage& drawn, const TGlyphImage& reference) {
  if (drawn.width != reference.width || drawn.height != reference.height) return 0.0;
  const std::vector<double> fixed = Shifted(reference, 0, 0);
  double best = -1.0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) best = std::max(best, Correlation(Shifted(drawn, dx, dy), fixed));
  return best;
}

TGlyphVerdict CompareGlyphs(const TGlyphImage& drawn, const TGlyphImage& reference) {
  const TInkBox drawnBox = InkBox(drawn), referenceBox = InkBox(reference);
  const double correlation = ShiftedCorrelation(drawn, reference);
  const bool shapesAgree = !LargeEnoughToCorrelate(referenceBox) || correlation >= kMinCorrelation;
  std::ostringstream why;
  why << "ink box " << BoxText(drawnBox) << " against " << BoxText(referenceBox) << ", correlation "
      << correlation;
  return {BoxesAgree(drawnBox, referenceBox) && shapesAgree, why.str()};
}
