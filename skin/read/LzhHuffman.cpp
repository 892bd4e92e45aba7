#include "skin/read/LzhHuffman.h"

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
  freq[T] = 0xFFFF;
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
    freq[j] = static_cast<uint16_t>(f);
    int k = j - 1;
    while (k >= 0 && f < freq[k]) --k;
    ++k;
    for (int m = j; m > k; --m) {
      freq[m] = freq[m - 1];
      son[m] = son[m - 1];
    }
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

void TLzhHuffman::Update(int s) {
  if (freq[R] == MAX_FREQ) Rebuild();
  int c = prnt[s + T];
  do {
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) {
      int l = c + 1;
      while (freq[l + 1] < k) ++l;
      freq[c] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      const int i = son[c];
      prnt[i] = static_cast<uint16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<uint16_t>(l);

      const int j = son[l];
      son[l] = static_cast<uint16_t>(i);
      prnt[j] = static_cast<uint16_t>(c);
      if (j < T) prnt[j + 1] = static_cast<uint16_t>(c);
      son[c] = static_cast<uint16_t>(j);
      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}
