// What the skin costs: one full frame repaint of a skinned window against
// the system's own frame, and showing a form up to its first skinned paint
// against the same with skinning off. Both pairs are measured in one run,
// alternating, and printed as BENCH rows (median ratio).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"

namespace {

constexpr int kRepaints = 400;
constexpr int kStarts = 15;

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

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::unique_ptr<TSkinData> LoadedSkinData(bool active) {
  auto data = std::make_unique<TSkinData>(nullptr);
  std::ifstream file(TAPVANE_SKIN_PACKAGE, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
  data->SkinStoreStream().WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  data->LoadSkinStore();
  data->SetActive(active);
  data->Loaded();
  return data;
}

// From loading the skin data to the form's first frame painted (skinned,
// when active).
double StartToFirstPaint(bool active) {
  const double start = Now();
  InstallSkinManager();
  auto data = LoadedSkinData(active);
  {
    TForm form(nullptr);
    form.SetBounds(100, 100, 355, 490);
    form.Show();
    SetForegroundWindow(form.Handle());
    const HWND window = form.Handle();
    for (;;) {
      Pump();
      TSkinManage* manager = TSkinManage::Instance();
      const TWinSkinForm* object = manager ? manager->FindFormObject(window) : nullptr;
      if (!active || (object && object->AttachState() == asSkinned)) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  const double elapsed = Now() - start;
  DestroySkinManager();
  return elapsed;
}

// One full frame repaint of a shown form, skinned or not.
std::vector<double> Repaints(HWND window) {
  std::vector<double> times;
  for (int i = 0; i < kRepaints; ++i) {
    const double start = Now();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    times.push_back(Now() - start);
  }
  return times;
}

}  // namespace

int main() {
  Application->Initialize();
  // Warm up both paths once (fonts, classes, the package reader).
  StartToFirstPaint(false);
  StartToFirstPaint(true);
  std::vector<double> plain, skinned;
  for (int i = 0; i < kStarts; ++i) {
    plain.push_back(StartToFirstPaint(false));
    skinned.push_back(StartToFirstPaint(true));
  }
  const double startRatio = Median(skinned) / Median(plain);
  std::printf("start-up to first paint: skinned median %.1f ms, Active off median %.1f ms\n",
              Median(skinned), Median(plain));
  std::printf(
      "BENCH | start-up to first skinned paint, ratio to Active off | %.2f | Active off "
      "%.1f ms | <= 1.3\n",
      startRatio, Median(plain));

  InstallSkinManager();
  auto data = LoadedSkinData(true);
  TForm unskinned(nullptr);
  unskinned.SetTag(99);  // left alone by the manager
  unskinned.SetBounds(100, 100, 355, 490);
  unskinned.Show();
  TForm skinnedForm(nullptr);
  skinnedForm.SetBounds(480, 100, 355, 490);
  skinnedForm.Show();
  SetForegroundWindow(skinnedForm.Handle());
  for (int i = 0; i < 200; ++i) {
    Pump();
    Sleep(5);
  }
  if (!TSkinManage::Instance()->FindFormObject(skinnedForm.Handle())) {
    std::printf("the form was not skinned\n");
    return 1;
  }
  std::vector<double> system, skin;
  for (int round = 0; round < 5; ++round) {
    const auto a = Repaints(unskinned.Handle());
    const auto b = Repaints(skinnedForm.Handle());
    system.insert(system.end(), a.begin(), a.end());
    skin.insert(skin.end(), b.begin(), b.end());
  }
  std::printf("frame repaint: skinned median %.3f ms, system frame median %.3f ms\n", Median(skin),
              Median(system));
  std::printf(
      "BENCH | one full frame repaint, skinned to unskinned | %.2f | unskinned %.3f ms | "
      "<= 2\n",
      Median(skin) / Median(system), Median(system));
  DestroySkinManager();
  return 0;
}
