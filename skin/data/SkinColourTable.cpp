#include "skin/data/SkinColourTable.h"

#include "skin/data/SkinColour.h"
#include "skin/data/SkinDescriptionKeys.h"
#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"

namespace {

struct TSlotKey {
  TSkinColourSlot Slot;
  const char* Key;
  TColor Default;  // 0 for Menubar: its default is the ButtonFace just read
};

// Keys in reading order: the Menubar default depends on ButtonFace.
constexpr TSlotKey kSlotKeys[] = {
    {scWindowText, "WindowText", clWindowText},
    {scButtonFace, "ButtonFace", clBtnFace},
    {scScrollbar, "Scrollbar", clScrollBar},
    {scHilightText, "HilightText", clHighlightText},
    {scHilight, "Hilight", clHighlight},
    {scMenubar, "Menubar", 0},
    {scMenu, "Menu", clMenu},
    {scMenuText, "MenuText", clMenuText},
    {scButtonText, "ButtonText", clBtnText},
    {scButtonHilight, "ButtonHilight", clBtnHighlight},
    {scButtonlight, "Buttonlight", clBtnHighlight},
    {scButtonShadow, "ButtonShadow", clBtnShadow},
    {scButtonDkShadow, "ButtonDkShadow", SystemColor(sci3DDkShadow)},
    {scMenuBarText, "MenuBarText", clMenuText},
    {scTitleTextActive, "TitleTextActive", clCaptionText},
    {scTitleTextNoActive, "TitleTextNoActive", clInactiveCaptionText},
};

}  // namespace

std::vector<std::string_view> SkinColourSlotKeys() {
  std::vector<std::string_view> keys;
  for (const TSlotKey& entry : kSlotKeys) keys.emplace_back(entry.Key);
  return keys;
}

void ReadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections,
                     TSkinColourTable& table) {
  table = TSkinColourTable{};
  for (const TSlotKey& entry : kSlotKeys) {
    const std::string text = ini.ReadString(kColoursSection, entry.Key, "");
    const bool given = !text.empty();
    const TColor fallback = entry.Slot == scMenubar ? table.Colours[scButtonFace] : entry.Default;
    table.Colours[entry.Slot] = given ? ParseSkinColour(text) : fallback;
    table.Given[entry.Slot] = given;
  }

  for (const std::string& section : sections) {
    const std::string upper = SkinUpperCase(section);
    if (!IsColourSectionName(upper)) continue;
    table.SectionColours.push_back(
        ParseSkinColourOr(ini.ReadString(section, skinkey::SectionColour.Name, ""), clWindowText));
  }

  for (int n = 0; n < kCustomColourCount; ++n) {
    table.CustomColours[n] =
        ParseSkinColourOr(ini.ReadString(kCustomColoursSection, CustomColourKey(n), ""), clWhite);
  }
}
