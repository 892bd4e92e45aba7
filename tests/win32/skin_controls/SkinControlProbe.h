// A skinned-control object that consumes one message of its own, notes what
// its handlers see and counts its Unskin calls, draws and destruction.
#pragma once

#include <vector>

#include "skin/controls/SkinControl.h"
#include "tests/win32/support/MessageSequence.h"

constexpr UINT kConsumedByProbe = WM_APP + 1;
constexpr UINT kPassedByProbe = WM_APP + 2;

struct ProbeCounts {
  int unskins = 0;
  int draws = 0;
  int destroyed = 0;
  // For each kPassedByProbe reaching AfterProc: how many the previous
  // handler had seen by then.
  std::vector<int> previousSeenAtAfter;
};

class TSkinProbe : public TSkinControl {
 public:
  TSkinProbe(TControl* control, ProbeCounts& counts, const wintest::MessageLog* log = nullptr)
      : TSkinControl(control), counts_(counts), log_(log) {}
  ~TSkinProbe() override { ++counts_.destroyed; }

  bool BeforeProc(TMessage& message) override {
    if (message.Msg == kConsumedByProbe) {
      message.Result = 42;
      return false;
    }
    return TSkinControl::BeforeProc(message);
  }
  void AfterProc(TMessage& message) override {
    if (message.Msg == kPassedByProbe && log_) {
      counts_.previousSeenAtAfter.push_back(log_->Count(kPassedByProbe));
    }
    TSkinControl::AfterProc(message);
  }
  void Unskin() override {
    ++counts_.unskins;
    TSkinControl::Unskin();
  }
  void DrawControl(HDC, const RECT&) override { ++counts_.draws; }

 private:
  ProbeCounts& counts_;
  const wintest::MessageLog* log_;
};
