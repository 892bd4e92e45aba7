#include "skin/read/LzhHuffman.h"

#include <algorithm>
#include <bit>
#include <cstring>

using namespace lzh;

TLzhHuffman::TLzhHuffman() {
  for (int s = 0; s < N_CHAR; ++s) {
    freq[s] = 1;
    son[s] = static_cast<uint16_t>(s + T);
    prnt[s + T] = static_cast<uint16_t>(s);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<uint16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<uint16_t>(j);
  }
  std::fill(freq.begin() + T, freq.end(), uint16_t{0xFFFF});
  prnt[R] = 0;
}

// Halves every leaf count and builds the inner nodes again; counts stay in
// ascending order, which the update relies on.
void TLzhHuffman::Rebuild() {
  int leaves = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[leaves] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[leaves] = son[i];
      ++leaves;
    }
  }
  for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
    const unsigned f = freq[i] + freq[i + 1];
    int k = j - 1;
    while (k >= 0 && f < freq[k]) --k;
    ++k;
    std::copy_backward(freq.begin() + k, freq.begin() + j, freq.begin() + j + 1);
    std::copy_backward(son.begin() + k, son.begin() + j, son.begin() + j + 1);
    freq[k] = static_cast<uint16_t>(f);
    son[k] = static_cast<uint16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T) {
      prnt[k] = static_cast<uint16_t>(i);
    } else {
      prnt[k] = prnt[k + 1] = static_cast<uint16_t>(i);
    }
  }
}

namespace {

constexpr int kNoSecondChild = T + N_CHAR;

// Where the link of a node's second child goes: leaves have none.
int SecondChild(int son) { return son < T ? son + 1 : kNoSecondChild; }

}  // namespace

// The counts ascend, so the nodes still below k after c form one run; runs
// of equal counts are long among rare symbols, hence four counts a step.
// A count being raised is at most 0x7FFF (the root is halved at 0x8000
// before any count moves), so every count looked at is below 0x8000 or the
// 0xFFFF sentinel, which the lane arithmetic below relies on.
int TLzhHuffman::LastBelow(int c, unsigned k) const {
  int l = c + 1;
  if constexpr (std::endian::native != std::endian::little) {
    while (freq[l + 1] < k) ++l;
    return l;
  }
  const uint64_t high = 0x8000800080008000u;
  const uint64_t kk = 0x0001000100010001u * k;
  for (;;) {
    uint64_t four;
    std::memcpy(&four, &freq[l + 1], sizeof four);
    // Lane by lane, (f | high) - k keeps its high bit exactly when f >= k.
    const uint64_t atLeast = ((four | high) - kk) & high;
    if (atLeast != 0) return l + std::countr_zero(atLeast) / 16;
    l += 4;
  }
}

int TLzhHuffman::Swap(int c, unsigned k) {
  const int l = LastBelow(c, k);
  freq[c] = freq[l];
  freq[l] = static_cast<uint16_t>(k);

  const int i = son[c];
  prnt[i] = static_cast<uint16_t>(l);
  prnt[SecondChild(i)] = static_cast<uint16_t>(l);

  const int j = son[l];
  son[l] = static_cast<uint16_t>(i);
  prnt[j] = static_cast<uint16_t>(c);
  prnt[SecondChild(j)] = static_cast<uint16_t>(c);
  son[c] = static_cast<uint16_t>(j);
  return l;
}

void TLzhHuffman::Climb(int c) {
  do {
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) c = Swap(c, k);
    c = prnt[c];
  } while (c != 0);
}

void TLzhHuffman::Update(int s) {
  if (NeedsRebuild()) Rebuild();
  Climb(prnt[s + T]);
}

void TLzhHuffman::Uncount(int node) {
  for (int c = node; c != R; c = prnt[c]) --freq[c];
}

// The nodes above the tie are taken back and marked. A climb that has left
// the path after a swap finds out from the marks when it meets the path
// again. From there the path's parent links still hold: a swap never moves
// an ancestor of the node being counted, since every ancestor counts more.
void TLzhHuffman::SwapAndClimb(int tie) {
  const uint64_t mark = ++walk;
  for (int c = prnt[tie]; c != R; c = prnt[c]) {
    --freq[c];
    marks[c] = mark;
  }
  int at = tie;
  for (;;) {
    int c = prnt[Swap(at, freq[at])];
    for (;;) {
      // Past the root: done. Node 0 is a leaf, so this never hides a mark.
      if (c == 0) return;
      if (marks[c] == mark) break;
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) c = Swap(c, k);
      c = prnt[c];
    }
    // Back on the path, whose nodes are not counted yet.
    for (;;) {
      if (c == R) {
        // The root never swaps: freq[T] is above any count.
        ++freq[R];
        return;
      }
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) break;
      c = prnt[c];
    }
    at = c;
  }
}
