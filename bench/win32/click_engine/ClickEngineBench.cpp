// How closely a click pass keeps its fixed waits (800 ms per item, +100 after
// a double click, +300 after a right click), and how soon the next pass
// follows when the period is shorter than a pass. The waits go on handling
// messages as in the program, and the timer passes run from the toolkit's
// timer as the program's do. Prints figures, and BENCH rows for
// scripts/bench.sh; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/ClickEngine.h"
#include "app/Win32ClickInput.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Timer.h"

namespace {

double NowMs() {
  LARGE_INTEGER counter{}, frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The real input, with the time of each cursor move noted.
class TTimedInput final : public app::TClickInput {
 public:
  void SetCursorPos(int x, int y) override {
    moves.push_back(NowMs());
    real_.SetCursorPos(x, y);
  }
  void MouseEvent(unsigned flags) override { real_.MouseEvent(flags); }
  bool Wait(unsigned ms) override { return real_.Wait(ms); }
  std::vector<double> moves;

 private:
  app::TWin32ClickInput real_{[] { return true; }};
};

struct TErrors {
  double sum = 0, worst = 0;
  int count = 0;
  void Add(double error) {
    sum += error;
    worst = std::max(worst, std::fabs(error));
    ++count;
  }
  void Print(const char* what) const {
    std::printf("%-44s n=%3d  mean %+7.2f ms  worst |%6.2f| ms\n", what, count,
                count ? sum / count : 0.0, worst);
  }
  void Bench(const char* what, const char* anchor) const {
    std::printf("BENCH | %s | mean %+.2f ms, worst %.2f ms (n=%d) | %s | -\n", what,
                count ? sum / count : 0.0, worst, count, anchor);
  }
};

// Swallows the clicks so that they land on something harmless.
HWND CreateClickSink() {
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"TapvaneBenchSink";
  RegisterClassW(&cls);
  return CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, cls.lpszClassName, L"",
                         WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr, cls.hInstance,
                         nullptr);
}

void Drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

const std::vector<std::string> kItems = {"100|100|leftclick", "200|150|leftclick2",
                                         "300|200|rightclick", "150|300|movemouse"};

void DirectPasses(int passes) {
  TErrors item, pass;
  const std::vector<double> offsets = {0, 800, 1700, 2800};
  const double expectedPass = app::ClickPassDuration(kItems);
  for (int p = 0; p < passes; ++p) {
    TTimedInput input;
    const double start = NowMs();
    app::RunClickPass(kItems, input);
    const double end = NowMs();
    Drain();
    for (std::size_t i = 1; i < input.moves.size(); ++i)
      item.Add(input.moves[i] - input.moves[0] - offsets[i]);
    pass.Add(end - start - expectedPass);
  }
  std::printf("pass of %zu items, expected %.0f ms:\n", kItems.size(), expectedPass);
  item.Print("  item start vs 800 ms per item + fixed waits");
  pass.Print("  whole pass duration");
  item.Bench("click pass: each item's start, error against its fixed waits",
             "800 ms per item, +100 ms after a double click, +300 ms after a right click");
  pass.Bench("click pass: whole pass, error against its expected duration",
             "expected pass of 4 items: 3600 ms");
}

// Timer period 1000 ms, pass 3600 ms: each next pass should start as soon as
// the previous one returns, and never two in a row without the loop between.
void TimerPasses(int passes) {
  TTimer timer(nullptr);
  timer.SetEnabled(false);
  TErrors gap, first;
  double firstStart = -1, lastEnd = -1;
  int done = 0;
  timer.OnTimer = [&](TObject*) {
    const double start = NowMs();
    if (lastEnd >= 0) gap.Add(start - lastEnd);
    if (firstStart < 0) firstStart = start;
    TTimedInput input;
    app::RunClickPass(kItems, input);
    lastEnd = NowMs();
    if (++done == passes) timer.SetEnabled(false);
  };
  timer.SetInterval(1000);
  const double armed = NowMs();
  timer.SetEnabled(true);
  while (done < passes) Application->HandleMessage();
  first.Add(firstStart - armed - 1000);
  std::printf("timer-driven passes, period 1000 ms:\n");
  first.Print("  first pass vs one period after arming");
  gap.Print("  next pass start after previous pass end");
  gap.Bench("timer-driven passes: next start after the previous pass ends",
            "0 ms: the period (1000 ms) is shorter than a pass");
}

}  // namespace

int main() {
  HWND sink = CreateClickSink();
  Drain();
  DirectPasses(5);
  TimerPasses(4);
  DestroyWindow(sink);
  return 0;
}
