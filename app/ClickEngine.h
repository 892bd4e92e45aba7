// The click pass: walks the whole list once, moving the cursor to each item
// and sending its button events, with the fixed waits between them.
#pragma once

#include <cstddef>
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
  // Waits that long; false when the run was stopped meanwhile, which ends
  // the pass at once.
  virtual bool Wait(unsigned milliseconds) = 0;
};

struct TPassResult {
  enum class TEnd { Completed, Stopped, BadItem };
  TEnd end = TEnd::Completed;
  // The item the pass ended at, when it met one whose X or Y is no whole number.
  std::size_t badItem = 0;
};

// One pass over items. A bad item ends the pass before anything is done for
// it; the items before it have been clicked.
TPassResult RunClickPass(const std::vector<std::string>& items, TClickInput& input);

// How long a pass over items waits in all.
unsigned ClickPassDuration(const std::vector<std::string>& items);

}  // namespace app
