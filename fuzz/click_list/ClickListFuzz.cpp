// Any bytes as a click list file: what is kept must be items of the list, the
// left-out lines must be counted in order, and what is kept must survive a
// write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/ClickListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const bool cutShort = size > 0 && (data[0] & 1);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const app::TClickListReading reading = app::ReadClickList(bytes, cutShort);

  for (const std::string& item : reading.state.items)
    if (!app::IsClickListItem(item)) std::abort();
  if (reading.state.items.size() > app::kClickListMaxItems) std::abort();
  std::size_t counted = 0, previous = 0;
  for (const app::TLineRange& range : reading.leftOut) {
    if (range.first <= previous || range.last < range.first) std::abort();
    if (reading.unreadFrom > 0 && range.last >= reading.unreadFrom) std::abort();
    counted += range.last - range.first + 1;
    previous = range.last;
  }
  if (counted > reading.leftOutCount) std::abort();
  if (reading.Damaged() == app::LeftOutLinesText(reading).empty()) std::abort();

  const app::TClickListReading again =
      app::ReadClickList(app::WriteClickList(reading.state), false);
  if (again.Damaged() || again.state.items != reading.state.items ||
      again.state.period != reading.state.period || again.state.action != reading.state.action)
    std::abort();
  return 0;
}
