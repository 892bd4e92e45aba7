#include "skin/data/SkinDescriptionKeys.h"

#include <array>
#include <stdexcept>

#include "skin/data/SkinFrameRules.h"
#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"

namespace {

using namespace skinkey;
using TRule = TSkinFrameRule;

constexpr TSkinKey kElementKeys[] = {
    Image,         Bitmap,          Style,         LeftWidth,     RightWidth,
    TopHeight,     BottomHeight,    Frame,         Trans,         Tile,
    NormalColour,  MouseOverColour, PressedColour, NormalColour2, MouseOverColour2,
    PressedColour2};
constexpr TSkinKey kGroupBoxKeys[] = {BackgroundAlignment, BackgroundLeftShift,
                                      BackgroundRightShift};
constexpr TSkinKey kTabsKeys[] = {TabBorder};
constexpr TSkinKey kUpDownKeys[] = {GlyphImage};
constexpr TSkinKey kThumbKeys[] = {FrameCount};

constexpr TSkinElementSection Fixed(std::string_view name, int frames) {
  return {.Name = name, .Frames = TRule::Fixed, .FixedFrames = frames};
}
constexpr TSkinElementSection FixedUnread(std::string_view name, int frames,
                                          std::span<const TSkinKey> extra = {}) {
  return {.Name = name,
          .ReadsFrame = false,
          .Frames = TRule::Fixed,
          .FixedFrames = frames,
          .Extra = extra};
}

// In the order the engine reads them.
const TSkinElementSection kElementSections[] = {
    {.Name = "Progress",
     .ImageKey = &Bitmap,
     .ReadsFrame = false,
     .Colours = false,
     .TileAbove1 = 1,
     .Frames = TRule::ProgressStyle},
    {.Name = "Progress.Chunk"},
    Fixed("GroupBoxEdge", 2),
    FixedUnread("GroupBox", 1, kGroupBoxKeys),
    FixedUnread("Tabs", 5, kTabsKeys),
    Fixed("StatusBarEdges", 3),
    {.Name = "Tab.Pane", .Frames = TRule::Fixed, .FixedFrames = 1, .MarginCap = 4},
    Fixed("ToolBars", 5),
    FixedUnread("ComboButton", 4),
    Fixed("SunkEdge", 4),
    Fixed("ExtraImages", 5),
    {.Name = "Headerbar", .Frames = TRule::FrameOrFive},
    Fixed("MenuItem", 5),
    Fixed("MenuBackground", 1),
    Fixed("Scrollbar", 23),
    Fixed("HorzScroll", 4),
    Fixed("VertScroll", 4),
    {.Name = "HorzScrollThumb", .Frames = TRule::FromFrameCount, .Extra = kThumbKeys},
    {.Name = "VertScrollThumb", .Frames = TRule::FromFrameCount, .Extra = kThumbKeys},
    Fixed("Trackbar.ThumbHorz", 5),
    Fixed("Trackbar.ThumbVert", 5),
    Fixed("Trackbar.ThumbLeft", 5),
    Fixed("Trackbar.ThumbRight", 5),
    Fixed("Trackbar.ThumbUp", 5),
    Fixed("Trackbar.ThumbDown", 5),
    FixedUnread("UpDown.Horz", 8, kUpDownKeys),
    FixedUnread("UpDown.Vert", 8, kUpDownKeys),
    {.Name = "Track"},
    {.Name = "TRACKVERT"},
    // Twelve cells, four for each MDI child button.
    {.Name = "MDICONTROLS",
     .ReadsFrame = false,
     .Colours = false,
     .Frames = TRule::Fixed,
     .FixedFrames = 12,
     .OnlyImage = true},
};

constexpr TSkinKey kPushButtonKeys[] = {
    Bitmap,
    CheckButton,
    RadioButton,
    LeftWidth,
    RightWidth,
    TopHeight,
    BottomHeight,
    Trans,
    Tile,
    NormalColour,
    MouseOverColour,
    PressedColour,
    RadioButtonFrame,
    CheckButtonFrame,
    NormalColour2,
    MouseOverColour2,
    PressedColour2,
    // Push buttons are always drawn with five frames; the key is only checked.
    {"Frame", TSkinKeyKind::Integer, kPushButtonFrames}};
constexpr TSkinKey kCaptionButtonKeys[] = {
    Action, Align, Xcoord, Ycoord, Visibility, Visibility1, CombineOp, ButtonFrame, ButtonImage};
constexpr TSkinKey kInfoKeys[] = {SkinName, SkinVersion};
constexpr TSkinKey kBorderKeys[] = {BorderLead, BorderTrail, BorderFrame, BorderStretch,
                                    BorderTrans};
constexpr TSkinKey kPersonalityKeys[] = {
    TextBack,    TextShift,    TextShiftVert, TextRightClip, TextAlignment, Textbackground,
    TXTBackleft, TXTBackRight, MenuBar,       TileMenu,      TileLeftMenu,  TileRightMenu};

}  // namespace

const TSkinElementSection* FindSkinElementSection(std::string_view name) {
  for (const TSkinElementSection& section : kElementSections)
    if (SkinSameName(section.Name, name)) return &section;
  return nullptr;
}

const TSkinElementSection& SkinElementSection(std::string_view name) {
  const TSkinElementSection* section = FindSkinElementSection(name);
  if (!section) throw std::logic_error("no element section " + std::string(name));
  return *section;
}

std::span<const TSkinElementSection> SkinElementSections() { return kElementSections; }
std::span<const TSkinKey> SkinElementKeys() { return kElementKeys; }
std::span<const TSkinKey> SkinPushButtonKeys() { return kPushButtonKeys; }
std::span<const TSkinKey> SkinCaptionButtonKeys() { return kCaptionButtonKeys; }
std::span<const TSkinKey> SkinInfoKeys() { return kInfoKeys; }
std::span<const TSkinKey> SkinBorderKeys() { return kBorderKeys; }
std::span<const TSkinKey> SkinPersonalityKeys() { return kPersonalityKeys; }

bool IsCaptionButtonSectionName(std::string_view upper) {
  return SkinStartsWith(upper, "BUTTON") && upper != "BUTTONS" && upper != "BUTTON" &&
         upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

bool IsColourSectionName(std::string_view upper) {
  return SkinStartsWith(upper, "COLOUR") && upper != "COLOURS";
}

int SkinElementFrames(const TSkinElementSection& section, const TQuickIni& ini) {
  const auto read = [&](const TSkinKey& key) {
    return ini.ReadInteger(section.Name, key.Name, key.Default);
  };
  switch (section.Frames) {
    case TRule::FromFrame:
      return FrameCountOf(read(Frame));
    case TRule::Fixed:
      return section.FixedFrames;
    case TRule::ProgressStyle:
      return read(Style) != 0 ? 1 : 2;
    case TRule::FrameOrFive:
      return read(Frame) == 0 ? 5 : FrameCountOf(read(Frame));
    case TRule::FromFrameCount:
      return FrameCountOf(read(FrameCount));
  }
  return 1;
}

std::string CustomColourKey(int n) {
  return std::string(skinkey::CustomColourPrefix) + std::to_string(n);
}
