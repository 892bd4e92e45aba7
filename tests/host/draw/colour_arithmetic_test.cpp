#include <gtest/gtest.h>

#include "skin/draw/ColourArithmetic.h"

namespace {

TEST(Blend, HalfOfBlackAndWhiteRoundsUp) {
  EXPECT_EQ(RGBColor(128, 128, 128), Blend(clBlack, clWhite, 50));
}

TEST(Blend, WeightsFromHundredOnArePerMille) {
  EXPECT_EQ(RGBColor(217, 217, 217), Blend(clBlack, clWhite, 150));
  EXPECT_EQ(RGBColor(38, 38, 38), Blend(clWhite, clBlack, 150));
}

TEST(Blend, ChannelsMixSeparately) {
  EXPECT_EQ(RGBColor(252, 0, 3), Blend(clRed, clBlue, 99));
  // 100 is already per mille: 10 % of C1.
  EXPECT_EQ(RGBColor(26, 0, 230), Blend(clRed, clBlue, 100));
  EXPECT_EQ(RGBColor(0, 0, 255), Blend(clRed, clBlue, 0));
  EXPECT_EQ(RGBColor(64, 0, 191), Blend(clRed, clBlue, 25));
}

TEST(Blend, SystemColoursAreResolvedFirst) {
  EXPECT_EQ(Blend(ColorToRGB(clBtnFace), clWhite, 150), Blend(clBtnFace, clWhite, 150));
  EXPECT_EQ(ColorToRGB(clBtnFace), Blend(clBtnFace, clBtnFace, 40));
  EXPECT_NE(clBtnFace, ColorToRGB(clBtnFace));
}

TEST(Saturation, ExamplesOfMutedPureAndGreyColours) {
  EXPECT_EQ(200, Saturation(RGBColor(100, 50, 50)));
  EXPECT_EQ(255, Saturation(RGBColor(255, 0, 0)));
  EXPECT_EQ(0, Saturation(RGBColor(200, 200, 200)));
}

TEST(Saturation, OneBrightChannelIsEnoughAndTiesGoToEven) {
  EXPECT_EQ(200, Saturation(RGBColor(159, 0, 0)));
  EXPECT_EQ(255, Saturation(RGBColor(160, 0, 0)));
  // (204 - 202) / 204 * 255 = 2.5 -> 2; (204 - 198) / 204 * 255 = 7.5 -> 8.
  EXPECT_EQ(2, Saturation(RGBColor(204, 202, 204)));
  EXPECT_EQ(8, Saturation(RGBColor(198, 204, 204)));
  // 128 / 255 * 255 = 128 exactly; 100 / 200 * 255 = 127.5 -> 128.
  EXPECT_EQ(128, Saturation(RGBColor(255, 127, 200)));
  EXPECT_EQ(128, Saturation(RGBColor(200, 100, 150)));
}

TEST(Gradient, BlackToRedOverAFullRange) {
  const TGradient g = ComputeGradient(256, RGBColor(0, 0, 0), RGBColor(255, 0, 0));
  ASSERT_EQ(256u, g.size());
  EXPECT_EQ(0, ColorRed(g.front()));
  EXPECT_EQ(255, ColorRed(g.back()));
  for (std::size_t i = 0; i < g.size(); ++i) ASSERT_EQ(static_cast<int>(i), ColorRed(g[i])) << i;
}

TEST(Gradient, EntriesRoundFromHalfTheStep) {
  // D = 4, d = 10: (2 + 10 i) div 4 = 0, 3, 5, 8, 10.
  const TGradient g = ComputeGradient(5, RGBColor(0, 100, 0), RGBColor(0, 110, 0));
  ASSERT_EQ(5u, g.size());
  const int expected[] = {100, 103, 105, 108, 110};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(expected[i], ColorGreen(g[static_cast<std::size_t>(i)])) << i;
}

TEST(Gradient, FallingChannelsTruncateTowardZero) {
  // D = 4, d = -10: (2 - 10 i) / 4 truncated = 0, -2, -4, -7, -9.
  const TGradient g = ComputeGradient(5, RGBColor(0, 0, 110), RGBColor(0, 0, 100));
  const int expected[] = {110, 108, 106, 103, 101};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(expected[i], ColorBlue(g[static_cast<std::size_t>(i)])) << i;
}

TEST(Gradient, LengthOneIsTheMidpointAndNothingBelowOne) {
  const TGradient g = ComputeGradient(1, RGBColor(0, 10, 200), RGBColor(255, 11, 100));
  ASSERT_EQ(1u, g.size());
  EXPECT_EQ(RGBColor(127, 10, 150), g[0]);
  EXPECT_TRUE(ComputeGradient(0, clBlack, clWhite).empty());
  EXPECT_TRUE(ComputeGradient(-3, clBlack, clWhite).empty());
}

TEST(GradientCache, HitsReturnTheSameSlot) {
  TGradientCache cache;
  const TGradient& first = cache.Get(10, clBlack, clWhite);
  EXPECT_EQ(0, cache.LastSlot());
  cache.Get(10, clWhite, clBlack);
  EXPECT_EQ(1, cache.LastSlot());
  const TGradient& again = cache.Get(10, clBlack, clWhite);
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(0, cache.LastSlot());
  // A falling gradient whose last entry is not exactly C2 is found again too.
  cache.Get(10, clWhite, clBlack);
  EXPECT_EQ(1, cache.LastSlot());
  cache.Get(11, clBlack, clWhite);
  EXPECT_EQ(2, cache.LastSlot());
}

TEST(GradientCache, SlotsAreReusedInCyclicOrder) {
  TGradientCache cache;
  for (int i = 0; i < TGradientCache::kSlots; ++i) {
    cache.Get(i + 1, clBlack, clWhite);
    EXPECT_EQ(i, cache.LastSlot());
  }
  cache.Get(100, clBlack, clWhite);
  EXPECT_EQ(0, cache.LastSlot());
  // Length 1 lived in slot 0 and is gone; length 2 is still in slot 1.
  cache.Get(2, clBlack, clWhite);
  EXPECT_EQ(1, cache.LastSlot());
  // Computing length 1 again takes the next slot, 1, which drops length 2.
  EXPECT_EQ(1u, cache.Get(1, clBlack, clWhite).size());
  EXPECT_EQ(1, cache.LastSlot());
  cache.Get(2, clBlack, clWhite);
  EXPECT_EQ(2, cache.LastSlot());
}

TEST(GradientCache, LengthBelowOneGivesAnEmptyGradientAndLeavesTheCache) {
  TGradientCache cache;
  EXPECT_TRUE(cache.Get(0, clBlack, clWhite).empty());
  EXPECT_EQ(-1, cache.LastSlot());
  cache.Get(3, clBlack, clWhite);
  EXPECT_EQ(0, cache.LastSlot());
}

TEST(GradientCache, SharedCacheGivesTheComputedEntries) {
  EXPECT_EQ(ComputeGradient(37, RGBColor(1, 2, 3), RGBColor(200, 100, 50)),
            GetGradient(37, RGBColor(1, 2, 3), RGBColor(200, 100, 50)));
}

}  // namespace
