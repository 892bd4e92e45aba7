// Reads what the click target window logged.
#pragma once

#include <string>
#include <vector>

namespace e2e {

struct TTargetEvent {
  double ms = 0;
  std::string name;  // POS, LDOWN, LUP, RDOWN, RUP, ...
  long x = 0, y = 0;
};

std::vector<TTargetEvent> ReadTargetLog(const std::wstring& path);

// Button events only (POS and READY left out), from time from on.
std::vector<TTargetEvent> ButtonEvents(const std::vector<TTargetEvent>& events, double from = 0);

// The first time the cursor was seen at (x, y) at or after from; -1 if never.
double FirstPosAt(const std::vector<TTargetEvent>& events, long x, long y, double from);

}  // namespace e2e
