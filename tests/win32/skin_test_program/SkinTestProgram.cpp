// The skin test program (not shipped): shows the windows named on the
// command line, every kind when none is named, and prints each top-level
// handle so that end-to-end tests can find them:
//   SkinTestProgram.exe [sizeable|single|dialog|toolwindow|nocaption|plain|mdi]...
// It runs until every window it showed is hidden or gone.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "skin/manage/SkinManage.h"
#include "tests/win32/skin_test_program/TestWindow.h"
#include "toolkit/controls/Application.h"

namespace {

std::vector<TTestWindowKind> KindsFromCommandLine(int argc, char** argv, bool& ok) {
  std::vector<TTestWindowKind> kinds;
  ok = true;
  for (int i = 1; i < argc; ++i) {
    const auto kind = ParseTestWindowKind(argv[i]);
    if (!kind) {
      std::fprintf(stderr, "unknown window kind: %s\n", argv[i]);
      ok = false;
    } else {
      kinds.push_back(*kind);
    }
  }
  return kinds.empty() ? AllTestWindowKinds() : kinds;
}

bool AnyShown(const std::vector<std::unique_ptr<TTestWindow>>& windows) {
  for (const auto& window : windows) {
    if (IsWindowVisible(window->Handle())) return true;
  }
  return false;
}

void PrintHandles(const TTestWindow& window) {
  std::printf("window %s %p\n", TestWindowKindName(window.Kind()),
              static_cast<void*>(window.Handle()));
  if (window.Mdi()) {
    for (const HWND child : window.Mdi()->Children())
      std::printf("mdichild %p\n", static_cast<void*>(child));
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool ok = true;
  const std::vector<TTestWindowKind> kinds = KindsFromCommandLine(argc, argv, ok);
  if (!ok) return 2;
  // As Tapvane starts: the forms' skin data then finds a manager, and every
  // window shown here wears our frame.
  InstallSkinManager();
  try {
    Application->Initialize();
    Application->SetTitle("Skin test program");
    std::vector<std::unique_ptr<TTestWindow>> windows;
    for (const TTestWindowKind kind : kinds) {
      windows.push_back(std::make_unique<TTestWindow>(kind));
      windows.back()->Show();
      PrintHandles(*windows.back());
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (!Application->Terminated() && AnyShown(windows)) Application->HandleMessage();
  } catch (...) {
    Application->HandleException(Application);
    return 1;
  }
  return 0;
}
