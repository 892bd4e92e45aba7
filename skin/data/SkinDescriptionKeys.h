// The sections and keys of a skin description, with their defaults and the
// ranges the engine keeps as given. The readers take names and defaults from
// here, so what a skin author is told is known is what the engine reads.
#pragma once

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class TQuickIni;

enum class TSkinKeyKind : std::uint8_t { Integer, Image, Colour, Text };

struct TSkinKey {
  std::string_view Name;
  TSkinKeyKind Kind = TSkinKeyKind::Integer;
  std::int32_t Default = 0;
  // Outside [Low, High] the engine does not use the value as written.
  std::int32_t Low = INT32_MIN;
  std::int32_t High = INT32_MAX;
};

namespace skinkey {
using K = TSkinKeyKind;
// Keys of the element sections.
inline constexpr TSkinKey Image{"Image", K::Image};
inline constexpr TSkinKey Bitmap{"Bitmap", K::Image};
inline constexpr TSkinKey Style{"Style"};
inline constexpr TSkinKey LeftWidth{"LeftWidth", K::Integer, 0, 0};
inline constexpr TSkinKey RightWidth{"RightWidth", K::Integer, 0, 0};
inline constexpr TSkinKey TopHeight{"TopHeight", K::Integer, 0, 0};
inline constexpr TSkinKey BottomHeight{"BottomHeight", K::Integer, 0, 0};
inline constexpr TSkinKey Frame{"Frame", K::Integer, 0, 0};
inline constexpr TSkinKey Trans{"Trans"};
inline constexpr TSkinKey Tile{"Tile", K::Integer, 0, INT32_MIN, 1};
inline constexpr TSkinKey NormalColour{"NormalColour", K::Integer, -1};
inline constexpr TSkinKey MouseOverColour{"MouseOverColour", K::Integer, -1};
inline constexpr TSkinKey PressedColour{"PressedColour", K::Integer, -1};
inline constexpr TSkinKey NormalColour2{"NormalColour2", K::Colour};
inline constexpr TSkinKey MouseOverColour2{"MouseOverColour2", K::Colour};
inline constexpr TSkinKey PressedColour2{"PressedColour2", K::Colour};
// Section-specific element keys.
inline constexpr TSkinKey BackgroundAlignment{"BackgroundAlignment"};
inline constexpr TSkinKey BackgroundLeftShift{"BackgroundLeftShift"};
inline constexpr TSkinKey BackgroundRightShift{"BackgroundRightShift"};
inline constexpr TSkinKey TabBorder{"Border", K::Image};
inline constexpr TSkinKey GlyphImage{"GlyphImage", K::Image};
inline constexpr TSkinKey FrameCount{"FrameCount", K::Integer, 3, 1};
// [Buttons]: push buttons, check boxes and radio buttons.
inline constexpr TSkinKey CheckButton{"CheckButton", K::Image};
inline constexpr TSkinKey RadioButton{"RadioButton", K::Image};
inline constexpr TSkinKey CheckButtonFrame{"CheckButtonFrame", K::Integer, 0, 0};
inline constexpr TSkinKey RadioButtonFrame{"RadioButtonFrame", K::Integer, 0, 0};
// Border pieces of [Personality]: the piece's name, then these suffixes.
inline constexpr TSkinKey BorderLead{"TopHeight", K::Integer, 0, 0};
inline constexpr TSkinKey BorderTrail{"BotHeight", K::Integer, 0, 0};
inline constexpr TSkinKey BorderFrame{"Frame", K::Integer, 1, 1};
inline constexpr TSkinKey BorderStretch{"Stretch", K::Integer, 1, INT32_MIN, 1};
inline constexpr TSkinKey BorderTrans{"Trans", K::Integer, 1};
// Caption text of [Personality].
inline constexpr TSkinKey TextBack{"TextBack", K::Image};
inline constexpr TSkinKey TextShift{"TextShift"};
inline constexpr TSkinKey TextShiftVert{"TextShiftVert"};
inline constexpr TSkinKey TextRightClip{"TextRightClip"};
inline constexpr TSkinKey TextAlignment{"TextAlignment"};
inline constexpr TSkinKey Textbackground{"Textbackground"};
inline constexpr TSkinKey TXTBackleft{"TXTBackleft"};
inline constexpr TSkinKey TXTBackRight{"TXTBackRight"};
// A caption text colour is three keys: this name then R, G and B.
inline constexpr TSkinKey TextChannel{"", K::Integer, -1, -1, 255};
inline constexpr std::string_view ActiveText = "ActiveText";
inline constexpr std::string_view InActiveText = "InActiveText";
// The menu bar of [Personality].
inline constexpr TSkinKey MenuBar{"menuBar", K::Image};
inline constexpr TSkinKey TileMenu{"TileMenu", K::Integer, 1, INT32_MIN, 1};
inline constexpr TSkinKey TileLeftMenu{"TileLeftMenu", K::Integer, 1, 0};
inline constexpr TSkinKey TileRightMenu{"TileRightMenu", K::Integer, 1, 0};
// [Fonts].
inline constexpr TSkinKey FontHeight{"FontHeight", K::Integer, 14};
// Caption button sections (BUTTON...).
inline constexpr TSkinKey Action{"Action"};
inline constexpr TSkinKey Align{"Align"};
inline constexpr TSkinKey Xcoord{"Xcoord"};
inline constexpr TSkinKey Ycoord{"Ycoord"};
inline constexpr TSkinKey Visibility{"Visibility"};
inline constexpr TSkinKey Visibility1{"Visibility1"};  // default -1 for Action -1
inline constexpr TSkinKey CombineOp{"CombineOp", K::Integer, -1};
inline constexpr TSkinKey ButtonFrame{"frame", K::Integer, 0, 0};
inline constexpr TSkinKey ButtonImage{"ButtonImage", K::Image};
// COLOUR... sections and [Customcolors] (Color0 to Color9).
inline constexpr TSkinKey SectionColour{"color", K::Colour};
inline constexpr std::string_view CustomColourPrefix = "Color";
// [Skin]: the skin's own name and version, for the tools that show it.
inline constexpr TSkinKey SkinName{"Name", K::Text};
inline constexpr TSkinKey SkinVersion{"Version", K::Text};
}  // namespace skinkey

