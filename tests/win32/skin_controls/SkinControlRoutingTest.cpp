// What the previous handler of a skinned control receives, and what the
// skin's own handlers answer, for toolkit controls and plain windows.
#include "SkinControlProbe.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/Buttons.h"

namespace {

using wintest::ControlRecorder;
using wintest::MessageLog;
using wintest::sent;
using wintest::WindowProcRecorder;

// The same script for both kinds of window: consumed, passed, queried,
// switched off, then on again.
void RunRoutingScript(HWND window, MessageLog& log, ProbeCounts& counts) {
  EXPECT_EQ(42, SendMessageW(window, kConsumedByProbe, 0, 0));
  SendMessageW(window, kPassedByProbe, 0, 0);
  EXPECT_EQ(1, SendMessageW(window, SKIN_QUERY, 0, 0));
  EXPECT_EQ(std::vector<int>{1}, counts.previousSeenAtAfter)
      << "AfterProc runs after the previous handler";
  EXPECT_SEQUENCE(log, {{kPassedByProbe, sent}}, "consumed, passed, queried while active");

  SendMessageW(window, SKIN_SETACTIVE, 0, 0);
  EXPECT_EQ(0, SendMessageW(window, kConsumedByProbe, 0, 0));
  EXPECT_EQ(0, SendMessageW(window, SKIN_QUERY, 0, 0));
  SendMessageW(window, kPassedByProbe, 0, 0);
  EXPECT_EQ(1u, counts.previousSeenAtAfter.size()) << "no AfterProc while switched off";
  const int drawsBefore = counts.draws;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(drawsBefore, counts.draws) << "switched off, the paint is the control's own";
  EXPECT_SEQUENCE(
      log, {{kConsumedByProbe, sent}, {SKIN_QUERY, sent}, {kPassedByProbe, sent}, {WM_PAINT, sent}},
      "everything passes while switched off");

  SendMessageW(window, SKIN_SETACTIVE, 1, 0);
  EXPECT_EQ(drawsBefore + 1, counts.draws) << "switching on repaints at once";
  EXPECT_SEQUENCE(log, {{WM_PAINT, sent}}, "switched on: only the repaint passes");
}

TEST_F(SkinControlTest, ToolkitControlRoutingThroughItsHandler) {
  auto* button = Make<TButton>(form.get(), 10, 10, 90, 30);
  button->HandleNeeded();
  MessageLog log;
  log.Only({kConsumedByProbe, kPassedByProbe, SKIN_QUERY, SKIN_SETACTIVE, WM_PAINT});
  ControlRecorder previous(log, *button);
  ProbeCounts counts;
  auto* probe = new TSkinProbe(button, counts, &log);
  probe->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  ASSERT_TRUE(probe->Attached);
  EXPECT_EQ(probe, formObject->FindSkinObject(button->Handle()));
  FlushEvents();
  log.Clear();
  counts.draws = 0;
  RunRoutingScript(button->Handle(), log, counts);
  delete probe;
  EXPECT_EQ(nullptr, formObject->FindSkinObject(button->Handle()));
  SendMessageW(button->Handle(), kConsumedByProbe, 0, 0);
  EXPECT_SEQUENCE(log, {{kConsumedByProbe, sent}}, "the handler is back once the object goes");
}

TEST_F(SkinControlTest, PlainWindowRoutingThroughItsProcedure) {
  const HWND window = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE, 10, 10, 90, 30,
                                      form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  const auto original = GetWindowLongPtrW(window, GWLP_WNDPROC);
  MessageLog log;
  log.Only({kConsumedByProbe, kPassedByProbe, SKIN_QUERY, SKIN_SETACTIVE, WM_PAINT});
  {
    WindowProcRecorder previous(log, window);
    const auto recorded = GetWindowLongPtrW(window, GWLP_WNDPROC);
    ProbeCounts counts;
    auto* probe = new TSkinProbe(nullptr, counts, &log);
    probe->InitWindow(window, data.get(), formObject.get(), &formObject->ControlCanvas());
    EXPECT_EQ(u"Plain", probe->Caption);
    EXPECT_TRUE(probe->HooksWindowProcedure());
    FlushEvents();
    log.Clear();
    counts.draws = 0;
    RunRoutingScript(window, log, counts);
    delete probe;
    EXPECT_EQ(recorded, GetWindowLongPtrW(window, GWLP_WNDPROC)) << "procedure put back";
  }
  EXPECT_EQ(original, GetWindowLongPtrW(window, GWLP_WNDPROC));
  DestroyWindow(window);
}

TEST_F(SkinControlTest, HookedAfterUsTheChainSurvivesOurGoing) {
  auto* button = Make<TButton>(form.get(), 10, 10, 90, 30);
  button->HandleNeeded();
  ProbeCounts counts;
  auto* probe = new TSkinProbe(button, counts);
  probe->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  MessageLog log;
  log.Only({kConsumedByProbe});
  {
    ControlRecorder later(log, *button);  // hooks after the skin
    delete probe;                         // cannot unhook: it is not in front
    EXPECT_EQ(0, SendMessageW(button->Handle(), kConsumedByProbe, 0, 0));
    EXPECT_SEQUENCE(log, {{kConsumedByProbe, sent}}, "the later hook still reaches the control");
  }
  EXPECT_EQ(1, counts.destroyed);
}

}  // namespace
