#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "toolkit/graphics/BmpFormat.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

struct FileShape {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  int Bits = 24;
  std::uint32_t Compression = 0;
  std::vector<std::uint32_t> Palette;  // written as colours used
  std::vector<std::uint32_t> Masks;    // after a 40-byte header
  Bytes Pixels;
};

FileShape Shape(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0) {
  FileShape s;
  s.Width = width;
  s.Height = height;
  s.Bits = bits;
  s.Compression = compression;
  return s;
}

// A .bmp file with a 40-byte header, written by hand so the test does not
// depend on the writer it also checks.
Bytes MakeFile(const FileShape& s) {
  Bytes info;
  Put32(info, 40);
  Put32(info, static_cast<std::uint32_t>(s.Width));
  Put32(info, static_cast<std::uint32_t>(s.Height));
  Put16(info, 1);
  Put16(info, static_cast<std::uint32_t>(s.Bits));
  Put32(info, s.Compression);
  Put32(info, static_cast<std::uint32_t>(s.Pixels.size()));
  Put32(info, 0);
  Put32(info, 0);
  Put32(info, static_cast<std::uint32_t>(s.Palette.size()));
  Put32(info, 0);
  for (auto m : s.Masks) Put32(info, m);
  for (auto c : s.Palette) Put32(info, c);
  Bytes file{'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + info.size() + s.Pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + info.size()));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), s.Pixels.begin(), s.Pixels.end());
  return file;
}

// 3 x 2, 24 bits: rows of 9 bytes padded to 12, bottom row first.
FileShape Small24() {
  FileShape s = Shape(3, 2, 24);
  s.Pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0};
  return s;
}

TEST(BmpFormat, Reads24BitRowsAsStored) {
  const TBmpImage image = ReadBmpFile(MakeFile(Small24()));
  ASSERT_FALSE(image.Empty());
  EXPECT_EQ(3, image.Width);
  EXPECT_EQ(2, image.Height);
  EXPECT_EQ(24, image.BitsPerPixel);
  EXPECT_EQ(12, image.Stride());
  EXPECT_EQ(Small24().Pixels, image.Bits);
  EXPECT_TRUE(image.Palette.empty());
}

TEST(BmpFormat, TopDownRowsAreTurnedBottomUp) {
  FileShape s = Small24();
  s.Height = -2;
  const TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(2, image.Height);
  EXPECT_EQ(11, image.Bits[0]);
  EXPECT_EQ(1, image.Bits[12]);
}

TEST(BmpFormat, ShortPaletteIsPaddedWithBlackSoEveryIndexIsCovered) {
  FileShape s = Shape(2, 1, 8);
  s.Palette = {0x00FF0000, 0x0000FF00};
  s.Pixels = {1, 200, 0, 0};
  const TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(8, image.BitsPerPixel);
  ASSERT_EQ(256u, image.Palette.size());
  EXPECT_EQ(0x0000FF00u, image.Palette[1]);
  EXPECT_EQ(0u, image.Palette[200]);
  EXPECT_EQ(200, image.Bits[1]);
}

TEST(BmpFormat, OneAndFourBitImagesKeepTheirPackedRows) {
  FileShape s = Shape(9, 1, 1);
  s.Palette = {0, 0xFFFFFF};
  s.Pixels = {0xAA, 0x80, 0, 0};
  TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(1, image.BitsPerPixel);
  EXPECT_EQ(2u, image.Palette.size());
  EXPECT_EQ(s.Pixels, image.Bits);
  s.Bits = 4;
  s.Pixels = {0x12, 0x34, 0x56, 0x78, 0x90, 0, 0, 0};
  image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(4, image.BitsPerPixel);
  EXPECT_EQ(16u, image.Palette.size());
  EXPECT_EQ(s.Pixels, image.Bits);
}

TEST(BmpFormat, SixteenBitPixelsWidenTo24Bits) {
  FileShape s = Shape(2, 1, 16);
  // 5-5-5: pure red, then a mid grey of 16/31 on every channel.
  s.Pixels = {0x00, 0x7C, 0x10, 0x42};
  TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(24, image.BitsPerPixel);
  EXPECT_EQ((Bytes{0, 0, 255, 131, 131, 131, 0, 0}), image.Bits);

  s.Compression = 3;  // 5-6-5 bit fields: pure green
  s.Masks = {0xF800, 0x07E0, 0x001F};
  s.Pixels = {0xE0, 0x07, 0x1F, 0x00};
  image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(24, image.BitsPerPixel);
  EXPECT_EQ((Bytes{0, 255, 0, 255, 0, 0, 0, 0}), image.Bits);
}

