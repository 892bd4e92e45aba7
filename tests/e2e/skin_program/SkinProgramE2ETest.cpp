// The skin test program as a user meets it: every kind shown in our skin (a
// screenshot is saved for people to look at), and a real X click on the
// skin's close button of each captioned window closes it; the program ends
// with its windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "E2eSupport.h"
#include "skin/read/WinSkinIni.h"

namespace {

using namespace e2e;

std::string g_programUnix;
std::string g_skinUnix;
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

// Where our skin draws a caption button: its record in the skin's
// description (alignment and offset), and one frame of its image.
struct TButtonPlace {
  int align = -1;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

std::string ReadFile(const std::string& unixPath) {
  std::string bytes;
  FILE* file = _wfopen(WinPathOfUnix(unixPath).c_str(), L"rb");
  if (!file) return bytes;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

int32_t LittleEndian32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return static_cast<int32_t>(value);
}

// The caption button record with that action, and with that visibility
// code when one is given (maximise and restore share their action).
TButtonPlace ButtonOfSkin(const std::string& skinFolder, int action, int visibility = -1) {
  TButtonPlace place;
  TQuickIni ini;
  ini.LoadFromText(ReadFile(skinFolder + "/tapvane.ini"));
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  for (const std::string& section : sections) {
    const std::string image = ini.ReadString(section, "ButtonImage", "");
    if (ini.ReadInteger(section, "Action", -1) != action || image.empty()) continue;
    if (visibility >= 0 && ini.ReadInteger(section, "Visibility", 0) != visibility) continue;
    const std::string bitmap = ReadFile(skinFolder + "/" + image);
    if (bitmap.size() < 26 || bitmap.compare(0, 2, "BM") != 0) continue;
    const int frames = std::max(1, static_cast<int>(ini.ReadInteger(section, "frame", 1)));
    place.align = ini.ReadInteger(section, "Align", 0);
    place.x = ini.ReadInteger(section, "Xcoord", 0);
    place.y = ini.ReadInteger(section, "Ycoord", 0);
    place.width = LittleEndian32(bitmap, 18) / frames;
    place.height = std::abs(LittleEndian32(bitmap, 22));
    break;
  }
  return place;
}

// The centre of a caption button on a skinned window, on the screen; only
// the alignments our skin uses (from the left, from the right) are known.
bool ButtonPoint(HWND window, const TButtonPlace& button, POINT& point) {
  RECT frame{};
  if (!GetWindowRect(window, &frame) || button.width <= 0) return false;
  int left = 0;
  if (button.align == 0) {
    left = frame.left + button.x;
  } else if (button.align == 1) {
    left = frame.right - button.x;
  } else {
    return false;
  }
  point = {left + button.width / 2, frame.top + button.y + button.height / 2};
  return true;
}

// Caption button actions and visibility codes of the skin's description.
constexpr int kCloseAction = 0;
constexpr int kMaximizeAction = 1;
constexpr int kShownWhenNotMaximised = 2;

bool Skinned(HWND window) {
  constexpr UINT kSkinQuery = 0x3523;
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, kSkinQuery, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer);
  return answer == 1;
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
  const TButtonPlace close = ButtonOfSkin(g_skinUnix, kCloseAction);
  ASSERT_GT(close.width, 0) << "no close button in the skin at " << g_skinUnix;

  for (size_t i = 0; i < kKinds.size(); ++i) {
    SCOPED_TRACE(Narrow(kKinds[i].caption));
    const HWND window = windows[i];
    EXPECT_TRUE(Skinned(window));
    if (!kKinds[i].hasCloseButton) {
      PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
      POINT point{};
      ASSERT_TRUE(ButtonPoint(window, close, point));
      ASSERT_TRUE(RealClick(point));
    }
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }, 10s));
  }
  EXPECT_TRUE(program.WaitExit(30s));
}

// The maximise button, then a double click on the caption to restore. Not
// the restore button: with no window manager Wine leaves the X window of a
// maximised window at its normal size (resizing it is the manager's job), so
// the maximised caption shows on screen only where it overlaps the old
// rectangle, and the restore button lies outside what the pointer can reach.
TEST(SkinProgramE2E, MaximiseButtonAndCaptionDoubleClickAct) {
  TProcess program(L"\"" + WinPathOfUnix(g_programUnix) + L"\" sizeable");
  ASSERT_TRUE(program.Started());
  HWND window = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (window = FindTopLevel(program.Id(), kKinds[0].caption)); }, 20s));
  ASSERT_TRUE(WaitFor([&] { return Skinned(window); }, 10s));
  Pump(300ms);
  RECT normal{};
  GetWindowRect(window, &normal);
  const TButtonPlace maximise = ButtonOfSkin(g_skinUnix, kMaximizeAction, kShownWhenNotMaximised);
  ASSERT_GT(maximise.width, 0);

  POINT point{};
  ASSERT_TRUE(ButtonPoint(window, maximise, point));
  ASSERT_TRUE(RealClick(point));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(window) != FALSE; }, 5s));
  Pump(500ms);  // a late restore would show by now
  ASSERT_TRUE(IsZoomed(window));

  // The lowest caption rows of the maximised window, inside the old rectangle.
  RECT zoomed{};
  GetWindowRect(window, &zoomed);
  const TButtonPlace close = ButtonOfSkin(g_skinUnix, kCloseAction);
  const int captionBottom = zoomed.top + close.y + close.height;
  ASSERT_GT(captionBottom, normal.top);
  const int x = (normal.left + normal.right) / 2;
  const int y = (normal.top + captionBottom) / 2;
  ASSERT_TRUE(RunUnix("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y) +
                      " click --repeat 2 --delay 80 1"));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(window) == FALSE; }, 5s));
  RECT restored{};
  GetWindowRect(window, &restored);
  EXPECT_TRUE(EqualRect(&normal, &restored));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitExit(30s));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: skin_program_e2e SKIN_TEST_PROGRAM SKIN_SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  g_programUnix = argv[1];
  g_skinUnix = argv[2];
  g_outUnix = argv[3];
  CreateDirectoryW(WinPathOfUnix(g_outUnix).c_str(), nullptr);
  return RUN_ALL_TESTS();
}
