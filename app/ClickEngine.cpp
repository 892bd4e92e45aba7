#include "app/ClickEngine.h"

#include "app/SplitText.h"
#include "toolkit/core/SysUtils.h"

namespace app {

namespace {

std::string Field(const std::vector<std::string>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

void PerformAction(const std::string& action, TClickInput& input) {
  if (action == "leftclick") {
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
  } else if (action == "leftclick2") {
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
    input.Sleep(kDoubleClickGap);
    input.MouseEvent(kMouseLeftDown);
    input.MouseEvent(kMouseLeftUp);
  } else if (action == "rightclick") {
    input.MouseEvent(kMouseRightDown);
    input.MouseEvent(kMouseRightUp);
    input.Sleep(kRightClickWait);
  }
  // "movemouse" and unknown keywords only move the cursor.
}

}  // namespace

void RunClickPass(const std::vector<std::string>& items, TClickInput& input) {
  const std::size_t count = items.size();
  for (std::size_t i = 0; i < count; ++i) {
    const auto fields = SplitText(items[i], "|");
    // Y is converted before X, so a bad Y is the one reported.
    const int y = StrToInt(Field(fields, 1));
    const int x = StrToInt(Field(fields, 0));
    input.SetCursorPos(x, y);
    PerformAction(Field(fields, 2), input);
    input.Sleep(kItemWait);
  }
}

unsigned ClickPassDuration(const std::vector<std::string>& items) {
  unsigned total = 0;
  for (const auto& item : items) {
    const std::string action = Field(SplitText(item, "|"), 2);
    total += kItemWait;
    if (action == "leftclick2") total += kDoubleClickGap;
    if (action == "rightclick") total += kRightClickWait;
  }
  return total;
}

}  // namespace app
