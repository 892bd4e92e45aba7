#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The decoder as it was first published: a 16-bit bit register refilled a
// byte at a time, one bit per step down the Huffman tree, the whole path
// updated after every symbol, a 4096-byte ring between the symbols and the
// output. It is the yardstick our own decoder is measured and checked
// against, so it stays plain on purpose.
//
// `compressed` is a whole stream (4-byte size, then bits). Bytes past its end
// read as zero; the output is every byte of every symbol decoded while fewer
// than the declared size had been written.
std::vector<uint8_t> ClassicLzhExpand(std::span<const uint8_t> compressed);
