#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "skin/read/Lzh.h"

// The decoder's bit register: up to 64 bits, the next one at the top. A
// refill leaves at least kLzhRefilledBits in it; bits past the end of the
// input read as zero, as they always have.
inline constexpr int kLzhRefilledBits = 56;

class TLzhBitRegister {
 public:
  uint64_t Bits() const { return bits_; }
  int Count() const { return count_; }

  // The caller has looked at the top n bits (n < Count()) and used them.
  void Drop(int n) {
    bits_ <<= n;
    count_ -= n;
  }

  // The caller used n bits (n <= Count()) and shifted them out itself.
  void Take(uint64_t rest, int n) {
    bits_ = rest;
    count_ -= n;
  }

 protected:
  void Push(uint8_t byte) {
    bits_ |= static_cast<uint64_t>(byte) << (kLzhRefilledBits - count_);
    count_ += 8;
  }

  uint64_t bits_ = 0;
  int count_ = 0;
};

// Bits from a stream held in memory: eight bytes at a time while they last.
class TLzhMemoryBits final : public TLzhBitRegister {
 public:
  explicit TLzhMemoryBits(std::span<const uint8_t> bytes)
      : next_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  void Refill() {
    if (end_ - next_ >= 8) {
      // Whole bytes only: the bits below the count are the ones that follow,
      // so the next refill writes the same values over them.
      uint64_t word;
      std::memcpy(&word, next_, sizeof word);
      bits_ |= FromBigEndian(word) >> count_;
      next_ += (63 - count_) >> 3;
      count_ |= kLzhRefilledBits;
      return;
    }
    while (count_ <= kLzhRefilledBits) Push(next_ < end_ ? *next_++ : 0);
  }

 private:
  static uint64_t FromBigEndian(uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
    return word;
  }

  const uint8_t* next_;
  const uint8_t* end_;
};

// Bits from a caller's source, asked one byte at a time. It reads at most
// eight bytes ahead of what has been decoded.
class TLzhSourceBits final : public TLzhBitRegister {
 public:
  explicit TLzhSourceBits(TLzhSource& source) : source_(source) {}

  void Refill() {
    while (count_ <= kLzhRefilledBits) {
      uint8_t byte = 0;
      if (source_.ReadByte(byte) != 1) byte = 0;
      Push(byte);
    }
  }

 private:
  TLzhSource& source_;
};
