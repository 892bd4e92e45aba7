#include <gtest/gtest.h>

#include "skin/draw/ColourArithmetic.h"
#include "skin/draw/FrameGeometry.h"

namespace {

TEST(FrameOf, FiveFramesSideBySide) {
  const TFrameRect f = FrameOf(100, 20, false, 5, 3);
  EXPECT_EQ(40, f.X);
  EXPECT_EQ(0, f.Y);
  EXPECT_EQ(20, f.Width);
  EXPECT_EQ(20, f.Height);
}

TEST(FrameOf, StackedFrames) {
  const TFrameRect f = FrameOf(30, 90, true, 3, 2);
  EXPECT_EQ(0, f.X);
  EXPECT_EQ(30, f.Y);
  EXPECT_EQ(30, f.Width);
  EXPECT_EQ(30, f.Height);
}

TEST(FrameOf, WidthNotDividingLeavesTheRestUnused) {
  const TFrameRect f = FrameOf(101, 20, false, 5, 5);
  EXPECT_EQ(80, f.X);
  EXPECT_EQ(20, f.Width);
}

TEST(FrameOf, CountBelowOneIsOneAndIndexStaysInside) {
  for (int count : {0, -4}) {
    const TFrameRect f = FrameOf(50, 10, false, count, 1);
    EXPECT_EQ(50, f.Width) << count;
    EXPECT_EQ(0, f.X) << count;
  }
  EXPECT_EQ(80, FrameOf(100, 20, false, 5, 9).X);
  EXPECT_EQ(0, FrameOf(100, 20, false, 5, 0).X);
  EXPECT_EQ(0, FrameOf(100, 20, false, 5, -3).X);
}

TEST(FrameOf, MoreFramesThanPixelsGiveEmptyFrames) {
  const TFrameRect f = FrameOf(3, 10, false, 5, 2);
  EXPECT_EQ(0, f.Width);
  EXPECT_EQ(0, FrameOf(0, 0, true, 1, 1).Height);
}

TEST(SaneMargins, NegativeWidthsBecomeZero) {
  const TMargins m = SaneMargins(-1, 4, -7, 2);
  EXPECT_EQ(0, m.Left);
  EXPECT_EQ(4, m.Top);
  EXPECT_EQ(0, m.Right);
  EXPECT_EQ(2, m.Bottom);
}

TEST(GradientRunInClip, WholeRunWhenTheClipCoversIt) {
  const TGradientRun run = GradientRunInClip(10, 50, 0, 100);
  EXPECT_EQ(0, run.First);
  EXPECT_EQ(49, run.Last);
}

TEST(GradientRunInClip, OnlyTheClippedPart) {
  const TGradientRun run = GradientRunInClip(10, 50, 25, 40);
  EXPECT_EQ(15, run.First);
  EXPECT_EQ(29, run.Last);
}

TEST(GradientRunInClip, NothingWhenTheClipLiesElsewhere) {
  const TGradientRun before = GradientRunInClip(10, 50, 0, 10);
  EXPECT_LT(before.Last, before.First);
  const TGradientRun after = GradientRunInClip(10, 50, 60, 80);
  EXPECT_LT(after.Last, after.First);
}

}  // namespace
