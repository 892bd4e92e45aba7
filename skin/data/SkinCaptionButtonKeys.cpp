#include "skin/data/SkinCaptionButtonKeys.h"

#include <optional>

#include "skin/data/SkinDescriptionKeys.h"
#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"

namespace {

using namespace skinkey;

int Read(const TQuickIni& ini, const std::string& section, const TSkinKey& key) {
  return ini.ReadInteger(section, key.Name, key.Default);
}

bool IsCaptionButtonSection(const TQuickIni& ini, const std::string& upper) {
  if (!IsCaptionButtonSectionName(upper)) return false;
  // Only here does a missing Visibility count as -1: a hidden button must say 0.
  const bool hidden =
      Read(ini, upper, Action) == -1 && ini.ReadInteger(upper, Visibility.Name, -1) != 0;
  return !hidden;
}

struct TPosition {
  int X;
  int Y;
};

}  // namespace

std::vector<TCaptionButtonKeys> ReadCaptionButtonKeys(const TQuickIni& ini,
                                                      const std::vector<std::string>& sections) {
  std::vector<TCaptionButtonKeys> buttons;
  std::optional<TPosition> remembered;
  for (const std::string& section : sections) {
    if (buttons.size() >= static_cast<std::size_t>(kMaxCaptionButtons)) break;
    const std::string name = SkinUpperCase(section);
    if (!IsCaptionButtonSection(ini, name)) continue;
    TCaptionButtonKeys keys;
    keys.Name = name;
    keys.Action = Read(ini, name, Action);
    keys.Align = Read(ini, name, Align);
    keys.Xcoord = Read(ini, name, Xcoord);
    keys.Ycoord = Read(ini, name, Ycoord);
    keys.Visibility = Read(ini, name, Visibility);
    keys.Visibility1 = ini.ReadInteger(name, Visibility1.Name, keys.Action == -1 ? -1 : 0);
    keys.CombineOp = Read(ini, name, CombineOp);
    keys.Frame = Read(ini, name, ButtonFrame);
    keys.ImageValue = ini.ReadString(name, ButtonImage.Name, "");
    if (keys.Action == 1 && keys.Visibility == 2) remembered = TPosition{keys.Xcoord, keys.Ycoord};
    if (keys.Action == 4 && remembered) {
      keys.Xcoord = remembered->X;
      keys.Ycoord = remembered->Y;
    }
    buttons.push_back(std::move(keys));
  }
  return buttons;
}
