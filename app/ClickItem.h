// One line of the click list: X text, "|", Y text, "|", action keyword.
#pragma once

#include <optional>
#include <string>

namespace app {

enum class TClickAction { LeftClick, LeftDoubleClick, RightClick, MoveMouse };

// The keyword stored in the list for an action ("leftclick", ...).
const char* ClickActionKeyword(TClickAction action);

// The fields are taken as the user left them: no check, no trimming.
std::string BuildClickItem(const std::string& x, const std::string& y, TClickAction action);

// Whether a coordinate text is a whole number as a pass reads it (signed
// 32-bit; surrounding blanks and the toolkit's hexadecimal forms allowed).
// Every way into the list checks its coordinates with this.
bool IsCoordinateText(const std::string& text);

// A click item read for a pass: its position and its action keyword (empty
// when missing; fields after the third are ignored).
struct TClickTarget {
  int x = 0;
  int y = 0;
  std::string action;
};

// Nothing when the item's X or Y is not a whole number.
std::optional<TClickTarget> ParseClickItem(const std::string& item);

}  // namespace app
