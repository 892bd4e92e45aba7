#include "skin/read/LzhHuffman.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// of equal counts are long among rare symbols, hence several counts a step:
// a scan that ends in its first step leaves its loop the way it was guessed.
int TLzhHuffman::LastBelow(int c, unsigned k) const {
  int l = c + 1;
#if defined(__SSE2__)
  const __m128i kk = _mm_set1_epi16(static_cast<short>(k));
  for (;;) {
    const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[l + 1]));
    // k - f, clamped at zero, is zero exactly where f >= k.
    const __m128i atLeast = _mm_cmpeq_epi16(_mm_subs_epu16(kk, eight), _mm_setzero_si128());
    const unsigned lanes = static_cast<unsigned>(_mm_movemask_epi8(atLeast));
    if (lanes != 0) return l + std::countr_zero(lanes) / 2;
    l += 8;
  }
#else
  while (freq[l + 1] < k) ++l;
  return l;
#endif
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
      if (marks[c] >> kLevelBits == mark) break;
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
  // The level that bit 0 of `ties` stands for.
  int bottom = depth - 1;
  int level = bottom - std::countr_zero(ties);
  int at = leaf;
  for (int i = depth - 1; i > level; --i) at = prnt[at];
  for (;;) {
    // The early counts still to take back start here and go up.
    int back = prnt[at];
    int c = prnt[Swap(at, freq[at])];
    // The tied node and the one it traded places with almost always sit
    // equally deep, so one early count is taken back for each node of the
    // climb: one loop to leave instead of two.
    for (;;) {
      // Where the two meet, usually; that is known as soon as the parent
      // links are, without waiting on the marks.
      if ((c == back) & (c != R)) break;
      if (c == 0) {
        // Through the root: no early count above the tie was right.
        for (; back != R; back = prnt[back]) --freq[back];
        return;
      }
      if (marks[c] >> kLevelBits == mark) [[unlikely]]
        break;
      const unsigned k = ++freq[c];
      int last = c;
      if (k > freq[c + 1]) last = LastBelow(c, k);
      const int stop = last + 1;
      // A path node taken back already reads right but is caught here all
      // the same; the careful way is right either way.
      if (marks[stop] >> kLevelBits == mark && freq[stop] == k) [[unlikely]] {
        --freq[c];
        for (; back != R; back = prnt[back]) --freq[back];
        return ClimbToPath(c);
      }
      if (last != c) c = SwapWith(c, last, k);
      c = prnt[c];
      if (back != R) {
        --freq[back];
        back = prnt[back];
      }
    }
    const int rejoin = LevelOf(c);
    if (back != c) [[unlikely]] {
      const int backLevel = back == R ? -1 : LevelOf(back);
      if (backLevel > rejoin) {
        for (; back != c; back = prnt[back]) --freq[back];
      } else {
        // Taken back too far: c and the nodes above it up to `back` count.
        for (int p = c; p != back; p = prnt[p]) ++freq[p];
      }
    }
    // The ties at the rejoining node and above it.
    ties >>= bottom - rejoin;
    bottom = rejoin;
    if (ties == 0) {
      ++freq[R];
      return;
    }
    level = bottom - std::countr_zero(ties);
    at = c;
    for (int i = rejoin; i > level; --i) at = prnt[at];
  }
}
