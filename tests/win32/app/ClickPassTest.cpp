// The click pass over a recording input: positions, button events and waits.
#include <gtest/gtest.h>

#include "app/ClickEngine.h"
#include "toolkit/core/SysUtils.h"

namespace {

class TRecorder final : public app::TClickInput {
 public:
  void SetCursorPos(int x, int y) override {
    calls.push_back("pos " + std::to_string(x) + " " + std::to_string(y));
  }
  void MouseEvent(unsigned flags) override { calls.push_back("event " + std::to_string(flags)); }
  void Sleep(unsigned ms) override { calls.push_back("sleep " + std::to_string(ms)); }
  std::vector<std::string> calls;
};

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

TEST(ClickPass, ABadCoordinateEndsThePassAtThatItem) {
  TRecorder input;
  try {
    app::RunClickPass({"1|2|leftclick", "x|5|leftclick", "3|4|leftclick"}, input);
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ("'x' is not a valid integer value", error.Message);
  }
  EXPECT_EQ((Calls{"pos 1 2", "event 2", "event 4", "sleep 800"}), input.calls);
}

TEST(ClickPass, YIsConvertedBeforeX) {
  TRecorder input;
  try {
    app::RunClickPass({"bad x|bad y|leftclick"}, input);
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ("'bad y' is not a valid integer value", error.Message);
  }
  EXPECT_THROW(app::RunClickPass({""}, input), EConvertError);
  EXPECT_THROW(app::RunClickPass({"1|99999999999|movemouse"}, input), EConvertError);
  EXPECT_TRUE(input.calls.empty());
}

TEST(ClickPass, DurationCountsTheFixedWaits) {
  EXPECT_EQ(2400u, app::ClickPassDuration({"1|1|leftclick", "2|2|leftclick", "3|3|leftclick"}));
  EXPECT_EQ(2800u, app::ClickPassDuration({"1|1|leftclick", "2|2|leftclick2", "3|3|rightclick"}));
  EXPECT_EQ(800u, app::ClickPassDuration({"1|1|movemouse"}));
  EXPECT_EQ(0u, app::ClickPassDuration({}));
}

}  // namespace
