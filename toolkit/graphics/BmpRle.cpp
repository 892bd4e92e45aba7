#include "toolkit/graphics/BmpRle.h"

#include <cstddef>

namespace {

// Writes pixels at a cursor that only moves forward and drops whatever falls
// outside the image.
class TRleCursor {
 public:
  TRleCursor(int bitsPerPixel, int width, int height, int stride, std::vector<std::uint8_t>& rows)
      : bits_(bitsPerPixel), width_(width), height_(height), stride_(stride), rows_(rows) {}

  bool Done() const { return y_ >= height_; }
  void Put(std::uint8_t index) {
    if (x_ < width_ && y_ < height_) {
      std::uint8_t& byte =
          rows_[static_cast<std::size_t>(y_) * stride_ + (bits_ == 8 ? x_ : x_ / 2)];
      if (bits_ == 8) {
        byte = index;
      } else if (x_ % 2 == 0) {
        byte = static_cast<std::uint8_t>((byte & 0x0F) | (index << 4));
      } else {
        byte = static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F));
      }
    }
    ++x_;
  }
  void NextLine() {
    x_ = 0;
    ++y_;
  }
  void Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
  }

 private:
  int bits_, width_, height_, stride_;
  std::vector<std::uint8_t>& rows_;
  int x_ = 0, y_ = 0;
};

// The colour of pixel i of a run or literal: a byte each at 8 bits, the high
// then the low nibble of each byte at 4.
std::uint8_t RunColour(std::uint8_t value, int i, int bits) {
  if (bits == 8) return value;
  return static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F);
}

}  // namespace

void ExpandRle(std::span<const std::uint8_t> codes, int bitsPerPixel, int width, int height,
               int stride, std::vector<std::uint8_t>& rows) {
  TRleCursor cursor(bitsPerPixel, width, height, stride, rows);
  std::size_t at = 0;
  while (at + 2 <= codes.size() && !cursor.Done()) {
    const int count = codes[at];
    const std::uint8_t value = codes[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) cursor.Put(RunColour(value, i, bitsPerPixel));
      continue;
    }
    switch (value) {
      case 0:
        cursor.NextLine();
        break;
      case 1:
        return;
      case 2:
        if (at + 2 > codes.size()) return;
        cursor.Move(codes[at], codes[at + 1]);
        at += 2;
        break;
      default: {
        // A literal of `value` pixels, padded to an even number of bytes.
        const int literal = value;
        const std::size_t bytes =
            bitsPerPixel == 8 ? literal : static_cast<std::size_t>(literal + 1) / 2;
        if (at + bytes > codes.size()) return;
        for (int i = 0; i < literal; ++i) {
          const std::uint8_t byte = codes[at + (bitsPerPixel == 8 ? i : i / 2)];
          cursor.Put(RunColour(byte, i, bitsPerPixel));
        }
        at += bytes + (bytes % 2);
        break;
      }
    }
  }
}
