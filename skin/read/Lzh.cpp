#include "skin/read/Lzh.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

#include "skin/read/LzhBits.h"
#include "skin/read/LzhHuffman.h"
#include "skin/read/LzhOutput.h"
#include "skin/read/LzhTables.h"

using namespace lzh;

namespace {

// The Huffman model and the walk down it, for one decoding.
template <class Bits>
class TLzhDecoder {
 public:
  // The bit register is a copy that nothing else can reach, so it can stay
  // in registers; the caller's would be reloaded after every byte written.
  template <class Output>
  void Run(int32_t expandedSize, Bits bits, Output& output) {
    while (output.Count() < expandedSize) {
      const int c = DecodeChar(bits);
      if (c < 256) {
        output.Literal(static_cast<uint8_t>(c));
      } else {
        output.Match(DecodePosition(bits) + 1, c - 255 + THRESHOLD);
      }
    }
  }

 private:
  // A walk no longer than the bits at hand needs no check per bit; one that
  // runs past them is taken back and walked again with a refill before each
  // bit. The walk only reads the tree; the update after it starts from the
  // nodes it left in the path.
  int DecodeChar(Bits& bits) {
    if (tree_.NeedsRebuild()) return DecodeCharBitByBit(bits);
    // Every symbol: a refill costs less than guessing wrong whether one is due.
    bits.Refill();
    uint64_t rest = bits.Bits();
    const uint16_t* const son = tree_.son.data();
    uint16_t* const path = tree_.path.data();
    // The first levels, where the tree seldom changes, come from a table.
    const TLzhHuffman::TTopWalk& top = tree_.TopWalk(rest);
    std::memcpy(path + 1, top.path.data(), sizeof top.path);
    int depth = top.depth;
    rest <<= depth;
    size_t child = top.child;
    while (child < T) {
      // The bit picks the table before the child is known, so that the next
      // child waits on nothing but its load.
      const unsigned bit = static_cast<unsigned>(rest >> 63);
      const uint16_t* sons = son + bit;
      // Keeps the compiler from folding the bit back into the child.
      asm("" : "+r"(sons));
      path[++depth] = static_cast<uint16_t>(child + bit);
      rest <<= 1;
      child = sons[child];
    }
    if (depth > bits.Count()) [[unlikely]]
      return DecodeCharBitByBit(bits);
    bits.Take(rest, depth);
    tree_.UpdatePath(depth);
    return static_cast<int>(child) - T;
  }

  int DecodeCharBitByBit(Bits& bits) {
    unsigned c = tree_.son[R];
    while (c < T) {
      if (bits.Count() == 0) bits.Refill();
      c = tree_.son[c + static_cast<unsigned>(bits.Bits() >> 63)];
      bits.Drop(1);
    }
    const int s = static_cast<int>(c) - T;
    tree_.Update(s);
    return s;
  }

  // A first byte that fixes the upper six bits and how many more bits of the
  // lower six follow; the code is len + 6 bits in all.
  static int DecodePosition(Bits& bits) {
    if (bits.Count() < 14) bits.Refill();
    const unsigned first = static_cast<unsigned>(bits.Bits() >> 56);
    const int codeBits = kPositionTables.d_len[first] + 6;
    const unsigned code = static_cast<unsigned>(bits.Bits() >> (64 - codeBits));
    bits.Drop(codeBits);
    return kPositionTables.d_code[first] << 6 | (code & 0x3F);
  }

  TLzhHuffman tree_;
};

template <class Bits, class Output>
void Decode(int32_t expandedSize, Bits& bits, Output& output) {
  std::unique_ptr<TLzhDecoder<Bits>> decoder;
  try {
    decoder = std::make_unique<TLzhDecoder<Bits>>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  decoder->Run(expandedSize, bits, output);
}

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
  TLzhSourceBits bits(source);
  auto output = std::make_unique<TLzhSinkOutput>(sink);
  Decode(expandedSize, bits, *output);
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
  const size_t limit = LzhOutputLimit(expandedSize);
  try {
    output.resize(limit + TLzhBufferOutput::kSlack);
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for the expanded data");
  }
  TLzhMemoryBits bits(stream);
  TLzhBufferOutput sink(output.data(), limit);
  Decode(expandedSize, bits, sink);
  output.resize(static_cast<size_t>(sink.Count()));
  return output;
}
