// The colours a skin description gives: the slot table of [Colours] with its
// given-flags, the colours of the COLOUR... sections and [Customcolors].
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/graphics/Colors.h"

class TQuickIni;

enum TSkinColourSlot : int {
  scWindowText = 0,
  scTitleTextActive = 1,
  scTitleTextNoActive = 2,
  scButtonFace = 3,
  scButtonText = 4,
  scButtonHilight = 5,
  scButtonlight = 6,
  scButtonShadow = 7,
  scButtonDkShadow = 8,
  // 9 and 10 are not read and stay 0.
  scHilightText = 11,
  scHilight = 12,
  scMenubar = 13,
  scMenuBarText = 14,
  scMenuText = 15,
  scMenu = 16,
  scCaptionSample = 17,  // derived from the Top border image
  scScrollbar = 18,
};

inline constexpr int kSkinColourCount = 19;
inline constexpr int kCustomColourCount = 10;

struct TSkinColourTable {
  std::array<TColor, kSkinColourCount> Colours{};
  std::array<bool, kSkinColourCount> Given{};  // the skin set the slot itself
  std::vector<TColor> SectionColours;          // one per COLOUR... section, in order
  std::array<TColor, kCustomColourCount> CustomColours{};
};

// Replaces the whole table with what the description gives. Slots the skin
// leaves out hold system colour references, resolved when they are used.
void ReadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections,
                     TSkinColourTable& table);

// The keys of [Colours], in reading order.
std::vector<std::string_view> SkinColourSlotKeys();
