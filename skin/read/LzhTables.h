#pragma once

#include <array>
#include <cstdint>

// Constants and position tables shared by the decoder and the skin packer's
// encoder, so both sides can never disagree about them.
namespace lzh {

inline constexpr int N = 4096;                      // ring buffer size
inline constexpr int F = 60;                        // longest match
inline constexpr int THRESHOLD = 2;                 // shorter matches are sent as literals
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
inline constexpr int T = N_CHAR * 2 - 1;            // nodes of the Huffman tree
inline constexpr int R = T - 1;                     // root
inline constexpr unsigned MAX_FREQ = 0x8000;        // root count that halves the tree
inline constexpr int RING_START = N - F;            // first write position

struct TPositionTables {
  // Indexed by the first byte of a position code: its upper 6 bits and its
  // total length in bits.
  std::array<uint8_t, 256> d_code{};
  std::array<uint8_t, 256> d_len{};
  // Indexed by the upper 6 bits: the leading bits to send and how many.
  std::array<uint8_t, 64> p_code{};
  std::array<uint8_t, 64> p_len{};
};

// Shorter codes for the upper bits of near positions: each group lists how
// many code values it has, how many first bytes each covers, and their length.
constexpr TPositionTables MakePositionTables() {
  struct Group {
    int codes, bytesEach, len;
  };
  constexpr Group groups[] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5},
                              {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
  TPositionTables t;
  int b = 0;
  int code = 0;
  for (const Group& g : groups) {
    for (int c = 0; c < g.codes; ++c, ++code) {
      t.p_code[code] = static_cast<uint8_t>(b);
      t.p_len[code] = static_cast<uint8_t>(g.len);
      for (int k = 0; k < g.bytesEach; ++k, ++b) {
        t.d_code[b] = static_cast<uint8_t>(code);
        t.d_len[b] = static_cast<uint8_t>(g.len);
      }
    }
  }
  return t;
}

inline constexpr TPositionTables kPositionTables = MakePositionTables();

}  // namespace lzh
