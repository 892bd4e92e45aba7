#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/read/Lzh.h"
#include "tests/host/skin_read/TestBytes.h"

namespace {

std::string Expanded(const std::vector<uint8_t>& stream) {
  const std::vector<uint8_t> out = LzhExpand(stream);
  return {out.begin(), out.end()};
}

// Counts what the decoder asks for, then delivers nothing.
class TCountingSource final : public TLzhSource {
 public:
  size_t ReadByte(uint8_t&) override {
    ++requests;
    return 0;
  }
  int requests = 0;
};

}  // namespace

// With the starting tree, eight 0 bits lead to the leaf of 't', eight 1 bits
// and a 0 to 'r', nine 1 bits to 's'; 1000 1100 is the length symbol of a
// 3-byte match.
TEST(LzhDecoder, FirstSymbolsFollowTheStartingTree) {
  EXPECT_EQ(Expanded(RawStream(1, {0x00})), "t");
  EXPECT_EQ(Expanded(RawStream(1, {0xFF})), "r");
  EXPECT_EQ(Expanded(RawStream(1, {0xFF, 0x80})), "s");
  // Position 0 right at the start copies the preset blanks behind r.
  EXPECT_EQ(Expanded(RawStream(3, {0x8C, 0x00, 0x00})), "   ");
}

TEST(LzhDecoder, RingPositionsAfterTheBlanksStartAsZero) {
  // Position 4095 (code byte 0xFF, then 111111) points at r itself.
  EXPECT_EQ(Expanded(RawStream(3, {0x8C, 0xFF, 0xFC})), std::string(3, '\0'));
}

TEST(LzhDecoder, MatchCrossingTheSizeIsCopiedWhole) {
  EXPECT_EQ(Expanded(RawStream(2, {0x8C, 0x00, 0x00})), "   ");
  EXPECT_EQ(LzhOutputLimit(2), 2u + 59u);
}

TEST(LzhDecoder, SizeOfZeroOrLessReadsNoInput) {
  for (const int32_t size : {0, -1, INT32_MIN}) {
    TCountingSource source;
    std::vector<uint8_t> out;
    TLzhBufferSink sink(out, 100);
    TLZH().Unpack(size, source, sink);
    EXPECT_EQ(source.requests, 0) << size;
    EXPECT_TRUE(out.empty()) << size;
    EXPECT_TRUE(LzhExpand(RawStream(size, {})).empty()) << size;
  }
}

TEST(LzhDecoder, MissingInputReadsAsZeroBytes) {
  std::vector<uint8_t> padded = RawStream(40, {0x8C, 0x37, 0x91});
  const std::vector<uint8_t> truncated = padded;
  padded.resize(padded.size() + 64, 0);
  const std::vector<uint8_t> fromTruncated = LzhExpand(truncated);
  EXPECT_EQ(fromTruncated, LzhExpand(padded));
  EXPECT_GE(fromTruncated.size(), 40u);
  EXPECT_LE(fromTruncated.size(), 40u + 59u);
}

TEST(LzhDecoder, RefusesSizesTheDataCannotHold) {
  EXPECT_THROW(LzhExpand({}), ElzhException);
  EXPECT_THROW(LzhExpand(std::vector<uint8_t>{1, 0, 0}), ElzhException);
  // 10 bytes of stream can describe at most 6 bytes per bit, plus a last match.
  const int64_t limit = LzhExpandedSizeLimit(10);
  EXPECT_EQ(limit, 10 * 8 * 6 + 60);
  const std::vector<uint8_t> bits(10, 0);
  EXPECT_NO_THROW(LzhExpand(RawStream(static_cast<int32_t>(limit), bits)));
  EXPECT_THROW(LzhExpand(RawStream(static_cast<int32_t>(limit + 1), bits)), ElzhException);
  EXPECT_THROW(LzhExpand(RawStream(INT32_MAX, std::vector<uint8_t>(1 << 20, 0))), ElzhException);
  EXPECT_EQ(LzhExpandedSizeLimit(size_t{1} << 40), kLzhMaxExpandedSize);
}

TEST(LzhDecoder, BoundedSinkRefusesToGrowPastItsLimit) {
  std::vector<uint8_t> out;
  TLzhBufferSink sink(out, 2);
  sink.WriteByte(1);
  sink.WriteByte(2);
  EXPECT_THROW(sink.WriteByte(3), ElzhException);
  EXPECT_EQ(out.size(), 2u);
}
