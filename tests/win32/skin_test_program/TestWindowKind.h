// The kinds of window the skin tests drive: toolkit forms of every border
// style, a plain Win32 window and a raw MDI frame with children.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

enum class TTestWindowKind { Sizeable, Single, Dialog, ToolWindow, NoCaption, Plain, Mdi };

const std::vector<TTestWindowKind>& AllTestWindowKinds();
// The command-line name: "sizeable", "single", "dialog", "toolwindow",
// "nocaption", "plain", "mdi".
const char* TestWindowKindName(TTestWindowKind kind);
std::optional<TTestWindowKind> ParseTestWindowKind(std::string_view name);

// Where a kind's window goes on the screen: a grid, so that every kind
// shown at once stays in view, none covering another.
struct TTestWindowOrigin {
  int x;
  int y;
};
TTestWindowOrigin TestWindowOrigin(TTestWindowKind kind);
