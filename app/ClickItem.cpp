#include "app/ClickItem.h"

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

}  // namespace app
