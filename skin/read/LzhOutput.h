#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/read/Lzh.h"
#include "skin/read/LzhTables.h"

// What the ring holds before anything is written, seen from the output: the
// 60 bytes at and after the first write position start as zero, the rest of
// the ring as blanks. `before` counts back from the first output byte.
inline uint8_t LzhPresetByte(int64_t before) {
  return before <= lzh::RING_START ? uint8_t{' '} : uint8_t{0};
}

// Output straight into one buffer, which is also the match history: a match
// reaches back at most N bytes, and the ring's N bytes are exactly the last
// N written. Only the first N bytes may reach into the preset ring.
class TLzhBufferOutput {
 public:
  // Room for `limit` bytes plus the slack the word copies may write past a
  // match's end.
  static constexpr size_t kSlack = 32;

  TLzhBufferOutput(uint8_t* begin, size_t limit)
      : begin_(begin), next_(begin), end_(begin + limit) {}

  int64_t Count() const { return next_ - begin_; }

  void Literal(uint8_t byte) { *next_++ = byte; }

  void Match(int distance, int length) {
    // The loop only decodes while below the size, so this cannot fire for
    // the caller's limit; it keeps a wrong limit from writing out of bounds.
    if (length > end_ - next_) throw ElzhException("LZH : Output exceeds the expanded size");
    if (distance > Count()) return MatchIntoPreset(distance, length);
    if constexpr (std::endian::native == std::endian::little) {
      if (distance < 8) return MatchShort(distance, length);
    }
    if (distance >= 16) return MatchFar(distance, length);
    int back = distance;
    int k = 0;
    if (distance < 8) {
      // A short pattern repeats: once its first bytes are out, a word read a
      // whole number of patterns back (8 bytes or more) holds the same bytes.
      back = distance * ((8 + distance - 1) / distance);
      const int head = std::min(length, back - distance);
      for (; k < head; ++k) next_[k] = next_[k - distance];
    }
    // Each word read lies wholly before the word written, so overlapping
    // matches repeat the recent bytes as they should.
    for (; k < length; k += 8) std::memcpy(next_ + k, next_ + k - back, 8);
    next_ += length;
  }

 private:
  // Most matches are no longer than two blocks, so those two are copied
  // without a loop. Each block read lies wholly before the block written.
  void MatchFar(int distance, int length) {
    std::memcpy(next_, next_ - distance, 16);
    std::memcpy(next_ + 16, next_ + 16 - distance, 16);
    for (int k = 32; k < length; k += 16) std::memcpy(next_ + k, next_ + k - distance, 16);
    next_ += length;
  }

  // A pattern shorter than a word is read once and spread over a word in a
  // register, which is then stored at each whole number of patterns: reading
  // back bytes written moments ago, a few at a time, would wait each time
  // for those writes to land.
  void MatchShort(int distance, int length) {
    uint64_t word;
    // The bytes read past the pattern lie inside the buffer and are dropped.
    std::memcpy(&word, next_ - distance, sizeof word);
    word &= (uint64_t{1} << (8 * distance)) - 1;
    for (int have = distance; have < 8; have *= 2) word |= word << (8 * have);
    // The second word carries on the pattern from byte 8, which lies `skew`
    // bytes into a pattern; a pair of words covers 16 bytes.
    const int step = 8 / distance * distance;
    const int skew = 8 - step;
    const uint64_t next = skew == 0 ? word : word >> (8 * skew) | word << (8 * (step - skew));
    const int pairStep = 16 / distance * distance;
    for (int k = 0; k < length; k += pairStep) {
      std::memcpy(next_ + k, &word, sizeof word);
      std::memcpy(next_ + k + 8, &next, sizeof next);
    }
    next_ += length;
  }

  void MatchIntoPreset(int distance, int length) {
    for (int k = 0; k < length; ++k) {
      const int64_t at = Count() - distance;
      *next_++ = at >= 0 ? begin_[at] : LzhPresetByte(-at);
    }
  }

  uint8_t* const begin_;
  uint8_t* next_;
  uint8_t* const end_;
};

// Output a byte at a time to a caller's sink, with the ring as history.
class TLzhSinkOutput {
 public:
  explicit TLzhSinkOutput(TLzhSink& sink) : sink_(sink) {
    for (int i = 0; i < lzh::N; ++i)
      ring_[(lzh::RING_START - 1 - i) & (lzh::N - 1)] = LzhPresetByte(i + 1);
  }

  int64_t Count() const { return count_; }

  void Literal(uint8_t byte) {
    sink_.WriteByte(byte);
    ring_[r_] = byte;
    r_ = (r_ + 1) & (lzh::N - 1);
    ++count_;
  }

  void Match(int distance, int length) {
    const int start = (r_ - distance) & (lzh::N - 1);
    for (int k = 0; k < length; ++k) Literal(ring_[(start + k) & (lzh::N - 1)]);
  }

 private:
  TLzhSink& sink_;
  uint8_t ring_[lzh::N];
  int r_ = lzh::RING_START;
  int64_t count_ = 0;
};
