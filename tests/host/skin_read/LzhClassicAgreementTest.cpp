#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bench/host/lzh_decoder/ClassicLzhDecoder.h"
#include "bench/host/lzh_decoder/MixedInput.h"
#include "skin/read/Lzh.h"
#include "skin/read/LzhOutput.h"
#include "tests/host/skin_read/TestBytes.h"
#include "tools/skinpack/LzhEncoder.h"

namespace {

// Our decoder, by both of its roads, against the plain classic one.
void ExpectSameAsClassic(const std::vector<uint8_t>& stream, const std::string& what) {
  const std::vector<uint8_t> classic = ClassicLzhExpand(stream);
  const std::vector<uint8_t> whole = LzhExpand(stream);
  ASSERT_EQ(whole.size(), classic.size()) << what;
  ASSERT_TRUE(whole == classic) << what;

  const int32_t size = static_cast<int32_t>(stream[0] | stream[1] << 8 | stream[2] << 16 |
                                            uint32_t{stream[3]} << 24);
  std::vector<uint8_t> streamed;
  TLzhMemorySource source(std::span<const uint8_t>(stream).subspan(4));
  TLzhBufferSink sink(streamed, LzhOutputLimit(size));
  TLZH().Unpack(size, source, sink);
  ASSERT_TRUE(streamed == classic) << what;
}

}  // namespace

// Long inputs run the tree through many halvings and the swaps of every
// depth; the mixed one holds short-period runs and far matches.
TEST(LzhClassicAgreement, EncodedInputs) {
  ExpectSameAsClassic(LzhCompress(MakeMixedInput(1 << 20)), "mixed");
  ExpectSameAsClassic(LzhCompress(RandomBytes(300000, 5)), "random");
  std::vector<uint8_t> skewed(400000);
  std::mt19937 random(9);
  for (uint8_t& byte : skewed) byte = static_cast<uint8_t>(random() % 7 == 0 ? random() : 'e');
  ExpectSameAsClassic(LzhCompress(skewed), "skewed");
  for (const int period : {1, 2, 3, 5, 7, 8, 9, 13}) {
    std::vector<uint8_t> runs;
    for (int i = 0; i < 5000; ++i)
      runs.push_back(static_cast<uint8_t>("abcdefghijklm"[i % period]));
    ExpectSameAsClassic(LzhCompress(runs), "period " + std::to_string(period));
  }
}

// Streams no encoder wrote: any bits decode to some symbols, matches reach
// into the preset ring and past the end of the input, codes grow long.
TEST(LzhClassicAgreement, ArbitraryBitStreams) {
  std::mt19937 random(21);
  for (int n = 0; n < 60; ++n) {
    std::vector<uint8_t> bits = RandomBytes(1 + random() % 3000, n);
    if (n % 3 == 0) {
      for (uint8_t& byte : bits) byte &= 0x0F;  // leans on the short codes
    }
    const auto size = static_cast<int32_t>(random() % LzhExpandedSizeLimit(bits.size()));
    ExpectSameAsClassic(RawStream(size, bits), "stream " + std::to_string(n));
  }
  // An encoded stream with flipped bits and one cut short.
  std::vector<uint8_t> damaged = LzhCompress(MakeMixedInput(200000));
  for (size_t at = 40; at < damaged.size(); at += 997) damaged[at] ^= 0x10;
  ExpectSameAsClassic(damaged, "flipped bits");
  damaged.resize(damaged.size() / 2);
  ExpectSameAsClassic(damaged, "cut short");
}

TEST(LzhBufferOutput, RefusesAMatchPastItsLimit) {
  std::vector<uint8_t> buffer(16 + TLzhBufferOutput::kSlack, 0xAA);
  TLzhBufferOutput output(buffer.data(), 16);
  for (int i = 0; i < 10; ++i) output.Literal(static_cast<uint8_t>('0' + i));
  output.Match(3, 6);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 16), "0123456789789789");
  EXPECT_THROW(output.Match(1, 1), ElzhException);
  EXPECT_EQ(output.Count(), 16);
  EXPECT_EQ(buffer[16 + TLzhBufferOutput::kSlack - 1], 0xAA);
}
