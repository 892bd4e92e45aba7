#pragma once

#include <array>
#include <cstdint>

#include "skin/read/LzhTables.h"

// The adaptive Huffman model of literals and match lengths. The decoder walks
// it from the root, the encoder from the leaves; both update it the same way
// after every symbol.
class TLzhHuffman {
 public:
  TLzhHuffman();

  // Counts one more occurrence of symbol s and restores the sibling order.
  void Update(int s);

  // freq[T] is a sentinel that stops the upward searches.
  std::array<uint16_t, lzh::T + 1> freq{};
  // son[i] >= T: node i is the leaf of symbol son[i] - T; otherwise its
  // children are son[i] and son[i] + 1.
  std::array<uint16_t, lzh::T> son{};
  // prnt[i], i < T: parent of node i; prnt[T + s]: leaf node of symbol s.
  std::array<uint16_t, lzh::T + lzh::N_CHAR> prnt{};

 private:
  void Rebuild();
};
