// The rasteriser and bitmap writer the art is made with.
#include <gtest/gtest.h>

#include "tests/host/skingen/BmpInfo.h"
#include "tools/skingen/Bmp.h"
#include "tools/skingen/Draw.h"

namespace skingen::test {
namespace {

TEST(RasterTest, FlattenLeavesMagentaWhereNothingWasDrawnAndBlendsEdges) {
  Layer layer(10, 10);
  layer.Fill(Whole(layer), Circle(5, 5, 3.5), Rgb{0, 0, 0});
  Image image(10, 10);
  image.Flatten(layer, 0, 0, Rgb{255, 255, 255});
  EXPECT_EQ(image.Get(0, 0), kMagenta);
  EXPECT_EQ(image.Get(5, 5), (Rgb{0, 0, 0}));
  // An edge pixel is partly covered: a grey between ink and backdrop.
  const Rgb edge = image.Get(1, 5);
  EXPECT_GT(edge.r, 0);
  EXPECT_LT(edge.r, 255);
  EXPECT_EQ(edge.r, edge.g);
}

TEST(RasterTest, MinimumCoverageDropsFaintPixels) {
  Layer layer(8, 8);
  layer.Fill(Whole(layer), RoundRect(0, 0, 8, 8, 4), Rgb{10, 20, 30});
  Image loose(8, 8), strict(8, 8);
  loose.Flatten(layer, 0, 0, Rgb{0, 0, 0});
  strict.Flatten(layer, 0, 0, Rgb{0, 0, 0}, 0.3);
  // (1, 0) is grazed by the corner's curve: three samples of sixteen.
  EXPECT_NE(loose.Get(1, 0), kMagenta);
  EXPECT_EQ(strict.Get(1, 0), kMagenta);
  EXPECT_EQ(strict.Get(0, 0), kMagenta);
  EXPECT_EQ(strict.Get(4, 4), (Rgb{10, 20, 30}));
}

TEST(RasterTest, RoundRectIsSymmetric) {
  Layer layer(12, 8);
  layer.Fill(Whole(layer), RoundRect(0, 0, 12, 8, 3), Rgb{0, 0, 0});
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) {
      EXPECT_DOUBLE_EQ(layer.At(x, y).a, layer.At(11 - x, y).a) << x << "," << y;
      EXPECT_DOUBLE_EQ(layer.At(x, y).a, layer.At(x, 7 - y).a) << x << "," << y;
    }
}

TEST(RasterTest, StripsJoinSideBySideAndStacked) {
  const Image a(3, 2, Rgb{1, 1, 1}), b(3, 2, Rgb{2, 2, 2});
  const Image row = JoinHorizontal({a, b}), column = JoinVertical({a, b});
  EXPECT_EQ(row.Width(), 6);
  EXPECT_EQ(row.Get(4, 1), (Rgb{2, 2, 2}));
  EXPECT_EQ(column.Height(), 4);
  EXPECT_EQ(column.Get(0, 3), (Rgb{2, 2, 2}));
}

TEST(BmpTest, TwentyFourBitRowsArePaddedAndBottomUp) {
  Image image(3, 2, Rgb{0, 0, 0});
  image.Set(0, 0, Rgb{10, 20, 30});
  const Bytes bytes = EncodeBmp24(image);
  EXPECT_EQ(bytes.size(), 54u + 2 * 12u);
  // The first stored row is the bottom one; the top-left pixel starts row 2.
  EXPECT_EQ(bytes[54 + 12], 30);
  EXPECT_EQ(bytes[54 + 12 + 2], 10);
  const auto info = ReadBmp(bytes);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->At(0, 0), (Rgb{10, 20, 30}));
}

TEST(BmpTest, PaletteBitmapsUseTheSmallestDepth) {
  Image image(5, 3, Rgb{255, 255, 255});
  image.Set(4, 2, Rgb{0, 0, 0});
  const auto mono = ReadBmp(EncodeBmpPalette(image, {{0, 0, 0}, {255, 255, 255}}));
  ASSERT_TRUE(mono.has_value());
  EXPECT_EQ(mono->bits, 1);
  EXPECT_EQ(mono->At(4, 2), (Rgb{0, 0, 0}));
  EXPECT_EQ(mono->At(3, 2), (Rgb{255, 255, 255}));
  std::vector<Rgb> sixteen(16, Rgb{255, 255, 255});
  sixteen[3] = {0, 0, 0};
  const auto four = ReadBmp(EncodeBmpPalette(image, sixteen));
  ASSERT_TRUE(four.has_value());
  EXPECT_EQ(four->bits, 4);
  EXPECT_EQ(four->At(4, 2), (Rgb{0, 0, 0}));
  EXPECT_THROW(PaletteBits(257), std::invalid_argument);
}

}  // namespace
}  // namespace skingen::test
