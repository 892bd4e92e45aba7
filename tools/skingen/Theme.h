#pragma once
// Colours and sizes of the Tapvane skin: a calm blue-grey theme for 96 dpi
// and a 9-point interface font. The description text and the bitmaps both
// read these, so the two always agree.
#include "tools/skingen/Raster.h"

namespace skingen::theme {

// Surfaces
constexpr Rgb kFace{243, 245, 248};
constexpr Rgb kWindow{255, 255, 255};
constexpr Rgb kText{30, 38, 48};
constexpr Rgb kTextMuted{84, 96, 110};
constexpr Rgb kDisabledText{150, 160, 172};
constexpr Rgb kLine{196, 205, 216};       // quiet separators and outlines
constexpr Rgb kEdge{168, 180, 194};       // control borders (ButtonShadow)
constexpr Rgb kEdgeDark{110, 124, 140};   // ButtonDkShadow
constexpr Rgb kTrack{231, 235, 240};      // scroll and progress tracks

// Accent
constexpr Rgb kAccent{58, 120, 194};
constexpr Rgb kAccentDark{42, 96, 164};
constexpr Rgb kAccentSoft{221, 233, 247};
constexpr Rgb kAccentLine{150, 186, 228};

// Push button states
constexpr Rgb kButtonFill{252, 253, 254};
constexpr Rgb kButtonHot{234, 242, 251};
constexpr Rgb kButtonPressed{208, 225, 244};
constexpr Rgb kButtonDisabled{239, 241, 244};

// Window frame, active and inactive
constexpr Rgb kCaptionTop{66, 98, 130};
constexpr Rgb kCaptionBottom{54, 84, 114};
constexpr Rgb kFrameActive{54, 84, 114};
constexpr Rgb kOutlineActive{36, 58, 82};
// An inactive window steps back to a light frame with grey text, as current
// desktops do; the caption buttons' fourth frame (inactive, or disabled on an
// active caption) uses a mid grey that reads on both.
constexpr Rgb kCaptionTopInactive{224, 229, 235};
constexpr Rgb kCaptionBottomInactive{213, 219, 226};
constexpr Rgb kFrameInactive{213, 219, 226};
constexpr Rgb kOutlineInactive{158, 169, 182};
constexpr Rgb kCaptionText{255, 255, 255};
constexpr Rgb kCaptionTextInactive{98, 108, 120};
constexpr Rgb kCaptionGlyph{236, 242, 248};
constexpr Rgb kCaptionGlyphInactive{124, 136, 150};
constexpr Rgb kCloseHot{214, 64, 64};
constexpr Rgb kClosePressed{176, 46, 46};

// Frame geometry
constexpr int kBorder = 4;          // left, right and bottom border widths
constexpr int kCaption = 30;        // caption band height (top border frame)
constexpr int kTopRadius = 7;
constexpr int kBottomRadius = 4;
constexpr int kCaptionButtonWidth = 30;
constexpr int kCaptionButtonHeight = 22;
constexpr int kCaptionButtonTop = 4;

// Controls
constexpr int kCheckCell = 13;
constexpr int kScrollCell = 17;

}  // namespace skingen::theme
