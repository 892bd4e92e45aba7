// One line of the click list: X text, "|", Y text, "|", action keyword.
#pragma once

#include <string>

namespace app {

enum class TClickAction { LeftClick, LeftDoubleClick, RightClick, MoveMouse };

// The keyword stored in the list for an action ("leftclick", ...).
const char* ClickActionKeyword(TClickAction action);

// The fields are taken as the user left them: no check, no trimming.
std::string BuildClickItem(const std::string& x, const std::string& y, TClickAction action);

}  // namespace app
