#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "tests/win32/graphics/Pixels.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Graphics.h"

namespace {

std::vector<std::uint8_t> Resource(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
}

void Load(TMemoryStream& stream, const std::vector<std::uint8_t>& bytes) {
  stream.Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
}

bool Near(TColor expected, TColor actual, int tolerance) {
  return std::abs(ColorRed(expected) - ColorRed(actual)) <= tolerance &&
         std::abs(ColorGreen(expected) - ColorGreen(actual)) <= tolerance &&
         std::abs(ColorBlue(expected) - ColorBlue(actual)) <= tolerance;
}

// A 2 x 2 32-bit icon file: top row red, bottom row blue, fully opaque.
std::vector<std::uint8_t> TinyIcon() {
  std::vector<std::uint8_t> image;
  const auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) image.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put32(40);
  put32(2);
  put32(4);  // colour and mask halves
  put32(1 | (32 << 16));
  for (int i = 0; i < 6; ++i) put32(0);
  put32(0xFF0000FF);  // bottom row first: blue (BGRA)
  put32(0xFF0000FF);
  put32(0xFFFF0000);  // red
  put32(0xFFFF0000);
  for (int i = 0; i < 2; ++i) put32(0);  // AND mask rows, 4 bytes each
  std::vector<std::uint8_t> file = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0};
  const auto size = static_cast<std::uint32_t>(image.size());
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(22u >> (8 * i)));
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

TEST(JPEGImage, DecodesASmallPicture) {
  const std::vector<std::uint8_t> bytes = Resource(L"SMALLJPG");
  ASSERT_FALSE(bytes.empty());
  TJPEGImage jpeg;
  EXPECT_TRUE(jpeg.LoadFromBytes(bytes));
  ASSERT_EQ(16, jpeg.Width());
  ASSERT_EQ(8, jpeg.Height());
  EXPECT_EQ(pf24bit, jpeg.Bitmap().PixelFormat());
  // Left half red, right half blue, within JPEG's loss.
  EXPECT_TRUE(Near(clRed, pixels::At(jpeg.Bitmap(), 3, 4), 12)) << pixels::At(jpeg.Bitmap(), 3, 4);
  EXPECT_TRUE(Near(clBlue, pixels::At(jpeg.Bitmap(), 12, 4), 12))
      << pixels::At(jpeg.Bitmap(), 12, 4);
  TBitmap copy;
  copy.Assign(&jpeg);
  EXPECT_EQ(16, copy.Width());
  EXPECT_TRUE(Near(clRed, pixels::At(copy, 3, 4), 12));
}

TEST(JPEGImage, DecodesGreyPicturesToColour) {
  TJPEGImage jpeg;
  ASSERT_TRUE(jpeg.LoadFromBytes(Resource(L"GRAYJPG")));
  EXPECT_TRUE(Near(RGBColor(128, 128, 128), pixels::At(jpeg.Bitmap(), 4, 4), 4));
}

TEST(JPEGImage, CorruptDataLeavesItEmpty) {
  const std::vector<std::uint8_t> good = Resource(L"SMALLJPG");
  TJPEGImage jpeg;
  ASSERT_TRUE(jpeg.LoadFromBytes(good));
  const std::vector<std::uint8_t> truncated(
      good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  EXPECT_FALSE(jpeg.LoadFromBytes(truncated));
  EXPECT_TRUE(jpeg.Empty());
  std::vector<std::uint8_t> scrambled = good;
  for (std::size_t i = 20; i < scrambled.size(); i += 3) scrambled[i] ^= 0x5A;
  EXPECT_FALSE(jpeg.LoadFromBytes(scrambled));
  EXPECT_TRUE(jpeg.Empty());
  const std::vector<std::uint8_t> junk = {0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 0xFF, 0xD9};
  TMemoryStream stream;
  Load(stream, junk);
  jpeg.LoadFromStream(stream);
  EXPECT_TRUE(jpeg.Empty());
  EXPECT_FALSE(jpeg.LoadFromBytes({}));
}

TEST(Picture, LoadsTheKindOfGraphicItsBytesAre) {
  TPicture picture;
  TMemoryStream jpeg;
  Load(jpeg, Resource(L"SMALLJPG"));
  picture.LoadFromStream(jpeg);
  ASSERT_NE(nullptr, dynamic_cast<TJPEGImage*>(picture.Graphic()));
  EXPECT_EQ(16, picture.Width());

  TBitmap bitmap;
  bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  TMemoryStream bmp;
  bitmap.SaveToStream(bmp);
  bmp.SetPosition(0);
  picture.LoadFromStream(bmp);
  ASSERT_NE(nullptr, dynamic_cast<TBitmap*>(picture.Graphic()));
  EXPECT_EQ(clBlue, pixels::At(picture.Bitmap(), 2, 1));

  TMemoryStream ico;
  Load(ico, TinyIcon());
  picture.LoadFromStream(ico);
  ASSERT_NE(nullptr, dynamic_cast<TIcon*>(picture.Graphic()));

  TMemoryStream junk;
  Load(junk, {1, 2, 3, 4, 5});
  picture.LoadFromStream(junk);
  EXPECT_EQ(nullptr, picture.Graphic());
}

TEST(Picture, SavesTheBytesItLoaded) {
  const std::vector<std::uint8_t> bytes = Resource(L"SMALLJPG");
  TPicture picture;
  TMemoryStream in;
  Load(in, bytes);
  picture.LoadFromStream(in);
  TMemoryStream out;
  picture.SaveToStream(out);
  EXPECT_EQ(bytes, std::vector<std::uint8_t>(out.Bytes().begin(), out.Bytes().end()));
  TPicture copy;
  copy.Assign(&picture);
  ASSERT_NE(nullptr, copy.Graphic());
  EXPECT_NE(picture.Graphic(), copy.Graphic());
  EXPECT_EQ(8, copy.Height());
}

TEST(Picture, ChangesOfItsGraphicAreAnnounced) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  TBitmap& bitmap = picture.Bitmap();
  EXPECT_EQ(1, changes);
  bitmap.SetSize(3, 3);
  EXPECT_EQ(2, changes);
  EXPECT_EQ(3, picture.Width());
  picture.SetGraphic(nullptr);
  EXPECT_EQ(3, changes);
  EXPECT_EQ(0, picture.Width());
}

