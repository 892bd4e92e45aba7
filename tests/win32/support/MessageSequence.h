// Message-sequence testing: recorders append what windows receive to a
// MessageLog, tests compare it with an expected table. A failure prints
// both sequences side by side with message names.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// How a message arrived and what of it an expected entry compares.
enum MsgFlags : unsigned {
  sent = 0x01,        // delivered by a send (or a direct call)
  posted = 0x02,      // dispatched from the queue by FlushEvents
  parent = 0x04,      // recorded on the parent window
  defwinproc = 0x08,  // sent from inside DefWindowProc (called directly or by CallWindowProc)
  optional = 0x10,    // expected only: may be missing
  wparam = 0x20,      // expected only: compare wParam
  lparam = 0x40,      // expected only: compare lParam
};

// One message, recorded or expected. The note says, in one line, how
// Windows and Wine differ at this entry; it is printed with a failure.
struct MsgEntry {
  UINT message = 0;
  unsigned flags = sent;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  const char* note = nullptr;
};

using MsgSequence = std::vector<MsgEntry>;

// The name of a window message, a toolkit message or one of ours.
std::string MessageText(UINT message);
std::string EntryText(const MsgEntry& entry, bool recorded);

// The messages recorded so far, in the order they came. Recorders of
// several windows can share one log, so parent and child interleave.
class MessageLog {
 public:
  void Add(const MsgEntry& entry);
  void Clear() { entries_.clear(); }
  const MsgSequence& Entries() const { return entries_; }
  int Count(UINT message) const;
  bool Saw(UINT message) const { return Count(message) > 0; }
  // Messages never recorded (noise such as WM_GETICON or timers).
  void Ignore(std::vector<UINT> messages) { ignored_ = std::move(messages); }
  // Only these messages are recorded (all when empty).
  void Only(std::vector<UINT> messages) { only_ = std::move(messages); }

 private:
  MsgSequence entries_;
  std::vector<UINT> ignored_;
  std::vector<UINT> only_;
};

// Empty when actual follows expected: entries match in order, optional ones
// may be missing, sent/posted/parent/defwinproc must agree where the
// expected entry names them. Otherwise both sequences, side by side.
std::string CompareSequence(const MsgSequence& actual, const MsgSequence& expected);

// Reports a gtest failure at the caller's file and line when the log does
// not follow expected, then clears the log for the next step.
void ExpectSequence(const char* file, int line, MessageLog& log, const MsgSequence& expected,
                    const char* context);

}  // namespace wintest

// EXPECT_SEQUENCE(log, expected, "what was done"); expected may be a braced
// table written in place.
#define EXPECT_SEQUENCE(log, ...) ::wintest::ExpectSequence(__FILE__, __LINE__, log, __VA_ARGS__)
