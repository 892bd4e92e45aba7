#include "app/ClickItem.h"

#include "app/SplitText.h"
#include "toolkit/core/SysUtils.h"

namespace app {

const char* ClickActionKeyword(TClickAction action) {
  switch (action) {
    case TClickAction::LeftClick:
      return "leftclick";
    case TClickAction::LeftDoubleClick:
      return "leftclick2";
    case TClickAction::RightClick:
      return "rightclick";
    case TClickAction::MoveMouse:
      return "movemouse";
  }
  return "";
}

std::string BuildClickItem(const std::string& x, const std::string& y, TClickAction action) {
  return x + "|" + y + "|" + ClickActionKeyword(action);
}

bool IsCoordinateText(const std::string& text) {
  int value = 0;
  return TryStrToInt(text, value);
}

std::optional<TClickTarget> ParseClickItem(const std::string& item) {
  const auto fields = SplitText(item, "|");
  TClickTarget target;
  if (fields.size() < 2 || !TryStrToInt(fields[0], target.x) || !TryStrToInt(fields[1], target.y))
    return std::nullopt;
  if (fields.size() > 2) target.action = fields[2];
  return target;
}

}  // namespace app
