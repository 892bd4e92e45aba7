// The click pass over a recording input: positions, button events and waits.
#include <gtest/gtest.h>

#include "app/ClickEngine.h"

namespace {

class TRecorder final : public app::TClickInput {
 public:
  void SetCursorPos(int x, int y) override {
    calls.push_back("pos " + std::to_string(x) + " " + std::to_string(y));
  }
  void MouseEvent(unsigned flags) override { calls.push_back("event " + std::to_string(flags)); }
  bool Wait(unsigned ms) override {
    calls.push_back("sleep " + std::to_string(ms));
    return --waitsBeforeStop != 0;
  }
  std::vector<std::string> calls;
  // The run is stopped during that wait (counting from 1); 0 never.
  int waitsBeforeStop = 0;
};

using End = app::TPassResult::TEnd;

using Calls = std::vector<std::string>;

TEST(ClickPass, EachActionSendsItsEventsAndWaits) {
  TRecorder input;
  app::RunClickPass(
      {"100|200|leftclick", "-10|20|leftclick2", "30|-40|rightclick", "5|6|movemouse"}, input);
  EXPECT_EQ(
      (Calls{"pos 100 200", "event 2", "event 4", "sleep 800",                                    //
             "pos -10 20", "event 2", "event 4", "sleep 100", "event 2", "event 4", "sleep 800",  //
             "pos 30 -40", "event 8", "event 16", "sleep 300", "sleep 800",                       //
             "pos 5 6", "sleep 800"}),
      input.calls);
}

TEST(ClickPass, UnknownOrMissingKeywordsOnlyMove) {
  TRecorder input;
  app::RunClickPass({"1|2|3|leftclick", "7|8|LeftClick", "9|10", "11|12|leftclick |"}, input);
  EXPECT_EQ((Calls{"pos 1 2", "sleep 800", "pos 7 8", "sleep 800", "pos 9 10", "sleep 800",
                   "pos 11 12", "sleep 800"}),
            input.calls);
}

TEST(ClickPass, EmptyListDoesNothing) {
  TRecorder input;
  app::RunClickPass({}, input);
  EXPECT_TRUE(input.calls.empty());
}

// Nothing is done for a bad item, nor after it; the pass names it.
TEST(ClickPass, ABadCoordinateEndsThePassBeforeThatItem) {
  const std::vector<std::pair<std::vector<std::string>, std::size_t>> cases = {
      {{"1|2|leftclick", "x|5|leftclick", "3|4|leftclick"}, 1},
      {{"bad x|bad y|leftclick"}, 0},
      {{""}, 0},
      {{"7"}, 0},
      {{"1|99999999999|movemouse"}, 0},
      {{"1.5|2|movemouse"}, 0},
  };
  for (const auto& [items, bad] : cases) {
    TRecorder input;
    const app::TPassResult result = app::RunClickPass(items, input);
    EXPECT_EQ(End::BadItem, result.end) << items[bad];
    EXPECT_EQ(bad, result.badItem) << items[bad];
    EXPECT_EQ(bad == 0 ? Calls{} : (Calls{"pos 1 2", "event 2", "event 4", "sleep 800"}),
              input.calls)
        << items[bad];
  }
}

// A stop during any wait ends the pass there: no further event, no wait.
TEST(ClickPass, AStopDuringAWaitEndsThePassThere) {
  const std::vector<std::string> items = {"1|1|leftclick2", "2|2|rightclick", "3|3|leftclick"};
  const std::vector<Calls> expected = {
      {"pos 1 1", "event 2", "event 4", "sleep 100"},
      {"pos 1 1", "event 2", "event 4", "sleep 100", "event 2", "event 4", "sleep 800"},
      {"pos 1 1", "event 2", "event 4", "sleep 100", "event 2", "event 4", "sleep 800",
       "pos 2 2", "event 8", "event 16", "sleep 300"},
  };
  for (std::size_t stopAt = 0; stopAt < expected.size(); ++stopAt) {
    TRecorder input;
    input.waitsBeforeStop = static_cast<int>(stopAt) + 1;
    EXPECT_EQ(End::Stopped, app::RunClickPass(items, input).end) << stopAt;
    EXPECT_EQ(expected[stopAt], input.calls) << stopAt;
  }
  TRecorder input;
  EXPECT_EQ(End::Completed, app::RunClickPass(items, input).end);
}

TEST(ClickPass, DurationCountsTheFixedWaits) {
  EXPECT_EQ(2400u, app::ClickPassDuration({"1|1|leftclick", "2|2|leftclick", "3|3|leftclick"}));
  EXPECT_EQ(2800u, app::ClickPassDuration({"1|1|leftclick", "2|2|leftclick2", "3|3|rightclick"}));
  EXPECT_EQ(800u, app::ClickPassDuration({"1|1|movemouse"}));
  EXPECT_EQ(0u, app::ClickPassDuration({}));
}

}  // namespace
