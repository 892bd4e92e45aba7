#include <gtest/gtest.h>

#include "skin/draw/RegionRuns.h"

namespace {

constexpr std::uint32_t K = 0xFF00FF;  // magenta as 0x00RRGGBB
constexpr std::uint32_t R = 0xFF0000;
constexpr std::uint32_t G = 0x00FF00;

TEST(NonKeyRuns, EveryMaximalRunOfEveryRowOffsetByXY) {
  const std::uint32_t pixels[] = {K, R, G, K, R,  //
                                  K, K, K, K, K,  //
                                  R, R, R, R, R};
  const auto runs = NonKeyRuns(pixels, 5, 3, MakeKeyRange(clFuchsia, 0, 0, 0), 10, 20);
  const std::vector<TRunRect> expected = {{11, 20, 13, 21}, {14, 20, 15, 21}, {10, 22, 15, 23}};
  EXPECT_EQ(expected, runs);
}

TEST(NonKeyRuns, ASingleRowWorksToo) {
  const std::uint32_t pixels[] = {R, K, R};
  const auto runs = NonKeyRuns(pixels, 3, 1, MakeKeyRange(clFuchsia, 0, 0, 0), 0, 0);
  const std::vector<TRunRect> expected = {{0, 0, 1, 1}, {2, 0, 3, 1}};
  EXPECT_EQ(expected, runs);
}

TEST(KeyRange, ToleranceReachesUpFromTheKeyAndStopsAt255) {
  // Key (100, 0, 250): red 100..110, green 0..5, blue 250..255.
  const TKeyRange range = MakeKeyRange(RGBColor(100, 0, 250), 20, 5, 10);
  EXPECT_TRUE(range.Contains(100, 0, 250));
  EXPECT_TRUE(range.Contains(110, 5, 255));
  EXPECT_FALSE(range.Contains(111, 0, 250));
  EXPECT_FALSE(range.Contains(99, 0, 250));
  EXPECT_FALSE(range.Contains(100, 6, 250));
  EXPECT_FALSE(range.Contains(100, 0, 249));
  EXPECT_EQ(255, range.High[2]);
}

TEST(KeyRange, AllThreeChannelsMustBeInRange) {
  const TKeyRange range = MakeKeyRange(clFuchsia, 0, 0, 0);
  EXPECT_TRUE(range.Contains(255, 0, 255));
  EXPECT_FALSE(range.Contains(255, 1, 255));
  EXPECT_FALSE(range.Contains(254, 0, 255));
  // A negative tolerance is no tolerance.
  EXPECT_TRUE(MakeKeyRange(clFuchsia, -5, -5, -5).Contains(255, 0, 255));
}

TEST(NonKeyRuns, NothingForAnEmptyBitmapOrAllKey) {
  const std::uint32_t pixels[] = {K, K};
  EXPECT_TRUE(NonKeyRuns(pixels, 2, 1, MakeKeyRange(clFuchsia, 0, 0, 0), 0, 0).empty());
  EXPECT_TRUE(NonKeyRuns(nullptr, 2, 1, MakeKeyRange(clFuchsia, 0, 0, 0), 0, 0).empty());
  EXPECT_TRUE(NonKeyRuns(pixels, 0, 1, MakeKeyRange(clFuchsia, 0, 0, 0), 0, 0).empty());
}

}  // namespace
