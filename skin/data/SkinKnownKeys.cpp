#include <array>

#include "skin/data/SkinColourTable.h"
#include "skin/data/SkinFindingContext.h"
#include "skin/data/SkinText.h"

namespace {

using namespace skinkey;

void AddKeys(std::vector<TKnownSkinKey>& keys, std::span<const TSkinKey> more) {
  for (const TSkinKey& key : more) keys.push_back({std::string(key.Name), key});
}

std::vector<TKnownSkinKey> PersonalityKeys() {
  std::vector<TKnownSkinKey> keys;
  for (const std::string_view piece : kBorderPieces) {
    keys.push_back({std::string(piece), TSkinKey{.Name = piece, .Kind = TSkinKeyKind::Image}});
    for (const TSkinKey& suffix : SkinBorderKeys())
      keys.push_back({std::string(piece) + std::string(suffix.Name), suffix});
  }
  AddKeys(keys, SkinPersonalityKeys());
  for (const std::string_view colour : {ActiveText, InActiveText})
    for (const char channel : {'R', 'G', 'B'})
      keys.push_back({std::string(colour) + channel, TextChannel});
  return keys;
}

// An element section's keys: its own image key, the shared keys but the
// other image key and, where it reads them, the colours.
std::vector<TKnownSkinKey> ElementKeys(const TSkinElementSection& section) {
  std::vector<TKnownSkinKey> keys;
  AddKeys(keys, std::span(section.ImageKey, 1));
  if (section.OnlyImage) return keys;
  const std::span<const TSkinKey> shared = SkinElementKeys();
  for (const TSkinKey& key : section.Colours ? shared : shared.first(shared.size() - 6))
    if (key.Kind != TSkinKeyKind::Image) keys.push_back({std::string(key.Name), key});
  AddKeys(keys, section.Extra);
  return keys;
}

std::vector<TKnownSkinKey> ColourKeys(std::string_view upper) {
  std::vector<TKnownSkinKey> keys;
  if (SkinSameName(upper, kColoursSection)) {
    for (const std::string_view name : SkinColourSlotKeys())
      keys.push_back({std::string(name), TSkinKey{.Name = name, .Kind = TSkinKeyKind::Colour}});
  } else if (SkinSameName(upper, kCustomColoursSection)) {
    for (int n = 0; n < kCustomColourCount; ++n)
      keys.push_back({CustomColourKey(n), TSkinKey{.Name = "", .Kind = TSkinKeyKind::Colour}});
  } else {
    AddKeys(keys, std::span(&SectionColour, 1));
  }
  return keys;
}

}  // namespace

std::optional<std::vector<TKnownSkinKey>> KnownSkinKeys(std::string_view section) {
  const std::string upper = SkinUpperCase(section);
  std::vector<TKnownSkinKey> keys;
  if (const TSkinElementSection* element = FindSkinElementSection(section))
    return ElementKeys(*element);
  if (SkinSameName(upper, kPersonalitySection)) return PersonalityKeys();
  if (SkinSameName(upper, kFontsSection)) {
    AddKeys(keys, std::span(&FontHeight, 1));
  } else if (SkinSameName(upper, kPushButtonSection)) {
    AddKeys(keys, SkinPushButtonKeys());
  } else if (SkinSameName(upper, kSkinInfoSection)) {
    AddKeys(keys, SkinInfoKeys());
  } else if (IsCaptionButtonSectionName(upper)) {
    AddKeys(keys, SkinCaptionButtonKeys());
  } else if (SkinSameName(upper, kColoursSection) || SkinSameName(upper, kCustomColoursSection) ||
             IsColourSectionName(upper)) {
    return ColourKeys(upper);
  } else {
    return std::nullopt;
  }
  return keys;
}
