// Hostile skin packages opened in the real gallery under Wine. Each is
// either refused with a message while our skin's pixels stay, or drawn with
// what makes a window usable: it answers within 2 s, stays under 200 MB of
// private memory, keeps a caption whose close button closes it, and shows
// its client area and a message box's OK button on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "E2eSupport.h"
#include "GalleryControls.h"
#include "GalleryProcess.h"
#include "HostileCases.h"
#include "skin/draw/SkinBounds.h"

namespace {

using namespace e2e;
using hostile::TOutcome;

constexpr SIZE_T kMemoryLimit = 200u * 1024 * 1024;
// Our close button: 30 pixels of a 4-frame strip, 4 down, 29 from the right.
constexpr int kCloseWidth = 30, kCloseHeight = 22, kCloseFromRight = 35, kCloseTop = 4;

std::vector<COLORREF> CaptionRow(HWND window) {
  const RECT frame = ScreenRectOf(window);
  const int top = frame.top + 3;
  return ScreenPixels({frame.left, top, frame.left + (frame.right - frame.left) / 2, top + 1});
}

bool WriteFile(const std::string& unixPath, const std::vector<std::uint8_t>& bytes) {
  FILE* file = _wfopen(WinPathOfUnix(unixPath).c_str(), L"wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

bool OnScreen(const RECT& r) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h && r.right > r.left &&
         r.bottom > r.top;
}

SIZE_T PrivateBytes(DWORD process) {
  const HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process);
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  const BOOL ok =
      GetProcessMemoryInfo(h, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  CloseHandle(h);
  return ok ? counters.PrivateUsage : ~SIZE_T{0};
}

bool Answers(HWND window) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) != 0;
}

// Ctrl+M opens the gallery's message box: its OK button must be on screen.
void MessageBoxIsReachable(TGallery& gallery) {
  ASSERT_TRUE(PressKeys(gallery.window, "ctrl+m"));
  const TMessageBox box = WaitForMessageBox(gallery.process.Id(), 5s);
  ASSERT_TRUE(box.window);
  EXPECT_TRUE(OnScreen(ScreenRectOf(box.window))) << "message box off screen";
  const HWND ok = FindWindowExW(box.window, nullptr, L"Button", nullptr);
  ASSERT_TRUE(ok);
  EXPECT_TRUE(OnScreen(ScreenRectOf(ok))) << "OK button off screen";
  CloseMessageBox(box);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 5s));
}

// A real click on the close button where the skin puts it, after the same
// clamps: the gallery ends.
void CloseButtonCloses(TGallery& gallery, int closeFromRight) {
  const RECT frame = ScreenRectOf(gallery.window);
  const int width = frame.right - frame.left;
  const int offset = CaptionButtonOffset(closeFromRight, kCloseWidth, width, true);
  const int x = frame.left + width - offset + std::min(kCloseWidth, width) / 2;
  ASSERT_TRUE(XClick(x, frame.top + kCloseTop + kCloseHeight / 2));
  EXPECT_TRUE(gallery.process.WaitExit(10s)) << "the close button did not close the gallery";
}

void AcceptedWithItsInvariants(TGallery& gallery, int closeFromRight) {
  EXPECT_TRUE(Answers(gallery.window)) << "no answer within 2 s";
  EXPECT_LT(PrivateBytes(gallery.process.Id()), kMemoryLimit);
  const RECT frame = ScreenRectOf(gallery.window);
  RECT client{};
  GetClientRect(gallery.window, &client);
  MapWindowPoints(gallery.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_TRUE(OnScreen(client)) << "client area off screen";
  EXPECT_GT(client.top, frame.top) << "no caption band";
  MessageBoxIsReachable(gallery);
  EXPECT_TRUE(Answers(gallery.window));
  CloseButtonCloses(gallery, closeFromRight);
}

struct TRun {
  std::string out;
  std::vector<COLORREF> ours;
};

TRun& Shared() {
  static TRun run;
  return run;
}

class HostileSkin : public ::testing::TestWithParam<hostile::TCase> {};

TEST_P(HostileSkin, IsRefusedOrStaysUsable) {
  const hostile::TCase& c = GetParam();
  hostile::TFiles files = hostile::ReadSkinFolder(GalleryPaths().skinSource);
  ASSERT_GT(files.size(), 10u);
  c.mutate(files);
  std::vector<std::uint8_t> package = PackSkin(files);
  if (c.cut) c.cut(package);
  const std::string path = Shared().out + "/" + c.name + ".skin";
  ASSERT_TRUE(WriteFile(path, package));

  TGallery gallery(path);
  ASSERT_TRUE(gallery.WaitSkinned()) << "no skinned gallery window";
  const TMessageBox box = WaitForMessageBox(gallery.process.Id(),
                                            c.outcome == TOutcome::Accepted ? 1500ms : 4000ms);
  const bool refused = box.window != nullptr;
  if (c.outcome != TOutcome::Either) {
    EXPECT_EQ(c.outcome == TOutcome::Refused, refused) << (refused ? "refused" : "accepted");
  }
  if (refused) {
    EXPECT_FALSE(box.text.empty());
    CloseMessageBox(box);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 5s));
    Pump(500ms);
    EXPECT_EQ(0, Differing(CaptionRow(gallery.window), Shared().ours)) << "our skin did not stay";
    EXPECT_TRUE(gallery.CloseAndExit());
    return;
  }
  const RECT area = ScreenRectOf(gallery.window);
  SaveScreenshot(Shared().out + "/" + c.name + ".png", &area);
  // The two cases that move the close button say where to in their names.
  int closeFromRight = kCloseFromRight;
  if (c.name == "close_button_1000000_from_right") closeFromRight = 1000000;
  if (c.name == "close_button_past_the_right_edge") closeFromRight = -1000000;
  AcceptedWithItsInvariants(gallery, closeFromRight);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileSkin, ::testing::ValuesIn(hostile::Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

namespace hostile {

TFiles ReadSkinFolder(const std::string& folder) {
  TFiles files;
  const std::wstring dir = WinPathOfUnix(folder);
  WIN32_FIND_DATAW found{};
  const HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    const std::string name = Narrow(found.cFileName);
    if (!name.ends_with(".ini") && !name.ends_with(".bmp")) continue;
    TSkinFile file{name, {}};
    FILE* in = _wfopen((dir + L"\\" + found.cFileName).c_str(), L"rb");
    if (!in) continue;
    std::uint8_t buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
      file.bytes.insert(file.bytes.end(), buffer, buffer + got);
    std::fclose(in);
    files.push_back(std::move(file));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(files.begin(), files.end(), [](const TSkinFile& a, const TSkinFile& b) {
    return a.name.ends_with(".ini") != b.name.ends_with(".ini") ? a.name.ends_with(".ini")
                                                                  : a.name < b.name;
  });
  return files;
}

}  // namespace hostile

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: hostile_skin_e2e GALLERY SKIN_SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  e2e::GalleryPaths() = {argv[1], "", argv[2], argv[3]};
  Shared().out = argv[3];
  CreateDirectoryW(e2e::WinPathOfUnix(argv[3]).c_str(), nullptr);
  {
    // Our skin's caption, for the refusals to be compared with.
    e2e::TGallery gallery("");
    if (!gallery.WaitSkinned()) return 1;
    Shared().ours = CaptionRow(gallery.window);
    gallery.CloseAndExit();
  }
  return RUN_ALL_TESTS();
}
