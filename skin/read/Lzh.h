#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the decoder takes its input: one byte at a time, 1 when a byte was
// delivered, 0 at the end of the data.
class TLzhSource {
 public:
  virtual ~TLzhSource() = default;
  virtual size_t ReadByte(uint8_t& byte) = 0;
};

// Where the decoder puts its output, one byte at a time.
class TLzhSink {
 public:
  virtual ~TLzhSink() = default;
  virtual void WriteByte(uint8_t byte) = 0;
};

class TLzhMemorySource final : public TLzhSource {
 public:
  explicit TLzhMemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t ReadByte(uint8_t& byte) override;

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

// Appends to a vector but never past `limit` bytes; a write beyond it throws.
class TLzhBufferSink final : public TLzhSink {
 public:
  TLzhBufferSink(std::vector<uint8_t>& output, size_t limit) : output_(output), limit_(limit) {}
  void WriteByte(uint8_t byte) override;

 private:
  std::vector<uint8_t>& output_;
  size_t limit_;
};

// LZHUF decoder: LZSS over a 4096-byte ring, literals and match lengths in an
// adaptive Huffman tree, match positions with a fixed code for their upper
// six bits. It decodes whole symbols until at least `expandedSize` bytes have
// gone to the sink, so a stream whose last match crosses the size gives up to
// F - 1 bytes more. Missing input reads as zero bytes. It may ask the source
// for up to eight bytes beyond those the decoded symbols used.
class TLZH {
 public:
  void Unpack(int32_t expandedSize, TLzhSource& source, TLzhSink& sink);
};

// The most a decoding of `expandedSize` can write: the size plus the tail of
// a last match that crosses it.
size_t LzhOutputLimit(int32_t expandedSize);

// The largest expanded size that `streamBytes` bytes of bit stream could
// honestly describe. Every literal takes at least 1 bit and every match at
// least 10 bits (1 for its length symbol, 9 for its position) for at most 60
// bytes, so no stream yields more than 6 bytes per bit, plus one last symbol
// that may run on into the missing bytes. Capped well above any real skin.
int64_t LzhExpandedSizeLimit(size_t streamBytes);

inline constexpr int64_t kLzhMaxExpandedSize = int64_t{16} << 20;

// Expands a whole compressed stream: a 4-byte little-endian expanded size,
// then the bit stream. A size that the data cannot account for is refused
// with ElzhException before any output memory is taken; a size of zero or
// less gives no output.
std::vector<uint8_t> LzhExpand(std::span<const uint8_t> compressed);
