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
  topStale_ = true;
}

void TLzhHuffman::BuildTop() {
  inTop_.fill(0);
  for (unsigned bits = 0; bits < top_.size(); ++bits) {
    TTopWalk& walk = top_[bits];
    walk.path.fill(0);
    int node = R;
    int depth = 0;
    for (;;) {
      inTop_[node] = 1;
      if (depth == kTopBits || son[node] >= T) break;
      node = son[node] + (bits >> (kTopBits - 1 - depth) & 1);
      walk.path[depth++] = static_cast<uint16_t>(node);
    }
    walk.child = son[node];
    walk.depth = static_cast<uint16_t>(depth);
  }
  topStale_ = false;
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

[[gnu::always_inline]] inline int TLzhHuffman::Swap(int c, unsigned k) {
  const int l = LastBelow(c, k);
  topStale_ |= (inTop_[c] | inTop_[l]) != 0;
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

// Until a node swaps, its parent is the path's next node up, so the climb
// waits on no parent link. After a swap the node's new place has a parent of
// its own and the climb goes on by the links; where it meets the path again
// varies too much for picking the path up there to pay.
void TLzhHuffman::UpdatePath(int depth) {
  for (int i = depth; i > 0; --i) {
    const int c = path[i];
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) [[unlikely]] {
      Climb(prnt[Swap(c, k)]);
      return;
    }
  }
  ++freq[R];
}

void TLzhHuffman::Update(int s) {
  if (NeedsRebuild()) Rebuild();
  Climb(prnt[s + T]);
}