TEST(Icon, ReadsAnIconFileAndDrawsIt) {
  TIcon icon;
  TMemoryStream stream;
  Load(stream, TinyIcon());
  icon.LoadFromStream(stream);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(2, icon.Width());
  EXPECT_EQ(2, icon.Height());
  TBitmap target(2, 2);
  target.Canvas().Draw(0, 0, icon);
  EXPECT_EQ(clRed, pixels::At(target, 0, 0));
  EXPECT_EQ(clBlue, pixels::At(target, 1, 1));
  std::vector<std::uint8_t> bad = TinyIcon();
  bad[18] = 0xF0;  // image offset far past the end
  TMemoryStream badStream;
  Load(badStream, bad);
  icon.LoadFromStream(badStream);
  EXPECT_TRUE(icon.Empty());
}

TEST(ImageList, CutsStripsIntoImagesAndDrawsThemMasked) {
  TImageList list(nullptr);
  list.SetWidth(2);
  list.SetHeight(1);
  TBitmap strip(4, 1);
  pixels::Set(strip, 0, 0, clRed);
  pixels::Set(strip, 1, 0, clFuchsia);
  pixels::Set(strip, 2, 0, clFuchsia);
  pixels::Set(strip, 3, 0, clBlue);
  EXPECT_EQ(0, list.AddMasked(strip, clFuchsia));
  EXPECT_EQ(2, list.Count());
  TBitmap target(2, 1);
  pixels::Fill(target, clWhite);
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(clWhite, pixels::At(target, 0, 0));
  EXPECT_EQ(clBlue, pixels::At(target, 1, 0));
  list.Draw(target.Canvas(), 0, 0, 5);  // out of range: nothing
  EXPECT_EQ(clBlue, pixels::At(target, 1, 0));
  list.Delete(0);
  EXPECT_EQ(1, list.Count());
  EXPECT_EQ(-1, list.AddMasked(*std::make_unique<TBitmap>(), clFuchsia));
}

TEST(ImageList, AddTakesAnExplicitMask) {
  TImageList list(nullptr);
  list.SetWidth(1);
  list.SetHeight(1);
  TBitmap images(2, 1);
  pixels::Set(images, 0, 0, clRed);
  pixels::Set(images, 1, 0, clLime);
  TBitmap mask(2, 1);
  pixels::Set(mask, 0, 0, clWhite);  // white: transparent
  pixels::Set(mask, 1, 0, clBlack);
  mask.SetPixelFormat(pf1bit);
  EXPECT_EQ(0, list.Add(images, &mask));
  EXPECT_EQ(2, list.Count());
  TBitmap target(2, 1);
  pixels::Fill(target, clBlue);
  list.Draw(target.Canvas(), 0, 0, 0);
  list.Draw(target.Canvas(), 1, 0, 1);
  EXPECT_EQ(clBlue, pixels::At(target, 0, 0));
  EXPECT_EQ(clLime, pixels::At(target, 1, 0));
}

}  // namespace