TEST(BmpFormat, ThirtyTwoBitBitFieldsBecomePlainPixels) {
  FileShape s = Shape(1, 1, 32, 3);
  s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
  s.Pixels = {0x10, 0x20, 0x30, 0x40};
  const TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(32, image.BitsPerPixel);
  EXPECT_EQ((Bytes{0x30, 0x20, 0x10, 0}), image.Bits);
}

TEST(BmpFormat, PackedDibWithCoreHeaderReadsItsThreeBytePalette) {
  Bytes dib;
  Put32(dib, 12);
  Put16(dib, 2);
  Put16(dib, 1);
  Put16(dib, 1);
  Put16(dib, 1);
  dib.insert(dib.end(), {0x10, 0x20, 0x30, 0x40, 0x50, 0x60});
  dib.insert(dib.end(), {0x40, 0, 0, 0});
  const TBmpImage image = ReadPackedDib(dib);
  ASSERT_EQ(2, image.Width);
  EXPECT_EQ(0x302010u, image.Palette[0]);
  EXPECT_EQ(0x605040u, image.Palette[1]);
  EXPECT_EQ(0x40, image.Bits[0]);
}

TEST(BmpFormat, EveryTruncationOfAGoodFileIsEmpty) {
  const Bytes file = MakeFile(Small24());
  for (std::size_t size = 0; size < file.size(); ++size) {
    EXPECT_TRUE(ReadBmpFile(std::span(file.data(), size)).Empty()) << size;
  }
  EXPECT_FALSE(ReadBmpFile(file).Empty());
}

TEST(BmpFormat, AbsurdDimensionsAreRefused) {
  const std::int32_t sizes[][2] = {{0, 1},         {1, 0},         {-5, 1},
                                   {16385, 1},     {1, 16385},     {1, -16385},
                                   {16384, 16384}, {1, INT32_MIN}, {INT32_MAX, 1}};
  for (const auto& wh : sizes) {
    FileShape s = Small24();
    s.Width = wh[0];
    s.Height = wh[1];
    EXPECT_TRUE(ReadBmpFile(MakeFile(s)).Empty()) << wh[0] << "x" << wh[1];
  }
  // The largest side allowed, claimed but not delivered, is refused too.
  FileShape s = Small24();
  s.Width = 16384;
  s.Height = 1;
  EXPECT_TRUE(ReadBmpFile(MakeFile(s)).Empty());
}

// A caller's budget lowers the limit: a tiny run-length file that claims a
// large image is refused before its rows are made; within it, it reads.
TEST(BmpFormat, ACallersPixelBudgetRefusesLargerClaims) {
  FileShape s = Shape(4096, 4096, 8, 1);
  s.Palette.assign(4, 0);
  s.Pixels = {0, 1};  // end of bitmap at once
  const Bytes file = MakeFile(s);
  EXPECT_FALSE(ReadBmpFile(file).Empty());
  EXPECT_TRUE(ReadBmpFile(file, 4096 * 4096 - 1).Empty());
  EXPECT_TRUE(ReadBmpFile(file, 0).Empty());
  EXPECT_TRUE(ReadBmpFile(file, -1).Empty());
  EXPECT_FALSE(ReadBmpFile(MakeFile(Small24()), 6).Empty());
  EXPECT_TRUE(ReadBmpFile(MakeFile(Small24()), 5).Empty());
}

TEST(BmpFormat, UnsupportedFormatsAreRefused) {
  // Run-length codes need their own bit count and bottom-up rows.
  FileShape rle = Shape(2, 1, 4, 1);
  rle.Pixels = {2, 1, 0, 1};
  EXPECT_TRUE(ReadBmpFile(MakeFile(rle)).Empty());
  rle = Shape(2, -1, 8, 1);
  rle.Pixels = {2, 1, 0, 1};
  EXPECT_TRUE(ReadBmpFile(MakeFile(rle)).Empty());
  FileShape twoBits = Small24();
  twoBits.Bits = 2;
  EXPECT_TRUE(ReadBmpFile(MakeFile(twoBits)).Empty());
  FileShape fields24 = Small24();
  fields24.Compression = 3;
  fields24.Masks = {0xFF0000, 0xFF00, 0xFF};
  EXPECT_TRUE(ReadBmpFile(MakeFile(fields24)).Empty());
  Bytes notBm = MakeFile(Small24());
  notBm[0] = 'X';
  EXPECT_TRUE(ReadBmpFile(notBm).Empty());
  Bytes oddHeader = MakeFile(Small24());
  oddHeader[14] = 64;
  EXPECT_TRUE(ReadBmpFile(oddHeader).Empty());
  FileShape hugePalette = Shape(1, 1, 8);
  hugePalette.Palette.assign(257, 0);
  hugePalette.Pixels = {0, 0, 0, 0};
  EXPECT_TRUE(ReadBmpFile(MakeFile(hugePalette)).Empty());
}

