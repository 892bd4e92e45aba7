// The click pass: walks the whole list once, moving the cursor to each item
// and sending its button events, with the fixed waits between them.
#pragma once

#include <string>
#include <vector>

namespace app {

// mouse_event flags the pass sends (the values of MOUSEEVENTF_*).
inline constexpr unsigned kMouseLeftDown = 0x0002;
inline constexpr unsigned kMouseLeftUp = 0x0004;
inline constexpr unsigned kMouseRightDown = 0x0008;
inline constexpr unsigned kMouseRightUp = 0x0010;

// Fixed waits of a pass, in milliseconds.
inline constexpr unsigned kItemWait = 800;
inline constexpr unsigned kDoubleClickGap = 100;
inline constexpr unsigned kRightClickWait = 300;

// Where a pass sends its input: the system in the program, a recorder in tests.
class TClickInput {
 public:
  virtual ~TClickInput() = default;
  virtual void SetCursorPos(int x, int y) = 0;
  virtual void MouseEvent(unsigned flags) = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
};

// One pass over items. An X or Y that is not a decimal integer raises the
// toolkit's conversion error at that item; the items after it are skipped.
void RunClickPass(const std::vector<std::string>& items, TClickInput& input);

// How long a pass over items waits in all, the time it blocks the caller.
unsigned ClickPassDuration(const std::vector<std::string>& items);

}  // namespace app
