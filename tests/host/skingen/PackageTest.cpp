// The skin package the build makes, read back with the program's own reader
// and ini parser: every bitmap the description names is found in it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "tests/host/skingen/BmpInfo.h"

namespace skingen::test {
namespace {

std::vector<std::uint8_t> Slurp(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stream_ = Slurp(SKIN_STREAM_PATH);
    ASSERT_GT(stream_.size(), 4u) << SKIN_STREAM_PATH;
    ASSERT_TRUE(reader_.Load(std::span(stream_).subspan(4)));
    std::vector<std::uint8_t> text;
    std::string name;
    reader_.FindEntry(".ini", text, name);
    ASSERT_FALSE(text.empty());
    ini_.LoadFromStream(&text);
  }

  std::vector<std::uint8_t> stream_;
  TSkinReader reader_;
  TQuickIni ini_;
};

TEST_F(PackageTest, StreamIsTheLengthThenAVersion60000Package) {
  EXPECT_EQ(U32(stream_, 0), stream_.size() - 4);
  EXPECT_EQ(U32({reader_.Header().begin(), reader_.Header().end()}, 0), 60000u);
  EXPECT_EQ(reader_.Count(), 45);  // the description and 44 bitmaps
  // Compact: tens of kilobytes.
  EXPECT_LT(stream_.size(), 40u * 1024u);
}

TEST_F(PackageTest, EveryImageKeyFindsABitmapInThePackage) {
  std::vector<std::string> sections;
  ini_.ReadSections(&sections);
  int found = 0;
  for (const std::string& section : sections) {
    for (const char* key : {"Image", "Bitmap", "ButtonImage", "CheckButton", "RadioButton", "Border",
                            "GlyphImage", "Left", "Right", "Top", "Bottom", "TextBack"}) {
      const std::string file = ini_.ReadString(section, key, "");
      if (file.empty() || section == "Skin") continue;
      std::vector<std::uint8_t> bytes;
      reader_.GetEntry(file, bytes);
      EXPECT_TRUE(ReadBmp(bytes).has_value()) << section << "." << key << " = " << file;
      ++found;
    }
  }
  EXPECT_GE(found, 45);
}

TEST_F(PackageTest, ValuesReadAsTheEngineReadsThem) {
  EXPECT_EQ(ini_.ReadInteger("Personality", "TopFrame", 1), 2);
  EXPECT_EQ(ini_.ReadInteger("personality", "LEFTTRANS", 0), 1);
  EXPECT_EQ(ini_.ReadInteger("Buttons", "CheckButtonFrame", 0), 12);
  EXPECT_EQ(ini_.ReadInteger("ButtonClose", "Action", -1), 0);
  EXPECT_EQ(ini_.ReadInteger("ButtonMaximize", "Visibility", 0), 2);
  EXPECT_EQ(ini_.ReadString("Colours", "ButtonFace", ""), "243 245 248");
}

}  // namespace
}  // namespace skingen::test
