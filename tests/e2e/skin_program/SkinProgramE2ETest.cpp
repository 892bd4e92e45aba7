// The skin test program as a user meets it: every kind shown (a screenshot
// is saved for people to look at), and a real X click on the close button
// of each captioned window closes it; the program ends with its windows.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "E2eSupport.h"

namespace {

using namespace e2e;

std::string g_programUnix;
std::string g_outUnix;

struct TShownKind {
  const wchar_t* caption;
  bool hasCloseButton;
};

const std::vector<TShownKind> kKinds = {
    {L"Skin test: sizeable", true},
    {L"Skin test: single", true},
    {L"Skin test: dialog", true},
    {L"Skin test: toolwindow", true},
    {L"Skin test: nocaption", false},
    {L"Plain Win32 window", true},
    {L"MDI frame", true},
};

// A point of the caption's close button, found through the window's own
// hit test, so that it holds for Wine's frame and for a skinned one alike.
bool CloseButtonPoint(HWND window, POINT& point) {
  RECT frame{};
  GetWindowRect(window, &frame);
  for (int y = frame.top + 2; y < frame.top + 40; y += 2) {
    for (int x = frame.right - 2; x > frame.right - 80; x -= 2) {
      DWORD_PTR hit = 0;
      SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 3000, &hit);
      if (hit == HTCLOSE) {
        point = {x, y};
        return true;
      }
    }
  }
  return false;
}

bool RealClick(POINT point) {
  return RunUnix("xdotool mousemove --sync " + std::to_string(point.x) + " " +
                 std::to_string(point.y) + " click 1");
}

TEST(SkinProgramE2E, EveryKindComesUpAndItsCloseButtonClosesIt) {
  TProcess program(L"\"" + WinPathOfUnix(g_programUnix) + L"\"");
  ASSERT_TRUE(program.Started());
  std::vector<HWND> windows(kKinds.size());
  ASSERT_TRUE(WaitFor(
      [&] {
        for (size_t i = 0; i < kKinds.size(); ++i)
          windows[i] = FindTopLevel(program.Id(), kKinds[i].caption);
        for (const HWND window : windows) {
          if (!window) return false;
        }
        return true;
      },
      20s));
  Pump(500ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/skin_program_all_kinds.png"));

  for (size_t i = 0; i < kKinds.size(); ++i) {
    SCOPED_TRACE(Narrow(kKinds[i].caption));
    const HWND window = windows[i];
    if (!kKinds[i].hasCloseButton) {
      PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
      POINT point{};
      ASSERT_TRUE(CloseButtonPoint(window, point));
      ASSERT_TRUE(RealClick(point));
    }
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }, 10s));
  }
  EXPECT_TRUE(program.WaitExit(30s));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: skin_program_e2e SKIN_TEST_PROGRAM OUTPUT_DIR\n");
    return 2;
  }
  g_programUnix = argv[1];
  g_outUnix = argv[2];
  CreateDirectoryW(WinPathOfUnix(g_outUnix).c_str(), nullptr);
  return RUN_ALL_TESTS();
}
