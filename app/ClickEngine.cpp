#include "app/ClickEngine.h"

#include "app/ClickItem.h"
#include "app/SplitText.h"

namespace app {

namespace {

// False when the run was stopped during one of the action's waits.
bool PerformAction(const std::string& action, TClickInput& input) {
  if (action == "leftclick") {
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
  } else if (action == "leftclick2") {
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
    if (!input.Wait(kDoubleClickGap)) return false;
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
  } else if (action == "rightclick") {
    input.MouseEvent(kMouseRightDown);
    input.MouseEvent(kMouseRightUp);
    return input.Wait(kRightClickWait);
  }
  // "movemouse" and unknown keywords only move the cursor.
  return true;
}

}  // namespace

TPassResult RunClickPass(const std::vector<std::string>& items, TClickInput& input) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto target = ParseClickItem(items[i]);
    if (!target) return {TPassResult::TEnd::BadItem, i};
    input.SetCursorPos(target->x, target->y);
    if (!PerformAction(target->action, input) || !input.Wait(kItemWait))
      return {TPassResult::TEnd::Stopped, i};
  }
  return {};
}

unsigned ClickPassDuration(const std::vector<std::string>& items) {
  unsigned total = 0;
  for (const auto& item : items) {
    const auto fields = SplitText(item, "|");
    const std::string action = fields.size() > 2 ? fields[2] : std::string();
    total += kItemWait;
    if (action == "leftclick2") total += kDoubleClickGap;
    if (action == "rightclick") total += kRightClickWait;
  }
  return total;
}

}  // namespace app
