#include "app/ClickListFile.h"

#include <array>

#include "app/ClickItem.h"

namespace app {

namespace {

constexpr std::string_view kPeriodKey = "period=";
constexpr std::string_view kActionKey = "action=";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kMaxRangesKept = 64;
constexpr std::size_t kRangesShown = 12;

// Length of the UTF-8 sequence starting at text[i], 0 when it is not one
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

// Valid UTF-8 without control characters: what one line of the file may hold.
bool IsCleanText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) return false;
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

void LeaveOut(TClickListReading& reading, std::size_t line) {
  ++reading.leftOutCount;
  auto& ranges = reading.leftOut;
  if (!ranges.empty() && ranges.back().last + 1 == line) {
    ranges.back().last = line;
  } else if (ranges.size() < kMaxRangesKept) {
    ranges.push_back({line, line});
  }
}

// One line of the file, already cut from its line break. False: left out.
bool TakeLine(std::string_view line, std::size_t number, TClickListState& state) {
  if (line.size() > kClickListMaxLineBytes || !IsCleanText(line)) return false;
  if (number == 1 && line == kClickListVersionLine) return true;
  if (line.empty()) return true;
  if (line.starts_with(kPeriodKey)) {
    state.period = std::string(line.substr(kPeriodKey.size()));
    return true;
  }
  if (line.starts_with(kActionKey)) {
    const std::string_view keyword = line.substr(kActionKey.size());
    if (!IsClickActionKeyword(keyword)) return false;
    state.action = std::string(keyword);
    return true;
  }
  if (!IsClickListItem(line) || state.items.size() >= kClickListMaxItems) return false;
  state.items.emplace_back(line);
  return true;
}

}  // namespace

bool IsClickActionKeyword(std::string_view text) {
  static constexpr std::array kActions{TClickAction::LeftClick, TClickAction::LeftDoubleClick,
                                       TClickAction::RightClick, TClickAction::MoveMouse};
  for (const TClickAction action : kActions)
    if (text == ClickActionKeyword(action)) return true;
  return false;
}

bool IsClickListItem(std::string_view line) {
  if (line.size() > kClickListMaxLineBytes || !IsCleanText(line)) return false;
  const std::size_t first = line.find('|');
  const std::size_t second = first == std::string_view::npos ? first : line.find('|', first + 1);
  if (second == std::string_view::npos || line.find('|', second + 1) != std::string_view::npos)
    return false;
  return IsCoordinateText(std::string(line.substr(0, first))) &&
         IsCoordinateText(std::string(line.substr(first + 1, second - first - 1))) &&
         IsClickActionKeyword(line.substr(second + 1));
}

TClickListReading ReadClickList(std::string_view bytes, bool cutShort) {
  TClickListReading reading;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::size_t number = 0;
  while (!bytes.empty()) {
    ++number;
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos && cutShort) {
      // The read stopped inside this line: it and the rest were not read.
      reading.unreadFrom = number;
      return reading;
    }
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!TakeLine(line, number, reading.state)) LeaveOut(reading, number);
  }
  if (cutShort) reading.unreadFrom = number + 1;
  return reading;
}

std::string WriteClickList(const TClickListState& state) {
  std::string text = std::string(kClickListVersionLine) + "\r\n";
  const std::string periodLine = std::string(kPeriodKey) + state.period;
  if (periodLine.size() <= kClickListMaxLineBytes && IsCleanText(state.period))
    text += periodLine + "\r\n";
  if (IsClickActionKeyword(state.action)) text += std::string(kActionKey) + state.action + "\r\n";
  for (const std::string& item : state.items)
    if (IsClickListItem(item)) text += item + "\r\n";
  return text;
}

std::string LeftOutLinesText(const TClickListReading& reading) {
  std::string text;
  const auto append = [&](const std::string& part) {
    if (!text.empty()) text += "、";
    text += part;
  };
  std::size_t shown = 0;
  for (const TLineRange& range : reading.leftOut) {
    if (shown++ == kRangesShown) {
      append("…");
      break;
    }
    append(range.first == range.last
               ? std::to_string(range.first)
               : std::to_string(range.first) + "-" + std::to_string(range.last));
  }
  if (reading.leftOutCount > 0)
    text = "第 " + text + " 行(共 " + std::to_string(reading.leftOutCount) + " 行)";
  if (reading.unreadFrom > 0) {
    if (!text.empty()) text += "，";
    text += "第 " + std::to_string(reading.unreadFrom) + " 行起的内容(文件太大，未读取)";
  }
  return text;
}

}  // namespace app
