// A skin's numbers, hostile or not, never reach past the screen or window.
#include <gtest/gtest.h>

#include <climits>

#include "skin/draw/SkinBounds.h"

namespace {

TEST(FrameThickness, ImageLengthOverFramesUpToAnEighthOfTheScreen) {
  struct Case {
    int length, frames, screen, expected;
  } const cases[] = {
      {60, 2, 1024, 30},        // our caption: kept as it is
      {8, 2, 1280, 4},          // our side border
      {4096, 1, 1024, 128},     // a 4096-pixel border image
      {4096, 0, 1280, 160},     // frame count 0 counts as one
      {60, -5, 1024, 60},       // so does a negative one
      {60, 1000000, 1024, 60},  // a count leaving no pixel counts as one
      {60, 60, 1024, 1},
      {INT_MAX, 1, 1024, 128},  // no overflow on the way
      {-10, 1, 1024, 0},
      {100, 1, 0, 0},  // no screen to share
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, FrameThickness(c.length, c.frames, c.screen))
        << c.length << " / " << c.frames << " on " << c.screen;
  }
}

TEST(FitCaptionShifts, OurValuesStayAndHostileOnesStopAtTheBand) {
  const TCaptionShifts ours{30, 86, 0, 4, 4};
  const TCaptionShifts kept = FitCaptionShifts(ours, 400, 30);
  EXPECT_EQ(30, kept.Left);
  EXPECT_EQ(86, kept.Right);
  EXPECT_EQ(0, kept.Vertical);
  EXPECT_EQ(4, kept.StripLeft);
  EXPECT_EQ(4, kept.StripRight);

  const TCaptionShifts huge = FitCaptionShifts({1000000, INT_MAX, 5000, 5000000, INT_MAX}, 400, 30);
  EXPECT_EQ(400, huge.Left);
  EXPECT_EQ(400, huge.Right);
  EXPECT_EQ(30, huge.Vertical);
  EXPECT_EQ(400, huge.StripLeft);
  EXPECT_EQ(400, huge.StripRight);

  const TCaptionShifts negative = FitCaptionShifts({-5, INT_MIN, -5000, -1, INT_MIN}, 400, 30);
  EXPECT_EQ(0, negative.Left);
  EXPECT_EQ(0, negative.Right);
  EXPECT_EQ(-30, negative.Vertical);
  EXPECT_EQ(0, negative.StripLeft);
  EXPECT_EQ(0, negative.StripRight);

  const TCaptionShifts noBand = FitCaptionShifts({30, 86, 7, 4, 4}, -20, -3);
  EXPECT_EQ(0, noBand.Left + noBand.Right + noBand.Vertical + noBand.StripLeft + noBand.StripRight);
}

TEST(CaptionFitWidth, GrowsForTheCaptionButNeverPastTheScreen) {
  EXPECT_EQ(300, CaptionFitWidth(300, 30, 100, 86, 1280));   // fits already
  EXPECT_EQ(316, CaptionFitWidth(200, 30, 200, 86, 1280));   // grows to fit
  EXPECT_EQ(1280, CaptionFitWidth(200, 1000000, 100, 86, 1280));
  EXPECT_EQ(1280, CaptionFitWidth(200, INT_MAX, INT_MAX, INT_MAX, 1280));
  EXPECT_EQ(1500, CaptionFitWidth(1500, 1000000, 100, 86, 1280));  // never narrower
  EXPECT_EQ(200, CaptionFitWidth(200, -1000000, 100, -5, 1280));   // negatives add nothing
}

TEST(CaptionButtonOffset, ButtonStaysInsideTheWindow) {
  struct Case {
    int offset, width, window;
    bool fromRight;
    int expected;
  } const cases[] = {
      {29, 24, 400, true, 29},  // our close button, kept
      {8, 16, 400, false, 8},   // our icon, kept
      {1000000, 24, 400, true, 400},
      {-1000000, 24, 400, true, 24},  // not past the right edge
      {0, 24, 400, true, 24},
      {1000000, 24, 400, false, 376},
      {-7, 24, 400, false, 0},
      {10, 5000, 400, true, 400},  // wider than the window: from its left edge
      {10, 5000, 400, false, 0},
      {10, 24, 0, true, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, CaptionButtonOffset(c.offset, c.width, c.window, c.fromRight))
        << c.offset << " width " << c.width << " in " << c.window;
  }
}

TEST(GrownWindowStart, GrowthNeverTakesAnEdgeOffTheScreen) {
  struct Case {
    int start, oldLength, newLength, screen, expected;
  } const cases[] = {
      {236, 808, 1120, 1280, 160},   // grown past the right edge: moved back
      {100, 400, 500, 1280, 100},    // still fits
      {1000, 400, 500, 1280, 1000},  // already past before: the user's place
      {200, 400, 2000, 1280, 0},     // wider than the screen: from its start
      {-50, 400, 2000, 1280, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, GrownWindowStart(c.start, c.oldLength, c.newLength, c.screen))
        << c.start << " " << c.oldLength << " -> " << c.newLength;
  }
}

}  // namespace
