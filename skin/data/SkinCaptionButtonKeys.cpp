#include "skin/data/SkinCaptionButtonKeys.h"

#include <optional>

#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"

namespace {

bool IsCaptionButtonSection(const TQuickIni& ini, const std::string& upper) {
  if (!SkinStartsWith(upper, "BUTTON")) return false;
  if (upper == "BUTTONS" || upper == "BUTTON" || upper == "BUTTON.RADIO" ||
      upper == "BUTTON.CHECKBOX")
    return false;
  const bool hidden =
      ini.ReadInteger(upper, "Action", 0) == -1 && ini.ReadInteger(upper, "Visibility", -1) != 0;
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
    keys.Action = ini.ReadInteger(name, "Action", 0);
    keys.Align = ini.ReadInteger(name, "Align", 0);
    keys.Xcoord = ini.ReadInteger(name, "Xcoord", 0);
    keys.Ycoord = ini.ReadInteger(name, "Ycoord", 0);
    keys.Visibility = ini.ReadInteger(name, "Visibility", 0);
    keys.Visibility1 = ini.ReadInteger(name, "Visibility1", keys.Action == -1 ? -1 : 0);
    keys.CombineOp = ini.ReadInteger(name, "CombineOp", -1);
    keys.Frame = ini.ReadInteger(name, "frame", 0);
    keys.ImageValue = ini.ReadString(name, "ButtonImage", "");
    if (keys.Action == 1 && keys.Visibility == 2) remembered = TPosition{keys.Xcoord, keys.Ycoord};
    if (keys.Action == 4 && remembered) {
      keys.Xcoord = remembered->X;
      keys.Ycoord = remembered->Y;
    }
    buttons.push_back(std::move(keys));
  }
  return buttons;
}
