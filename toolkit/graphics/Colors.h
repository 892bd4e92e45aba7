// Colours as the toolkit stores them: 0x00BBGGRR, red in the low byte. A value
// whose top byte is 0xFF names a system colour by the index in its low byte.
#pragma once

#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr bool IsSystemColor(TColor color) {
  return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

constexpr TColor RGBColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int ColorRed(TColor color) { return color & 0xFF; }
constexpr int ColorGreen(TColor color) { return (color >> 8) & 0xFF; }
constexpr int ColorBlue(TColor color) { return (color >> 16) & 0xFF; }

// The plain RGB value of a colour: system colours resolved through the
// system on Windows and through the classic default scheme elsewhere.
TColor ColorToRGB(TColor color);

// System colour indexes (the COLOR_* values of the Windows API).
enum TSystemColorIndex : int {
  sciScrollBar = 0,
  sciBackground = 1,
  sciActiveCaption = 2,
  sciInactiveCaption = 3,
  sciMenu = 4,
  sciWindow = 5,
  sciWindowFrame = 6,
  sciMenuText = 7,
  sciWindowText = 8,
  sciCaptionText = 9,
  sciActiveBorder = 10,
  sciInactiveBorder = 11,
  sciAppWorkSpace = 12,
  sciHighlight = 13,
  sciHighlightText = 14,
  sciBtnFace = 15,
  sciBtnShadow = 16,
  sciGrayText = 17,
  sciBtnText = 18,
  sciInactiveCaptionText = 19,
  sciBtnHighlight = 20,
  sci3DDkShadow = 21,
  sci3DLight = 22,
  sciInfoText = 23,
  sciInfoBk = 24,
  sciHotLight = 26,
  sciGradientActiveCaption = 27,
  sciGradientInactiveCaption = 28,
  sciMenuHilight = 29,
  sciMenuBar = 30,
  sciSystemColorCount = 31
};

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// Not colours: "no colour" and "the default of whoever draws".
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(sciScrollBar);
constexpr TColor clBackground = SystemColor(sciBackground);
constexpr TColor clActiveCaption = SystemColor(sciActiveCaption);
constexpr TColor clInactiveCaption = SystemColor(sciInactiveCaption);
constexpr TColor clMenu = SystemColor(sciMenu);
constexpr TColor clWindow = SystemColor(sciWindow);
constexpr TColor clWindowFrame = SystemColor(sciWindowFrame);
constexpr TColor clMenuText = SystemColor(sciMenuText);
constexpr TColor clWindowText = SystemColor(sciWindowText);
constexpr TColor clCaptionText = SystemColor(sciCaptionText);
constexpr TColor clActiveBorder = SystemColor(sciActiveBorder);
constexpr TColor clInactiveBorder = SystemColor(sciInactiveBorder);
constexpr TColor clAppWorkSpace = SystemColor(sciAppWorkSpace);
constexpr TColor clHighlight = SystemColor(sciHighlight);
constexpr TColor clHighlightText = SystemColor(sciHighlightText);
constexpr TColor clBtnFace = SystemColor(sciBtnFace);
constexpr TColor clBtnShadow = SystemColor(sciBtnShadow);
constexpr TColor clGrayText = SystemColor(sciGrayText);
constexpr TColor clBtnText = SystemColor(sciBtnText);
constexpr TColor clInactiveCaptionText = SystemColor(sciInactiveCaptionText);
constexpr TColor clBtnHighlight = SystemColor(sciBtnHighlight);
constexpr TColor cl3DDkShadow = SystemColor(sci3DDkShadow);
constexpr TColor cl3DLight = SystemColor(sci3DLight);
constexpr TColor clInfoText = SystemColor(sciInfoText);
constexpr TColor clInfoBk = SystemColor(sciInfoBk);
constexpr TColor clHotLight = SystemColor(sciHotLight);
constexpr TColor clMenuHighlight = SystemColor(sciMenuHilight);
constexpr TColor clMenuBar = SystemColor(sciMenuBar);
