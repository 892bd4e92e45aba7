#include "skin/draw/ColourArithmetic.h"

#include <algorithm>

TColor Blend(TColor c1, TColor c2, int weight) {
  const TColor a = ColorToRGB(c1);
  const TColor b = ColorToRGB(c2);
  const int scale = weight < 100 ? 100 : 1000;
  const long long w = weight;
  const auto mix = [&](long long x, long long y) {
    return static_cast<int>(((x * w + y * (scale - w) + scale / 2) / scale) & 0xFF);
  };
  return RGBColor(mix(ColorRed(a), ColorRed(b)), mix(ColorGreen(a), ColorGreen(b)),
                  mix(ColorBlue(a), ColorBlue(b)));
}

int Saturation(TColor color) {
  const int r = ColorRed(color), g = ColorGreen(color), b = ColorBlue(color);
  const int high = std::max({r, g, b});
  const int low = std::min({r, g, b});
  if (high <= 159) return 200;
  // (high - low) / high * 255, rounded to nearest with ties to even, exactly.
  const int numerator = (high - low) * 255;
  const int quotient = numerator / high;
  const int twiceRest = 2 * (numerator % high);
  if (twiceRest > high || (twiceRest == high && quotient % 2 == 1)) return quotient + 1;
  return quotient;
}

TGradient ComputeGradient(int length, TColor c1, TColor c2) {
  TGradient colours;
  if (length < 1) return colours;
  colours.resize(static_cast<std::size_t>(length));
  const int r1 = ColorRed(c1), g1 = ColorGreen(c1), b1 = ColorBlue(c1);
  const int dr = ColorRed(c2) - r1, dg = ColorGreen(c2) - g1, db = ColorBlue(c2) - b1;
  const int d = length - 1;
  if (d == 0) {
    colours[0] = RGBColor(r1 + dr / 2, g1 + dg / 2, b1 + db / 2);
    return colours;
  }
  for (int i = 0; i < length; ++i) {
    colours[static_cast<std::size_t>(i)] =
        RGBColor(r1 + (d / 2 + i * dr) / d, g1 + (d / 2 + i * dg) / d, b1 + (d / 2 + i * db) / d);
  }
  return colours;
}

const TGradient& TGradientCache::Get(int length, TColor c1, TColor c2) {
  static const TGradient kNone;
  if (length < 1) return kNone;
  // Keyed by the colours asked for: a falling gradient may end one step short
  // of C2, and must still be found again.
  for (int i = kSlots - 1; i >= 0; --i) {
    const TSlot& slot = slots_[static_cast<std::size_t>(i)];
    if (static_cast<int>(slot.Colours.size()) == length && slot.First == c1 && slot.Last == c2) {
      last_ = i;
      return slot.Colours;
    }
  }
  TSlot& slot = slots_[static_cast<std::size_t>(next_)];
  slot.Colours = ComputeGradient(length, c1, c2);
  slot.First = c1;
  slot.Last = c2;
  last_ = next_;
  next_ = (next_ + 1) % kSlots;
  return slot.Colours;
}

const TGradient& GetGradient(int length, TColor c1, TColor c2) {
  static TGradientCache cache;
  return cache.Get(length, c1, c2);
}

TGradientRun GradientRunInClip(int start, int extent, int clipStart, int clipEnd) {
  TGradientRun run;
  run.First = clipStart > start ? clipStart - start : 0;
  run.Last = std::min(extent - 1, clipEnd - start - 1);
  return run;
}
