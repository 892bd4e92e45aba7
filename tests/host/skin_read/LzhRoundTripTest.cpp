#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "skin/read/Lzh.h"
#include "skin/read/LzhHuffman.h"
#include "tests/host/skin_read/TestBytes.h"
#include "tools/skinpack/LzhEncoder.h"

namespace {

void ExpectRoundTrip(const std::vector<uint8_t>& input, const std::string& what) {
  const std::vector<uint8_t> packed = LzhCompress(input);
  ASSERT_GE(packed.size(), 4u) << what;
  const uint32_t size = packed[0] | packed[1] << 8 | packed[2] << 16 | uint32_t{packed[3]} << 24;
  EXPECT_EQ(size, input.size()) << what;
  EXPECT_EQ(LzhExpand(packed), input) << what;
}

std::vector<uint8_t> Text(size_t size) {
  static const char* const words[] = {"[Tabs]\r\n",      "Rightwidth=4\r\n",    "image=tab.bmp\r\n",
                                      "; a comment\r\n", "colour=0xFF00FF\r\n", "Frame=3\r\n"};
  std::mt19937 random(7);
  std::string text;
  while (text.size() < size) text += words[random() % 6];
  return Bytes(text);
}

}  // namespace

TEST(LzhRoundTrip, SmallAndDegenerateInputs) {
  EXPECT_EQ(LzhCompress({}), RawStream(0, {}));
  ExpectRoundTrip({}, "empty");
  ExpectRoundTrip({'x'}, "one byte");
  ExpectRoundTrip({0}, "one zero byte");
  ExpectRoundTrip(Bytes("ab"), "two bytes");
  // The first symbols are coded by the starting tree.
  EXPECT_EQ(LzhCompress(Bytes("t")), RawStream(1, {0x00}));
  EXPECT_EQ(LzhCompress(Bytes("s")), RawStream(1, {0xFF, 0x80}));
}

TEST(LzhRoundTrip, RunsUseOverlappingMatches) {
  for (const size_t size : {3u, 59u, 60u, 61u, 4095u, 4096u, 4097u, 100000u}) {
    ExpectRoundTrip(std::vector<uint8_t>(size, 'a'), "run of a, " + std::to_string(size));
    ExpectRoundTrip(std::vector<uint8_t>(size, ' '), "run of blanks, " + std::to_string(size));
    ExpectRoundTrip(std::vector<uint8_t>(size, 0), "run of zeros, " + std::to_string(size));
  }
  // One literal then a 60-byte match: with a size of 2 the match still comes whole.
  std::vector<uint8_t> packed = LzhCompress(std::vector<uint8_t>(64, 'a'));
  packed[0] = 2;
  EXPECT_EQ(LzhExpand(packed), std::vector<uint8_t>(61, 'a'));
  // Blanks match the ring's preset blanks from the first byte on: one match,
  // at most 9 bits of length and 9 of position.
  EXPECT_LE(LzhCompress(std::vector<uint8_t>(60, ' ')).size(), 4u + 3u);
}

TEST(LzhRoundTrip, RandomTextAndBitmaps) {
  ExpectRoundTrip(RandomBytes(1, 1), "random 1");
  ExpectRoundTrip(RandomBytes(5000, 2), "random 5000");
  // Long enough to halve the tree several times.
  ExpectRoundTrip(RandomBytes(200000, 3), "random 200000");
  ExpectRoundTrip(Text(150000), "text");
  std::vector<uint8_t> bitmaps;
  for (uint32_t i = 0; i < 8; ++i) {
    const std::vector<uint8_t> bitmap = MakeBitmap(40 + 7 * i, 20 + 3 * i, i);
    ExpectRoundTrip(bitmap, "bitmap " + std::to_string(i));
    bitmaps.insert(bitmaps.end(), bitmap.begin(), bitmap.end());
  }
  ExpectRoundTrip(bitmaps, "bitmaps back to back");
  // Mixed: random spans, repeats far apart in the ring and across its wrap.
  std::vector<uint8_t> mixed = RandomBytes(3000, 4);
  const std::vector<uint8_t> text = Text(9000);
  mixed.insert(mixed.end(), text.begin(), text.end());
  mixed.insert(mixed.end(), mixed.begin() + 100, mixed.begin() + 3100);
  ExpectRoundTrip(mixed, "mixed");
}

// The sibling order the update keeps: counts ascend with the node index, an
// inner node counts what its children count, and parent links agree.
TEST(LzhHuffman, KeepsItsShapeThroughUpdatesAndRebuilds) {
  using namespace lzh;
  TLzhHuffman tree;
  std::mt19937 random(11);
  int rebuilds = 0;
  for (int n = 0; n < 120000; ++n) {
    // Skewed: a few symbols dominate, so codes grow long.
    const int s =
        random() % 8 == 0 ? static_cast<int>(random() % N_CHAR) : static_cast<int>(random() % 5);
    const unsigned rootBefore = tree.freq[R];
    tree.Update(s);
    if (tree.freq[R] < rootBefore) ++rebuilds;
    if (n % 997 != 0 && rootBefore != MAX_FREQ) continue;
    int leaves = 0;
    for (int i = 0; i < T; ++i) {
      ASSERT_LE(tree.freq[i], tree.freq[i + 1]) << "node " << i << " after " << n;
      const int child = tree.son[i];
      if (child >= T) {
        ++leaves;
        ASSERT_EQ(tree.prnt[child], i);
      } else {
        ASSERT_EQ(tree.freq[i], tree.freq[child] + tree.freq[child + 1]) << "node " << i;
        ASSERT_EQ(tree.prnt[child], i);
        ASSERT_EQ(tree.prnt[child + 1], i);
      }
    }
    ASSERT_EQ(leaves, N_CHAR);
  }
  EXPECT_GE(rebuilds, 3);
}
