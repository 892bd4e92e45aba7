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

  // The decoder's walk counts each node it chooses on the way down, before
  // the update would, and marks it: marks[node] = walk << kLevelBits | its
  // level for walk number `walk`, the root's children at level 0. No walk
  // is deeper than the tree has inner nodes, far below 1 << kLevelBits.
  static constexpr int kLevelBits = 16;
  std::array<uint64_t, lzh::T + 1> marks{};
  uint64_t walk = 0;

  // The rest of the update after a walk of `depth` nodes down to `leaf` that
  // met ties: bit i of `ties` says that the node at level depth - 1 - i
  // tied its right neighbour before it was counted. A walk that met ties
  // is no deeper than 64.
  void FinishWalk(int leaf, int depth, uint64_t ties);

  // Takes back the counts of a walk from the root down to `node`.
  void Uncount(int node);

  bool NeedsRebuild() const { return freq[lzh::R] == lzh::MAX_FREQ; }

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
  void Rebuild();
  // The level of a node on the latest walk.
  int LevelOf(int node) const {
    return static_cast<int>(marks[node] & ((uint64_t{1} << kLevelBits) - 1));
  }
  // Node c has just counted up to k and passed its right neighbour: it trades
  // places with the last node still below k. Returns where it went.
  int Swap(int c, unsigned k);
  // The same with l, the last node below k, already found.
  int SwapWith(int c, int l, unsigned k);
  // The last node after c whose count is below k.
  int LastBelow(int c, unsigned k) const;
  // Counts c and every node above it, from where the path is no longer known.
  void Climb(int c);
  // Counts c, off the walk's path, and every node above it; the path's nodes
  // above the last swap are not counted yet.
  void ClimbToPath(int c);
};
