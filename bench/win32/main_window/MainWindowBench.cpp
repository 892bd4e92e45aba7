// A full repaint of the main window (frame, client and every control)
// skinned against the same window with the skin switched off, alternating in
// rounds within one run, printed as a BENCH row (median ratio).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Unit1.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Application.h"

namespace {

constexpr int kRounds = 5;
constexpr int kRepaints = 100;
constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1e3 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

void Repaints(HWND window, std::vector<double>& times) {
  for (int i = 0; i < kRepaints; ++i) {
    const double start = Now();
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    times.push_back(Now() - start);
  }
}

// The manager's own commands, run at once instead of on its timer.
void Command(TForm1& form, TSkinCommand command) {
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SetCurrentSkinData(form.SkinData1);
  manager.PostCommand(command, 1);
  manager.RunPendingCommand();
  Pump(40);
}

int SkinObjectCount(HWND window) {
  const TWinSkinForm* object = TSkinManage::Instance()->FindFormObject(window);
  return object && object->AttachState() == asSkinned ? object->SkinObjects().Count() : -1;
}

}  // namespace

int main() {
  Application->Initialize();
  InstallSkinManager();
  TForm1 form(nullptr);
  form.Show();
  SetForegroundWindow(form.Handle());
  Pump(100);
  const HWND window = form.Handle();
  if (SkinObjectCount(window) <= 0) {
    std::printf("the main window was not skinned\n");
    return 1;
  }
  const int objects = SkinObjectCount(window);
  std::vector<double> skinned, plain;
  for (int round = 0; round < kRounds; ++round) {
    Repaints(window, skinned);
    Command(form, scmUnskin);
    Repaints(window, plain);
    Command(form, scmSkin);
    if (SkinObjectCount(window) != objects) {
      std::printf("re-skinning gave %d control objects, not %d\n", SkinObjectCount(window),
                  objects);
      return 1;
    }
  }
  std::printf(
      "main window repaint: skinned median %.3f ms (%d control objects), unskinned %.3f ms\n",
      Median(skinned), objects, Median(plain));
  std::printf(
      "BENCH | full main window repaint, skinned to unskinned | %.2f | unskinned %.3f ms | "
      "<= 2\n",
      Median(skinned) / Median(plain), Median(plain));
  return 0;
}
