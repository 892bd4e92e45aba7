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

int TLzhHuffman::Swap(int c, unsigned k) { return SwapWith(c, LastBelow(c, k), k); }

int TLzhHuffman::SwapWith(int c, int l, unsigned k) {
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

// A climb off the path, from a node that is not counted yet, with every node
// of the path above the last swap not counted yet either. It finds out from
// the marks when it meets the path again. From there the path's parent links
// still hold: a swap never moves an ancestor of the node being counted, since
// every ancestor counts more.
void TLzhHuffman::ClimbToPath(int c) {
  const uint64_t mark = walk;
  for (;;) {
    for (;;) {
      // Past the root: done. Node 0 is a leaf, so this never hides a mark.
      if (c == 0) return;
      if (marks[c] >> 8 == mark) break;
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
    c = prnt[Swap(c, freq[c])];
  }
}

// The walk counted the whole path early. Below the deepest tie that is right.
// The tied node swaps, and the climb from its new place meets the path again
// at some node q: the early counts between q and the tie are taken back, and
// from q up they are right, as are the ties the walk saw there, since nothing
// below q counts as much as q's ancestors or their right neighbours. So the
// climb goes on from the next tie above q, if there is one.
//
// While it is off the path, the climb sees the early counts of the path's
// nodes between q and the tie. Those only matter where a node's right
// neighbour, or the end of the run a swap looks for, is such a node whose
// count is one too high; then the early counts above the tie are taken back
// and the climb goes on the careful way.
void TLzhHuffman::FinishWalk(int leaf, int depth, uint64_t ties) {
  const uint64_t mark = walk;
  int level = 63 - std::countl_zero(ties);
  int at = leaf;
  for (int i = depth - 1; i > level; --i) at = prnt[at];
  for (;;) {
    const int up = prnt[at];
    int c = prnt[Swap(at, freq[at])];
    for (;;) {
      if (c == 0) {
        // Through the root: no early count above the tie was right.
        for (int p = up; p != R; p = prnt[p]) --freq[p];
        return;
      }
      if (marks[c] >> 8 == mark) break;
      const unsigned k = ++freq[c];
      int last = c;
      if (k > freq[c + 1]) last = LastBelow(c, k);
      const int stop = last + 1;
      if (marks[stop] >> 8 == mark && freq[stop] == k) [[unlikely]] {
        --freq[c];
        for (int p = up; p != R; p = prnt[p]) --freq[p];
        return ClimbToPath(c);
      }
      if (last != c) c = SwapWith(c, last, k);
      c = prnt[c];
    }
    for (int p = up; p != c; p = prnt[p]) --freq[p];
    const int rejoin = static_cast<int>(marks[c] & 0xFF);
    const uint64_t above = ties & ((uint64_t{2} << rejoin) - 1);
    if (above == 0) {
      ++freq[R];
      return;
    }
    level = 63 - std::countl_zero(above);
    at = c;
    for (int i = rejoin; i > level; --i) at = prnt[at];
  }
}