inline constexpr std::string_view kPersonalitySection = "Personality";
inline constexpr std::string_view kPushButtonSection = "Buttons";
inline constexpr std::string_view kFontsSection = "Fonts";
inline constexpr std::string_view kColoursSection = "Colours";
inline constexpr std::string_view kCustomColoursSection = "Customcolors";
inline constexpr std::string_view kSkinInfoSection = "Skin";

// Frames of the images that are drawn with a fixed count: push buttons, the
// caption text strip and the menu bar (stacked, active above inactive).
inline constexpr int kPushButtonFrames = 5;
inline constexpr int kCaptionTextFrames = 2;
inline constexpr int kMenuBarFrames = 2;
inline constexpr std::string_view kBorderPieces[] = {"Left", "Right", "Top", "Bottom"};

// How an element section reads and how many frames its image is drawn with.
enum class TSkinFrameRule : std::uint8_t {
  FromFrame,      // the Frame key, at least 1
  Fixed,          // FixedFrames whatever the skin says
  ProgressStyle,  // 2, or 1 with a Style other than 0
  FrameOrFive,    // the Frame key; 0 or none gives 5
  FromFrameCount  // the FrameCount key, at least 1
};

struct TSkinElementSection {
  std::string_view Name;
  const TSkinKey* ImageKey = &skinkey::Image;
  bool ReadsFrame = true;  // the Frame key is read into the record
  bool Colours = true;     // the six colour keys are read
  int TileAbove1 = 0;      // what a Tile above 1 becomes
  TSkinFrameRule Frames = TSkinFrameRule::FromFrame;
  int FixedFrames = 0;
  int MarginCap = INT32_MAX;  // margins above it are cut to it
  std::span<const TSkinKey> Extra = {};
  bool OnlyImage = false;  // the image key is all the section reads
};

// The element section of that name (ASCII case ignored), or null.
const TSkinElementSection* FindSkinElementSection(std::string_view name);
// The same for a name the engine itself uses: throws std::logic_error when
// the table lacks it.
const TSkinElementSection& SkinElementSection(std::string_view name);
std::span<const TSkinElementSection> SkinElementSections();

// Keys every element section may give; the colour keys are the last six.
std::span<const TSkinKey> SkinElementKeys();
// Keys of [Buttons], of a caption button section, of [Skin].
std::span<const TSkinKey> SkinPushButtonKeys();
std::span<const TSkinKey> SkinCaptionButtonKeys();
std::span<const TSkinKey> SkinInfoKeys();
// The border suffixes, and the other keys of [Personality].
std::span<const TSkinKey> SkinBorderKeys();
std::span<const TSkinKey> SkinPersonalityKeys();

// Whether a section of that upper-cased name is a caption button section or
// a COLOUR... section.
bool IsCaptionButtonSectionName(std::string_view upper);
bool IsColourSectionName(std::string_view upper);

// Frames the engine draws an element section's image with.
int SkinElementFrames(const TSkinElementSection& section, const TQuickIni& ini);

// What a Tile value becomes in a section whose values above 1 become above1.
constexpr int CapSkinTile(int tile, int above1) { return tile > 1 ? above1 : tile; }

// The key of custom colour n of [Customcolors].
std::string CustomColourKey(int n);
