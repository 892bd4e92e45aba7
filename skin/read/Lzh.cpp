#include "skin/read/Lzh.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "skin/read/LzhHuffman.h"
#include "skin/read/LzhTables.h"

using namespace lzh;

namespace {

// The state of one decoding: ring, Huffman model and bit register.
class TLzhDecoder {
 public:
  explicit TLzhDecoder(TLzhSource& source) : source_(source) {
    std::fill_n(text_.begin(), RING_START, uint8_t{' '});
  }

  void Run(int32_t expandedSize, TLzhSink& sink) {
    int r = RING_START;
    int64_t count = 0;
    while (count < expandedSize) {
      const int c = DecodeChar();
      if (c < 256) {
        sink.WriteByte(static_cast<uint8_t>(c));
        text_[r] = static_cast<uint8_t>(c);
        r = (r + 1) & (N - 1);
        ++count;
        continue;
      }
      const int start = (r - DecodePosition() - 1) & (N - 1);
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) {
        const uint8_t byte = text_[(start + k) & (N - 1)];
        sink.WriteByte(byte);
        text_[r] = byte;
        r = (r + 1) & (N - 1);
        ++count;
      }
    }
  }

 private:
  void Refill() {
    while (bitCount_ <= 8) {
      uint8_t byte = 0;
      if (source_.ReadByte(byte) != 1) byte = 0;
      bitBuffer_ = static_cast<uint16_t>(bitBuffer_ | (byte << (8 - bitCount_)));
      bitCount_ += 8;
    }
  }

  int GetBit() {
    Refill();
    const int bit = bitBuffer_ >> 15;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 1);
    --bitCount_;
    return bit;
  }

  int GetByte() {
    Refill();
    const int byte = bitBuffer_ >> 8;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 8);
    bitCount_ -= 8;
    return byte;
  }

  int DecodeChar() {
    unsigned c = tree_.son[R];
    while (c < T) c = tree_.son[c + GetBit()];
    const int s = static_cast<int>(c) - T;
    tree_.Update(s);
    return s;
  }

  int DecodePosition() {
    int i = GetByte();
    const int upper = kPositionTables.d_code[i] << 6;
    for (int j = kPositionTables.d_len[i] - 2; j > 0; --j) i = (i << 1) + GetBit();
    return upper | (i & 0x3F);
  }

  TLzhSource& source_;
  TLzhHuffman tree_;
  // Positions RING_START..N-1 start as zero; a sound stream writes them
  // before it reads them. The F - 1 bytes past N only mirror the ring start
  // for the encoder and are kept so both sides share the layout.
  std::array<uint8_t, N + F - 1> text_{};
  uint16_t bitBuffer_ = 0;
  int bitCount_ = 0;
};

}  // namespace

size_t TLzhMemorySource::ReadByte(uint8_t& byte) {
  if (position_ >= bytes_.size()) return 0;
  byte = bytes_[position_++];
  return 1;
}

void TLzhBufferSink::WriteByte(uint8_t byte) {
  if (output_.size() >= limit_) throw ElzhException("LZH : Output exceeds the expanded size");
  output_.push_back(byte);
}

void TLZH::Unpack(int32_t expandedSize, TLzhSource& source, TLzhSink& sink) {
  if (expandedSize <= 0) return;
  std::unique_ptr<TLzhDecoder> decoder;
  try {
    decoder = std::make_unique<TLzhDecoder>(source);
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  decoder->Run(expandedSize, sink);
}

size_t LzhOutputLimit(int32_t expandedSize) {
  return expandedSize <= 0 ? 0 : static_cast<size_t>(expandedSize) + (F - 1);
}

int64_t LzhExpandedSizeLimit(size_t streamBytes) {
  constexpr int64_t kBytesPerBit = F / 10;
  const int64_t bits = static_cast<int64_t>(std::min<size_t>(streamBytes, kLzhMaxExpandedSize)) * 8;
  return std::min(bits * kBytesPerBit + F, kLzhMaxExpandedSize);
}

std::vector<uint8_t> LzhExpand(std::span<const uint8_t> compressed) {
  if (compressed.size() < 4) throw ElzhException("LZH : Stream has no expanded size");
  const int32_t expandedSize = static_cast<int32_t>(
      static_cast<uint32_t>(compressed[0]) | static_cast<uint32_t>(compressed[1]) << 8 |
      static_cast<uint32_t>(compressed[2]) << 16 | static_cast<uint32_t>(compressed[3]) << 24);
  const std::span<const uint8_t> stream = compressed.subspan(4);
  if (expandedSize > LzhExpandedSizeLimit(stream.size())) {
    throw ElzhException("LZH : Expanded size does not fit the compressed data");
  }
  std::vector<uint8_t> output;
  if (expandedSize <= 0) return output;
  try {
    output.reserve(LzhOutputLimit(expandedSize));
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for the expanded data");
  }
  TLzhMemorySource source(stream);
  TLzhBufferSink sink(output, LzhOutputLimit(expandedSize));
  TLZH().Unpack(expandedSize, source, sink);
  return output;
}
