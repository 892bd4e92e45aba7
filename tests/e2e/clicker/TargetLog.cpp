#include "TargetLog.h"

#include <cstdio>

namespace e2e {

std::vector<TTargetEvent> ReadTargetLog(const std::wstring& path) {
  std::vector<TTargetEvent> events;
  FILE* f = _wfopen(path.c_str(), L"r");
  if (!f) return events;
  char line[256];
  while (std::fgets(line, sizeof line, f)) {
    TTargetEvent event;
    char name[32] = {};
    if (std::sscanf(line, "%lf %31s %ld %ld", &event.ms, name, &event.x, &event.y) == 4) {
      event.name = name;
      events.push_back(event);
    }
  }
  std::fclose(f);
  return events;
}

std::vector<TTargetEvent> ButtonEvents(const std::vector<TTargetEvent>& events, double from) {
  std::vector<TTargetEvent> buttons;
  for (const auto& event : events)
    if (event.ms >= from && event.name != "POS" && event.name != "READY") buttons.push_back(event);
  return buttons;
}

double FirstPosAt(const std::vector<TTargetEvent>& events, long x, long y, double from) {
  for (const auto& event : events)
    if (event.ms >= from && event.name == "POS" && event.x == x && event.y == y) return event.ms;
  return -1;
}

}  // namespace e2e
