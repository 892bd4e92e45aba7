#include "tests/win32/support/MessageSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "toolkit/controls/MessageNames.h"

namespace wintest {
namespace {

struct NamedMessage {
  UINT message;
  const char* name;
};

// Messages the toolkit's table does not name but window and MDI tests meet.
constexpr NamedMessage kExtraNames[] = {
    {WM_SYNCPAINT, "WM_SYNCPAINT"},
    {WM_MDICREATE, "WM_MDICREATE"},
    {WM_MDIDESTROY, "WM_MDIDESTROY"},
    {WM_MDIACTIVATE, "WM_MDIACTIVATE"},
    {WM_MDIRESTORE, "WM_MDIRESTORE"},
    {WM_MDINEXT, "WM_MDINEXT"},
    {WM_MDIMAXIMIZE, "WM_MDIMAXIMIZE"},
    {WM_MDIGETACTIVE, "WM_MDIGETACTIVE"},
    {WM_MDISETMENU, "WM_MDISETMENU"},
    {WM_MDIREFRESHMENU, "WM_MDIREFRESHMENU"},
    {WM_NCRBUTTONDBLCLK, "WM_NCRBUTTONDBLCLK"},
    {WM_MOVE, "WM_MOVE"},
    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
    {WM_QUERYOPEN, "WM_QUERYOPEN"},
    {WM_ICONERASEBKGND, "WM_ICONERASEBKGND"},
    {WM_NEXTMENU, "WM_NEXTMENU"},
    {WM_NCXBUTTONDOWN, "WM_NCXBUTTONDOWN"},
    {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"},
    {WM_MENUCHAR, "WM_MENUCHAR"},
    {WM_HOTKEY, "WM_HOTKEY"},
    {WM_APP, "WM_APP"},
};

std::string Hex(ULONG_PTR value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
  return text;
}

bool Matches(const MsgEntry& expected, const MsgEntry& actual) {
  if (expected.message != actual.message) return false;
  if ((expected.flags & wparam) && expected.wParam != actual.wParam) return false;
  if ((expected.flags & lparam) && expected.lParam != actual.lParam) return false;
  if ((expected.flags & parent) != (actual.flags & parent)) return false;
  if ((expected.flags & defwinproc) != (actual.flags & defwinproc)) return false;
  const unsigned how = expected.flags & (sent | posted);
  return how == 0 || how == (actual.flags & (sent | posted));
}

std::string Column(const MsgSequence& entries, size_t index, bool recorded) {
  return index < entries.size() ? EntryText(entries[index], recorded) : std::string("-");
}

std::string SideBySide(const MsgSequence& actual, const MsgSequence& expected) {
  std::string text = "   expected                                         actual\n";
  const size_t rows = std::max(actual.size(), expected.size());
  for (size_t i = 0; i < rows; ++i) {
    char row[160];
    std::snprintf(row, sizeof row, "%3zu %-48s %s\n", i, Column(expected, i, false).c_str(),
                  Column(actual, i, true).c_str());
    text += row;
    if (i < expected.size() && expected[i].note)
      text += std::string("      note: ") + expected[i].note + "\n";
  }
  return text;
}

}  // namespace

std::string MessageText(UINT message) {
  for (const NamedMessage& entry : kExtraNames) {
    if (entry.message == message) return entry.name;
  }
  return MessageName(message);
}

std::string EntryText(const MsgEntry& entry, bool recorded) {
  std::string text = MessageText(entry.message);
  const char* names[] = {"sent", "posted", "parent", "defwinproc", "optional"};
  for (unsigned bit = 0; bit < 5; ++bit) {
    if (entry.flags & (1u << bit)) text += std::string(" ") + names[bit];
  }
  if (recorded || (entry.flags & wparam)) text += " wp=" + Hex(entry.wParam);
  if (recorded || (entry.flags & lparam))
    text += " lp=" + Hex(static_cast<ULONG_PTR>(entry.lParam));
  return text;
}

void MessageLog::Add(const MsgEntry& entry) {
  if (std::find(ignored_.begin(), ignored_.end(), entry.message) != ignored_.end()) return;
  if (!only_.empty() && std::find(only_.begin(), only_.end(), entry.message) == only_.end()) return;
  entries_.push_back(entry);
}

int MessageLog::Count(UINT message) const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [&](const MsgEntry& e) { return e.message == message; }));
}

std::string CompareSequence(const MsgSequence& actual, const MsgSequence& expected) {
  size_t a = 0;
  size_t e = 0;
  while (e < expected.size()) {
    if (a < actual.size() && Matches(expected[e], actual[a])) {
      ++a;
      ++e;
    } else if (expected[e].flags & optional) {
      ++e;
    } else {
      return "expected #" + std::to_string(e) + " " + EntryText(expected[e], false) + ", got " +
             (a < actual.size() ? "#" + std::to_string(a) + " " + EntryText(actual[a], true)
                                : std::string("the end")) +
             "\n" + SideBySide(actual, expected);
    }
  }
  if (a < actual.size()) {
    return "unexpected #" + std::to_string(a) + " " + EntryText(actual[a], true) + "\n" +
           SideBySide(actual, expected);
  }
  return {};
}

void ExpectSequence(const char* file, int line, MessageLog& log, const MsgSequence& expected,
                    const char* context) {
  const std::string difference = CompareSequence(log.Entries(), expected);
  if (!difference.empty()) ADD_FAILURE_AT(file, line) << context << ": " << difference;
  log.Clear();
}

}  // namespace wintest
