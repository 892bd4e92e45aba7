#include "bench/host/lzh_decoder/ClassicLzhDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

// Upper six bits of a position and the length of its code, by first byte.
struct TPositionCode {
  uint8_t code[256];
  uint8_t len[256];

  TPositionCode() {
    int b = 0;
    int value = 0;
    const int counts[] = {1, 3, 8, 12, 24, 16};
    const int bytesEach[] = {32, 16, 8, 4, 2, 1};
    for (int group = 0; group < 6; ++group) {
      for (int v = 0; v < counts[group]; ++v, ++value) {
        for (int k = 0; k < bytesEach[group]; ++k, ++b) {
          code[b] = static_cast<uint8_t>(value);
          len[b] = static_cast<uint8_t>(group + 3);
        }
      }
    }
  }
};

const TPositionCode kPosition;

class TClassicDecoder {
 public:
  TClassicDecoder(const uint8_t* in, size_t size) : in_(in), inSize_(size) { StartTree(); }

  std::vector<uint8_t> Run(int32_t expandedSize) {
    std::vector<uint8_t> out;
    // Like the buffered putc of old: the output store is not what is measured.
    out.reserve(static_cast<size_t>(std::clamp<int64_t>(expandedSize, 0, int64_t{1} << 26)));
    std::memset(text_, ' ', N - F);
    std::memset(text_ + N - F, 0, sizeof text_ - (N - F));
    int r = N - F;
    int64_t count = 0;
    while (count < expandedSize) {
      const int c = DecodeChar();
      if (c < 256) {
        out.push_back(static_cast<uint8_t>(c));
        text_[r++] = static_cast<uint8_t>(c);
        r &= N - 1;
        ++count;
      } else {
        const int start = (r - DecodePosition() - 1) & (N - 1);
        const int length = c - 255 + THRESHOLD;
        for (int k = 0; k < length; ++k) {
          const uint8_t byte = text_[(start + k) & (N - 1)];
          out.push_back(byte);
          text_[r++] = byte;
          r &= N - 1;
          ++count;
        }
      }
    }
    return out;
  }

 private:
  int NextByte() { return position_ < inSize_ ? in_[position_++] : 0; }

  int GetBit() {
    while (bitCount_ <= 8) {
      bitBuffer_ |= static_cast<unsigned>(NextByte()) << (8 - bitCount_);
      bitCount_ += 8;
    }
    const int bit = (bitBuffer_ >> 15) & 1;
    bitBuffer_ = (bitBuffer_ << 1) & 0xFFFF;
    --bitCount_;
    return bit;
  }

  int GetByte() {
    while (bitCount_ <= 8) {
      bitBuffer_ |= static_cast<unsigned>(NextByte()) << (8 - bitCount_);
      bitCount_ += 8;
    }
    const int byte = (bitBuffer_ >> 8) & 0xFF;
    bitBuffer_ = (bitBuffer_ << 8) & 0xFFFF;
    bitCount_ -= 8;
    return byte;
  }

  void StartTree() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq_[i] = 1;
      son_[i] = i + T;
      prnt_[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq_[j] = freq_[i] + freq_[i + 1];
      son_[j] = i;
      prnt_[i] = prnt_[i + 1] = j;
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  void Rebuild() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son_[i] >= T) {
        freq_[j] = (freq_[i] + 1) / 2;
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, ++j2) {
      const unsigned f = freq_[i] + freq_[i + 1];
      freq_[j2] = f;
      int k = j2 - 1;
      while (f < freq_[k]) --k;
      ++k;
      std::memmove(&freq_[k + 1], &freq_[k], (j2 - k) * sizeof freq_[0]);
      std::memmove(&son_[k + 1], &son_[k], (j2 - k) * sizeof son_[0]);
      freq_[k] = f;
      son_[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      if (k >= T) {
        prnt_[k] = i;
      } else {
        prnt_[k] = prnt_[k + 1] = i;
      }
    }
  }

  void Update(int s) {
    if (freq_[R] == MAX_FREQ) Rebuild();
    int c = prnt_[s + T];
    do {
      const unsigned k = ++freq_[c];
      if (k > freq_[c + 1]) {
        int l = c + 1;
        while (k > freq_[l + 1]) ++l;
        freq_[c] = freq_[l];
        freq_[l] = k;
        const int i = son_[c];
        prnt_[i] = l;
        if (i < T) prnt_[i + 1] = l;
        const int j = son_[l];
        son_[l] = i;
        prnt_[j] = c;
        if (j < T) prnt_[j + 1] = c;
        son_[c] = j;
        c = l;
      }
      c = prnt_[c];
    } while (c != 0);
  }

  int DecodeChar() {
    unsigned c = son_[R];
    while (c < T) c = son_[c + GetBit()];
    c -= T;
    Update(static_cast<int>(c));
    return static_cast<int>(c);
  }

  int DecodePosition() {
    unsigned i = static_cast<unsigned>(GetByte());
    const unsigned upper = static_cast<unsigned>(kPosition.code[i]) << 6;
    for (int j = kPosition.len[i] - 2; j > 0; --j) i = (i << 1) + static_cast<unsigned>(GetBit());
    return static_cast<int>(upper | (i & 0x3F));
  }

  const uint8_t* in_;
  size_t inSize_;
  size_t position_ = 0;
  unsigned bitBuffer_ = 0;
  int bitCount_ = 0;
  unsigned freq_[T + 1];
  unsigned son_[T];
  unsigned prnt_[T + N_CHAR];
  uint8_t text_[N + F - 1];
};

}  // namespace

std::vector<uint8_t> ClassicLzhExpand(std::span<const uint8_t> compressed) {
  if (compressed.size() < 4) return {};
  const int32_t size = static_cast<int32_t>(
      static_cast<uint32_t>(compressed[0]) | static_cast<uint32_t>(compressed[1]) << 8 |
      static_cast<uint32_t>(compressed[2]) << 16 | static_cast<uint32_t>(compressed[3]) << 24);
  TClassicDecoder decoder(compressed.data() + 4, compressed.size() - 4);
  return decoder.Run(size);
}
