// System colours where there is no system to ask (host builds, fuzzing): the
// standard scheme of Windows 7, so portable colour arithmetic stays testable.
#include <array>

#include "toolkit/graphics/Colors.h"

namespace {

constexpr std::array<TColor, sciSystemColorCount> kDefaultScheme = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

}  // namespace

TColor ColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  const int index = color & 0xFF;
  return index < sciSystemColorCount ? kDefaultScheme[index] : clBlack;
}
