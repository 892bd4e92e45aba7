// The program's own pictures: menu glyphs, built-in track channels, icon.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/host/skingen/BmpInfo.h"
#include "tools/skingen/ProgramArt.h"

namespace skingen::test {
namespace {

TEST(ProgramArtTest, MenuGlyphsAreFourBlackOnWhiteCells) {
  const auto bmp = ReadBmp(MenuGlyphBitmap());
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->width, 64);
  EXPECT_EQ(bmp->height, 16);
  EXPECT_EQ(bmp->bits, 1);
  for (int cell = 0; cell < 4; ++cell) {
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) black += bmp->At(cell * 16 + x, y) == Rgb{0, 0, 0} ? 1 : 0;
    EXPECT_GT(black, 6) << "cell " << cell;
    EXPECT_EQ(bmp->At(cell * 16, 0), (Rgb{255, 255, 255})) << "cell " << cell;
  }
  // Minimise (third cell) is a single bar: black only on one or two rows.
  int rows = 0;
  for (int y = 0; y < 16; ++y) {
    bool any = false;
    for (int x = 32; x < 48; ++x) any = any || bmp->At(x, y) == Rgb{0, 0, 0};
    rows += any ? 1 : 0;
  }
  EXPECT_LE(rows, 2);
}

TEST(ProgramArtTest, TrackChannelsHaveSixteenColours) {
  const auto track = ReadBmp(TrackBitmap());
  const auto vert = ReadBmp(TrackVertBitmap());
  ASSERT_TRUE(track.has_value() && vert.has_value());
  EXPECT_EQ(track->width, 16);
  EXPECT_EQ(track->height, 4);
  EXPECT_EQ(vert->width, 4);
  EXPECT_EQ(vert->height, 16);
  EXPECT_EQ(track->bits, 4);
  EXPECT_EQ(vert->bits, 4);
  EXPECT_EQ(track->palette, StandardPalette16());
  // The vertical channel is the horizontal one turned: shadow on the near side.
  EXPECT_EQ(track->At(5, 0), vert->At(0, 5));
  EXPECT_EQ(track->At(5, 3), vert->At(3, 5));
}

TEST(ProgramArtTest, IconIsOneSixteenPixelImageOf256Colours) {
  const Bytes ico = IconFile(IconImage());
  ASSERT_GE(ico.size(), 22u + 40u);
  EXPECT_EQ(U16(ico, 0), 0);
  EXPECT_EQ(U16(ico, 2), 1);
  EXPECT_EQ(U16(ico, 4), 1);
  EXPECT_EQ(ico[6], 16);
  EXPECT_EQ(ico[7], 16);
  EXPECT_EQ(U16(ico, 12), 8);
  const std::uint32_t size = U32(ico, 14), offset = U32(ico, 18);
  EXPECT_EQ(offset, 22u);
  EXPECT_EQ(offset + size, ico.size());
  // Info header, 256 palette entries, 16 rows of 16 bytes, then the mask.
  EXPECT_EQ(U32(ico, 22 + 4), 16u);
  EXPECT_EQ(U32(ico, 22 + 8), 32u);
  EXPECT_EQ(U16(ico, 22 + 14), 8);
  EXPECT_EQ(size, 40u + 256u * 4u + 16u * 16u + 16u * 4u);
  const size_t mask = 22 + 40 + 1024 + 256;
  // Rows are bottom-up: the first mask row is the bottom one; its corners are
  // transparent (rounded), its middle is not.
  EXPECT_EQ(ico[mask] & 0x80, 0x80);
  EXPECT_EQ(ico[mask + 1] & 0x01, 0x01);
  const size_t middleRow = mask + 8 * 4;
  EXPECT_EQ(ico[middleRow] & 0x40, 0);
}

TEST(ProgramArtTest, PicturesAreTheSameOnEveryRun) {
  EXPECT_EQ(IconFile(IconImage()), IconFile(IconImage()));
  EXPECT_EQ(MenuGlyphBitmap(), MenuGlyphBitmap());
  const Image a = BannerBackground(), b = BannerBackground();
  ASSERT_EQ(a.Width(), 347);
  ASSERT_EQ(a.Height(), 81);
  EXPECT_EQ(EncodeBmp24(a), EncodeBmp24(b));
  EXPECT_FALSE(a.HasColour(kMagenta));
}

std::vector<std::uint8_t> Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramArtTest, CommittedIconIsWhatTheGeneratorDraws) {
  EXPECT_EQ(Slurp(TAPVANE_SOURCE_DIR "/resources/app/tapvane.ico"), IconFile(IconImage()));
}

TEST(ProgramArtTest, CommittedBannerIsA347By81ColourJpeg) {
  const auto jpeg = Slurp(TAPVANE_SOURCE_DIR "/resources/app/banner.jpg");
  ASSERT_GT(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  // Walk the segments to the frame header (baseline or progressive).
  size_t at = 2;
  bool found = false;
  while (at + 9 < jpeg.size() && jpeg[at] == 0xFF) {
    const int marker = jpeg[at + 1];
    const size_t length = static_cast<size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
    if (marker == 0xC0 || marker == 0xC2) {
      EXPECT_EQ(jpeg[at + 5] << 8 | jpeg[at + 6], 81);
      EXPECT_EQ(jpeg[at + 7] << 8 | jpeg[at + 8], 347);
      EXPECT_EQ(jpeg[at + 9], 3) << "three colour components";
      found = true;
      break;
    }
    at += 2 + length;
  }
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace skingen::test
