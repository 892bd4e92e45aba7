// The media player's glyphs: every state of every button is there, drawn
// with whole pixels on olive, and no two buttons look alike.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tools/skingen/PlayerGlyphArt.h"

namespace skingen::test {
namespace {

std::vector<Rgb> Pixels(const Image& image) {
  std::vector<Rgb> pixels;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) pixels.push_back(image.Get(x, y));
  return pixels;
}

TEST(PlayerGlyphArtTest, NineDistinctInkedShapesPerStateOnOlive) {
  const std::vector<PlayerGlyph> glyphs = PlayerGlyphs();
  ASSERT_EQ(27u, glyphs.size());
  std::set<std::string> names;
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const PlayerGlyph& glyph = glyphs[i];
    names.insert(glyph.name);
    EXPECT_EQ(glyph.name.substr(0, 3), std::string(i < 9 ? "EN_" : i < 18 ? "DI_" : "CL_"));
    EXPECT_EQ(kGlyphOlive, glyph.image.Get(0, 0)) << glyph.name;
    std::set<std::tuple<int, int, int>> colours;
    for (Rgb c : Pixels(glyph.image)) colours.insert({c.r, c.g, c.b});
    // Olive and one ink: an edge mixed with olive would leave a fringe.
    EXPECT_EQ(2u, colours.size()) << glyph.name;
    for (size_t j = i / 9 * 9; j < i; ++j) {
      EXPECT_NE(Pixels(glyphs[j].image), Pixels(glyph.image)) << glyph.name << glyphs[j].name;
    }
  }
  EXPECT_EQ(27u, names.size());
  EXPECT_EQ(1u, names.count("CL_MPEJECT"));
}

}  // namespace
}  // namespace skingen::test
