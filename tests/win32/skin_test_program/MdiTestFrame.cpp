#include "tests/win32/skin_test_program/MdiTestFrame.h"

namespace {

TMdiFrameArgs TestFrameArgs(int x, int y) {
  TMdiFrameArgs args;
  args.FrameClass = L"TapvaneMdiTestFrame";
  args.ChildClass = L"TapvaneMdiTestChild";
  args.Title = L"MDI frame";
  args.Origin = POINT{x, y};
  args.Size = SIZE{520, 380};
  args.ChildSize = SIZE{240, 160};
  args.ChildTitles = {L"MDI child 1", L"MDI child 2"};
  return args;
}

}  // namespace

TMdiTestFrame::TMdiTestFrame(int x, int y) : windows_(TestFrameArgs(x, y)) {}
