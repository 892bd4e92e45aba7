// Hostile skin packages opened in the real gallery under Wine. Each is
// either refused with a message while our skin's pixels stay, or drawn with
// what makes a window usable: it answers within 2 s, stays under 200 MB of
// private memory, keeps a caption whose close button closes it, and shows
// its client area and a message box's OK button on the screen.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "E2eSupport.h"
#include "GalleryControls.h"
#include "GalleryProcess.h"
#include "HostileCases.h"
#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/draw/SkinBounds.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/graphics/BmpFormat.h"

namespace {

using namespace e2e;
using hostile::TOutcome;

constexpr SIZE_T kMemoryLimit = 200u * 1024 * 1024;

// Where the skin puts the close button, in window coordinates, worked out
// from the package's own description and images by the engine's rules.
struct TCloseButton {
  RECT rect{};
  bool found = false;
};

TBmpImage ImageOf(const hostile::TFiles& files, const std::string& value) {
  const std::string name = value.substr(value.find_last_of("\\/") + 1);
  for (const TSkinFile& f : files)
    if (_stricmp(f.name.c_str(), name.c_str()) == 0) return ReadBmpFile(f.bytes, kSkinPixelBudget);
  return {};
}

TCloseButton CloseButtonOf(const hostile::TFiles& files, int windowWidth) {
  TQuickIni ini;
  for (const TSkinFile& f : files)
    if (f.name.ends_with(".ini"))
      ini.LoadFromText({reinterpret_cast<const char*>(f.bytes.data()), f.bytes.size()});
  const TBmpImage top = ImageOf(files, ini.ReadString("Personality", "Top", ""));
  const int frameTop =
      FrameThickness(top.Height, FrameCountOf(ini.ReadInteger("Personality", "TopFrame", 1)),
                     GetSystemMetrics(SM_CYSCREEN));
  const TBmpImage image = ImageOf(files, ini.ReadString("ButtonClose", "ButtonImage", ""));
  if (image.Empty() || frameTop <= 0) return {};
  const int frames =
      CaptionButtonFrame(ini.ReadInteger("ButtonClose", "frame", 0), image.Width, image.Height, 0);
  const int w = std::min(image.Width / frames, windowWidth);
  const int h = std::min(image.Height, frameTop);
  const int y = ClampToRange(ini.ReadInteger("ButtonClose", "Ycoord", 0), 0, frameTop - h);
  const int x = windowWidth - CaptionButtonOffset(ini.ReadInteger("ButtonClose", "Xcoord", 0), w,
                                                  windowWidth, true);
  return {RECT{x, y, x + w, y + h}, w > 0 && h > 0};
}

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
  const BOOL ok = GetProcessMemoryInfo(h, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                       sizeof counters);
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

// A real click on the close button where the skin puts it: the gallery ends.
void CloseButtonCloses(TGallery& gallery, const hostile::TFiles& files) {
  const RECT frame = ScreenRectOf(gallery.window);
  const TCloseButton close = CloseButtonOf(files, frame.right - frame.left);
  ASSERT_TRUE(close.found) << "the skin gives no close button";
  RECT onScreen = close.rect;
  OffsetRect(&onScreen, frame.left, frame.top);
  ASSERT_TRUE(OnScreen(onScreen)) << "close button off screen";
  const POINT centre = CentreOf(onScreen);
  ASSERT_TRUE(XClick(centre.x, centre.y));
  EXPECT_TRUE(gallery.process.WaitExit(10s)) << "the close button did not close the gallery";
}

void AcceptedWithItsInvariants(TGallery& gallery, const hostile::TFiles& files) {
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
  CloseButtonCloses(gallery, files);
}

// The status bar's first panel, which names the package the gallery wears;
// a status bar answers WM_GETTEXT with it.
std::wstring StatusText(HWND gallery) {
  const HWND bar =
      FindDescendant(gallery, L"TStatusBar", [gallery](HWND w) { return GetParent(w) == gallery; });
  return bar ? WindowText(bar) : std::wstring();
}

// The gallery has dealt with the package on its command line: a refusal
// shows, or the status bar names the package.
bool WaitHandled(TGallery& gallery, const std::string& name, TMessageBox& box) {
  const std::wstring shown = L"皮肤: " + Widen(name + ".skin");
  const DWORD id = gallery.process.Id();
  if (!WaitFor([&] { return AnyMessageBox(id) || StatusText(gallery.window) == shown; }, 10s))
    return false;
  if (AnyMessageBox(id)) box = WaitForMessageBox(id, 1s);
  return true;
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
  ASSERT_TRUE(WaitFor(
      [&] { return (gallery.window = FindTopLevel(gallery.process.Id(), kGalleryCaption)); }, 20s));
  TMessageBox box;
  ASSERT_TRUE(WaitHandled(gallery, c.name, box))
      << "neither refused nor shown in the status bar: " << Narrow(StatusText(gallery.window));
  const bool refused = box.window != nullptr;
  if (c.outcome != TOutcome::Either) {
    EXPECT_EQ(c.outcome == TOutcome::Refused, refused) << (refused ? "refused" : "accepted");
  }
  if (refused) {
    EXPECT_FALSE(box.text.empty());
    CloseMessageBox(box);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 5s));
    EXPECT_TRUE(
        WaitFor([&] { return Differing(CaptionRow(gallery.window), Shared().ours) == 0; }, 3s))
        << "our skin did not stay";
    EXPECT_TRUE(gallery.CloseAndExit());
    return;
  }
  ASSERT_TRUE(WaitFor([&] { return Skinned(gallery.window); }, 10s));
  Pump(300ms);
  const RECT area = ScreenRectOf(gallery.window);
  SaveScreenshot(Shared().out + "/" + c.name + ".png", &area);
  AcceptedWithItsInvariants(gallery, files);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileSkin, ::testing::ValuesIn(hostile::Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

namespace hostile {

void PrintTo(const TCase& c, std::ostream* out) { *out << c.name; }

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
