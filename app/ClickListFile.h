// The click list as a small UTF-8 text file a person can read and edit: a
// version line, the period and the action, then one click item per line.
//
//   Tapvane click list 1
//   period=1000
//   action=leftclick
//   100|200|leftclick
//
// Reading takes untrusted bytes: every line is checked, bad ones are left out
// and counted, nothing is trusted to be short or well formed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr char kClickListVersionLine[] = "Tapvane click list 1";
// Files are read up to this many bytes; what follows is reported as left out.
inline constexpr std::size_t kClickListMaxBytes = 16u << 20;
// No line of ours comes near this; a longer one is damage, not an item.
inline constexpr std::size_t kClickListMaxLineBytes = 1024;
inline constexpr std::size_t kClickListMaxItems = 200000;

struct TClickListState {
  std::vector<std::string> items;
  std::string period = "1000";
  std::string action = "leftclick";
};

// Lines first..last (1-based) that were left out.
struct TLineRange {
  std::size_t first = 0;
  std::size_t last = 0;
};

struct TClickListReading {
  TClickListState state;
  // The first ranges of left-out lines (bounded); leftOutCount counts them all.
  std::vector<TLineRange> leftOut;
  std::size_t leftOutCount = 0;
  // The file went on past what was read: lines from unreadFrom on were not read.
  std::size_t unreadFrom = 0;
  bool Damaged() const { return leftOutCount > 0 || unreadFrom > 0; }
};

// Whether a line can be an item of the list: X and Y whole numbers, an action
// keyword, nothing more (the form "添加" builds).
bool IsClickListItem(std::string_view line);
bool IsClickActionKeyword(std::string_view text);

// bytes: the start of a file; cutShort: the file holds more than bytes.
TClickListReading ReadClickList(std::string_view bytes, bool cutShort);

// CRLF lines, so that the oldest Notepad shows one item per line. Items and a
// period that could not be read back as written are left out.
std::string WriteClickList(const TClickListState& state);

// "第 3、7-9 行" and so on, for telling the user what was left out; empty
// when nothing was.
std::string LeftOutLinesText(const TClickListReading& reading);

}  // namespace app
