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

  // The decoder's walk leaves the nodes it chose here: path[1] is the root's
  // child, path[depth] the leaf. The root never swaps, so it is not kept.
  // No walk is deeper than the tree has inner nodes.
  std::array<uint16_t, lzh::T> path{};
  // The same update as Update() for the symbol at the end of the path. Up to
  // the first swap the path is known, so the climb needs no parent link.
  void UpdatePath(int depth);

  bool NeedsRebuild() const { return freq[lzh::R] == lzh::MAX_FREQ; }

  // The walk's first kTopBits steps, looked up by its next kTopBits bits:
  // the nodes chosen (as many as `depth`, fewer where a leaf comes first) and
  // the son of the last of them. Swaps near the root are rare, so the table
  // seldom has to be built again.
  static constexpr int kTopBits = 4;
  struct TTopWalk {
    std::array<uint16_t, kTopBits> path;
    uint16_t child;
    uint16_t depth;
  };
  const TTopWalk& TopWalk(uint64_t bits) {
    if (topStale_) BuildTop();
    return top_[bits >> (64 - kTopBits)];
  }

  // freq[T] is a sentinel that stops the upward searches; seven more copies
  // of it let the search read eight counts at a time.
  std::array<uint16_t, lzh::T + 8> freq{};
  // son[i] >= T: node i is the leaf of symbol son[i] - T; otherwise its
  // children are son[i] and son[i] + 1.
  std::array<uint16_t, lzh::T> son{};
  // prnt[i], i < T: parent of node i; prnt[T + s]: leaf node of symbol s.
  // One more slot takes the second child's link of a leaf, which has none,
  // so that a swap needs no branch for it.
  std::array<uint16_t, lzh::T + lzh::N_CHAR + 1> prnt{};

 private:
  void BuildTop();

  std::array<TTopWalk, 1 << kTopBits> top_{};
  // Nodes whose sons the table has read: a swap of one makes it stale.
  std::array<uint8_t, lzh::T> inTop_{};
  bool topStale_ = true;

  void Rebuild();
  // Node c has just counted up to k and passed its right neighbour: it trades
  // places with the last node still below k. Returns where it went.
  int Swap(int c, unsigned k);
  // The last node after c whose count is below k.
  int LastBelow(int c, unsigned k) const;
  // Counts c and every node above it.
  void Climb(int c);
};
