#include "tests/win32/skin_test_program/TestWindowKind.h"

namespace {

struct KindName {
  TTestWindowKind kind;
  const char* name;
};

constexpr KindName kNames[] = {
    {TTestWindowKind::Sizeable, "sizeable"},
    {TTestWindowKind::Single, "single"},
    {TTestWindowKind::Dialog, "dialog"},
    {TTestWindowKind::ToolWindow, "toolwindow"},
    {TTestWindowKind::NoCaption, "nocaption"},
    {TTestWindowKind::Plain, "plain"},
    {TTestWindowKind::Mdi, "mdi"},
};

}  // namespace

const std::vector<TTestWindowKind>& AllTestWindowKinds() {
  static const std::vector<TTestWindowKind> kinds = [] {
    std::vector<TTestWindowKind> all;
    for (const KindName& entry : kNames) all.push_back(entry.kind);
    return all;
  }();
  return kinds;
}

const char* TestWindowKindName(TTestWindowKind kind) {
  for (const KindName& entry : kNames) {
    if (entry.kind == kind) return entry.name;
  }
  return "?";
}

TTestWindowOrigin TestWindowOrigin(TTestWindowKind kind) {
  const int index = static_cast<int>(kind);
  return {20 + 380 * (index % 3), 20 + 280 * (index / 3)};
}

std::optional<TTestWindowKind> ParseTestWindowKind(std::string_view name) {
  for (const KindName& entry : kNames) {
    if (name == entry.name) return entry.kind;
  }
  return std::nullopt;
}
