#include "tools/skinpack/LzhEncoder.h"

#include <array>
#include <cstddef>
#include <limits>
#include <memory>
#include <stdexcept>

#include "skin/read/LzhHuffman.h"
#include "skin/read/LzhTables.h"

using namespace lzh;

namespace {

// Writes bits most significant first; the last byte is padded with zeros,
// which is also what the decoder reads past the end.
class TBitWriter {
 public:
  explicit TBitWriter(std::vector<uint8_t>& out) : out_(out) {}

  void Put(uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      current_ = static_cast<uint8_t>(current_ << 1 | ((bits >> i) & 1));
      if (++used_ == 8) {
        out_.push_back(current_);
        current_ = 0;
        used_ = 0;
      }
    }
  }

  void Flush() {
    if (used_ > 0) out_.push_back(static_cast<uint8_t>(current_ << (8 - used_)));
    current_ = 0;
    used_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint8_t current_ = 0;
  int used_ = 0;
};

// LZSS with a binary search tree per first byte over the ring, finding the
// longest (and among those the nearest) earlier match for each position.
class TMatchFinder {
 public:
  static constexpr int NIL = N;

  TMatchFinder() {
    rson_.fill(NIL);
    dad_.fill(NIL);
  }

  std::array<uint8_t, N + F - 1> text{};
  int matchPosition = 0;
  int matchLength = 0;

  void InsertNode(int r) {
    int cmp = 1;
    const uint8_t* key = &text[r];
    int p = N + 1 + key[0];
    rson_[r] = lson_[r] = NIL;
    matchLength = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson_[p] == NIL) {
          rson_[p] = r;
          dad_[r] = p;
          return;
        }
        p = rson_[p];
      } else {
        if (lson_[p] == NIL) {
          lson_[p] = r;
          dad_[r] = p;
          return;
        }
        p = lson_[p];
      }
      int i = 1;
      for (; i < F; ++i) {
        cmp = key[i] - text[p + i];
        if (cmp != 0) break;
      }
      if (i > THRESHOLD) {
        const int position = ((r - p) & (N - 1)) - 1;
        if (i > matchLength) {
          matchPosition = position;
          matchLength = i;
          if (matchLength >= F) break;
        } else if (i == matchLength && position < matchPosition) {
          matchPosition = position;
        }
      }
    }
    // A full-length match: r takes p's place in the tree.
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = r;
    } else {
      lson_[dad_[p]] = r;
    }
    dad_[p] = NIL;
  }

  void DeleteNode(int p) {
    if (dad_[p] == NIL) return;
    int q;
    if (rson_[p] == NIL) {
      q = lson_[p];
    } else if (lson_[p] == NIL) {
      q = rson_[p];
    } else {
      q = lson_[p];
      if (rson_[q] != NIL) {
        do {
          q = rson_[q];
        } while (rson_[q] != NIL);
        rson_[dad_[q]] = lson_[q];
        dad_[lson_[q]] = dad_[q];
        lson_[q] = lson_[p];
        dad_[lson_[p]] = q;
      }
      rson_[q] = rson_[p];
      dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = q;
    } else {
      lson_[dad_[p]] = q;
    }
    dad_[p] = NIL;
  }

 private:
  // Nodes 0..N-1 are ring positions, N is NIL, N+1..N+256 the tree roots.
  std::array<int, N + 1> lson_{};
  std::array<int, N + 257> rson_{};
  std::array<int, N + 1> dad_{};
};

class TLzhEncoder {
 public:
  explicit TLzhEncoder(std::vector<uint8_t>& out) : bits_(out) {}

  void EncodeChar(int c) {
    // Collect the path from the leaf up, then send it from the root down.
    std::array<uint8_t, T> path{};
    int length = 0;
    for (int k = tree_.prnt[c + T]; k != R; k = tree_.prnt[k]) path[length++] = k & 1;
    while (length > 0) bits_.Put(path[--length], 1);
    tree_.Update(c);
  }

  void EncodePosition(int position) {
    const int upper = position >> 6;
    const int len = kPositionTables.p_len[upper];
    bits_.Put(kPositionTables.p_code[upper] >> (8 - len), len);
    bits_.Put(static_cast<uint32_t>(position & 0x3F), 6);
  }

  void Finish() { bits_.Flush(); }

 private:
  TBitWriter bits_;
  TLzhHuffman tree_;
};

}  // namespace

std::vector<uint8_t> LzhCompress(std::span<const uint8_t> input) {
  if (input.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::length_error("input too large for a 32-bit expanded size");
  }
  const auto size = static_cast<uint32_t>(input.size());
  std::vector<uint8_t> out = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                              static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  if (input.empty()) return out;

  auto finder = std::make_unique<TMatchFinder>();
  auto encoder = std::make_unique<TLzhEncoder>(out);
  std::array<uint8_t, N + F - 1>& text = finder->text;
  size_t next = 0;  // next input byte to read

  int s = 0;
  int r = RING_START;
  std::fill_n(text.begin(), r, uint8_t{' '});
  int len = 0;
  for (; len < F && next < input.size(); ++len) text[r + len] = input[next++];
  for (int i = 1; i <= F; ++i) finder->InsertNode(r - i);
  finder->InsertNode(r);

  do {
    if (finder->matchLength > len) finder->matchLength = len;
    int advance = 1;
    if (finder->matchLength <= THRESHOLD) {
      encoder->EncodeChar(text[r]);
    } else {
      advance = finder->matchLength;
      encoder->EncodeChar(255 - THRESHOLD + advance);
      encoder->EncodePosition(finder->matchPosition);
    }
    int i = 0;
    for (; i < advance && next < input.size(); ++i) {
      finder->DeleteNode(s);
      text[s] = input[next++];
      if (s < F - 1) text[s + N] = text[s];
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      finder->InsertNode(r);
    }
    for (; i < advance; ++i) {
      finder->DeleteNode(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len > 0) finder->InsertNode(r);
    }
  } while (len > 0);

  encoder->Finish();
  return out;
}