// Runs, literals (padded to whole words), line ends, deltas and the end
// code, every run clipped to the image; pixels never written stay index 0.
TEST(BmpFormat, RunLengthEncodedEightBitImagesExpand) {
  FileShape s = Shape(5, 3, 8, 1);
  s.Palette.assign(4, 0);
  s.Pixels = {3, 7,              // bottom row: three of 7,
              0, 3, 1, 2, 3, 0,  // a literal 1 2 3 and its pad byte (clipped after 2 of them),
              0, 0,              // end of line
              0, 2, 1, 1,        // delta: one right, one up, to the top row
              9, 4,              // nine of 4 from x 1, clipped at the right edge
              0, 1,              // end of bitmap
              5, 5};             // never read
  const TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(8, image.BitsPerPixel);
  ASSERT_EQ(3, image.Height);
  const Bytes expected = {7, 7, 7, 1, 2, 0, 0, 0,   // bottom row, stride 8
                          0, 0, 0, 0, 0, 0, 0, 0,   // middle row, all skipped
                          0, 4, 4, 4, 4, 0, 0, 0};  // top row
  EXPECT_EQ(expected, image.Bits);
}

TEST(BmpFormat, RunLengthEncodedFourBitImagesAlternateTheirNibbles) {
  FileShape s = Shape(7, 2, 4, 2);
  s.Palette.assign(16, 0);
  s.Pixels = {
      5, 0x12,                       // 1 2 1 2 1
      0, 3,    0xAB, 0xC0,           // literal A B C: two bytes, already a whole word
      0, 0,                          // end of line (x was 8: the last pixel fell off the row)
      0, 5,    0x34, 0x56, 0x70, 0,  // literal 3 4 5 6 7: three bytes and a pad
                                     // The codes stop here without an end code.
  };
  const TBmpImage image = ReadBmpFile(MakeFile(s));
  ASSERT_EQ(4, image.BitsPerPixel);
  const Bytes expected = {0x12, 0x12, 0x1A, 0xB0,   // 1 2 1 2 1 A B, stride 4
                          0x34, 0x56, 0x70, 0x00};  // 3 4 5 6 7, the rest 0
  EXPECT_EQ(expected, image.Bits);
}

TEST(BmpFormat, PixelOffsetPastTheEndIsRefused) {
  Bytes file = MakeFile(Small24());
  file[10] = 0xF0;
  file[11] = 0xFF;
  EXPECT_TRUE(ReadBmpFile(file).Empty());
  file[10] = 20;  // inside the header
  file[11] = 0;
  EXPECT_TRUE(ReadBmpFile(file).Empty());
}

TEST(BmpFormat, WrittenFilesReadBackUnchanged) {
  TBmpImage image;
  image.Width = 5;
  image.Height = 3;
  image.BitsPerPixel = 8;
  image.Palette.assign(256, 0);
  image.Palette[7] = 0x123456;
  image.Bits.resize(static_cast<std::size_t>(image.Stride() * image.Height));
  for (std::size_t i = 0; i < image.Bits.size(); ++i)
    image.Bits[i] = static_cast<std::uint8_t>(i * 7);
  const TBmpImage back = ReadBmpFile(WriteBmpFile(image));
  EXPECT_EQ(image.Width, back.Width);
  EXPECT_EQ(image.Height, back.Height);
  EXPECT_EQ(image.BitsPerPixel, back.BitsPerPixel);
  EXPECT_EQ(image.Palette, back.Palette);
  EXPECT_EQ(image.Bits, back.Bits);
  EXPECT_TRUE(WriteBmpFile(TBmpImage{}).empty());
}

}  // namespace
