// The gallery shown an unpacked skin folder, as a skin author edits it: it
// wears the folder's images, a save on disk shows within two seconds while
// the page, the window's place and an open sample window stay, a save the
// check refuses keeps the last good pixels and names its reason in the
// status bar with no box, and the next good save applies. Also the folder
// chosen through "文件 > 打开皮肤文件夹…".
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BmpVariants.h"
#include "E2eSupport.h"
#include "GalleryControls.h"
#include "GalleryProcess.h"
#include "RemoteMemory.h"

namespace {

using namespace e2e;

constexpr COLORREF kGreen = RGB(0x20, 0xA0, 0x40);
constexpr COLORREF kPurple = RGB(0xC0, 0x30, 0x90);
constexpr COLORREF kOrange = RGB(0xE0, 0x80, 0x10);
enum TStatusPanel { kNamePanel, kTimePanel, kSourcePanel, kReasonPanel };
// A page other than the first, which a reload must keep in front.
constexpr int kLaterPage = 7;

std::string Folder() { return GalleryPaths().out + "/live_skin"; }
std::string InFolder(const std::string& name) { return Folder() + "/" + name; }

// BGR in the file, as COLORREF's byte order is.
bool WriteTopFilled(COLORREF colour) {
  const std::string ours = ReadBytes(GalleryPaths().skinSource + "/top.bmp");
  const unsigned long rgb =
      (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  const std::string filled = BmpFilled(ours, rgb);
  return !filled.empty() && WriteBytes(InFolder("top.bmp"), filled);
}

bool MakeFolder(COLORREF top) {
  return RunUnix("rm -rf '" + Folder() + "' && cp -r '" + GalleryPaths().skinSource + "' '" +
                 Folder() + "'") &&
         WriteTopFilled(top);
}

// Inside the caption's top image: its fourth row, from past the left border
// and the icon to the middle, left of the title and the caption buttons.
std::vector<COLORREF> CaptionStretch(HWND window) {
  const RECT frame = ScreenRectOf(window);
  const int top = frame.top + 3;
  return ScreenPixels({frame.left + 60, top, (frame.left + frame.right) / 2, top + 1});
}

bool CaptionIs(HWND window, COLORREF colour) {
  const std::vector<COLORREF> row = CaptionStretch(window);
  for (const COLORREF pixel : row) {
    if (pixel != colour) return false;
  }
  return !row.empty();
}

std::wstring StatusPanelText(HWND gallery, int panel) {
  const HWND bar =
      FindDescendant(gallery, L"TStatusBar", [gallery](HWND w) { return GetParent(w) == gallery; });
  if (!bar) return L"<no status bar>";
  const auto text = AskThroughRemote<std::array<wchar_t, 512>>(bar, SB_GETTEXTW, panel);
  if (!text) return L"<no answer>";
  return std::wstring(text->data(), wcsnlen(text->data(), text->size()));
}

int ActivePage(HWND gallery) {
  const HWND pages = FindWindowExW(gallery, nullptr, L"TPageControl", nullptr);
  return pages ? static_cast<int>(SendMessageW(pages, TCM_GETCURSEL, 0, 0)) : -1;
}

class GalleryFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeFolder(kGreen));
    gallery_ = std::make_unique<TGallery>(Folder());
    ASSERT_TRUE(gallery_->WaitSkinned());
  }
  void TearDown() override {
    if (gallery_ && gallery_->window) {
      EXPECT_TRUE(gallery_->CloseAndExit());
    }
  }
  HWND Window() const { return gallery_->window; }
  std::wstring Panel(int panel) const { return StatusPanelText(Window(), panel); }
  std::string Shot(const std::string& name) const {
    return GalleryPaths().out + "/gallery_folder_" + name + ".png";
  }

  std::unique_ptr<TGallery> gallery_;
};

TEST_F(GalleryFolder, ShowsTheFolderAndAppliesEverySaveKeepingPageWindowAndSamples) {
  ASSERT_TRUE(WaitFor([&] { return CaptionIs(Window(), kGreen); }, 5s))
      << "the caption is not the folder's top image";
  EXPECT_EQ(L"皮肤: live_skin", Panel(kNamePanel));
  EXPECT_EQ(WinPathOfUnix(Folder()), Panel(kSourcePanel));
  const std::wstring loaded = Panel(kTimePanel);
  EXPECT_EQ(0u, loaded.find(L"载入于 ")) << Narrow(loaded);
  EXPECT_EQ(std::wstring(L"载入于 00:00:00").size(), loaded.size()) << Narrow(loaded);
  EXPECT_EQ(L"", Panel(kReasonPanel));

  // A page other than the first, and the sizeable sample open ("窗口", Return).
  ASSERT_TRUE(ShowPage(Window(), kLaterPage));
  ASSERT_TRUE(PressKeys(Window(), "alt+w"));
  Pump(300ms);
  ASSERT_TRUE(RunUnix("xdotool key Return"));
  HWND sample = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (sample = FindTopLevel(gallery_->process.Id(), L"可调边框窗体")); }, 10s));
  ASSERT_TRUE(WaitFor([&] { return CaptionIs(sample, kGreen); }, 5s));
  const RECT placeBefore = ScreenRectOf(Window());

  ASSERT_TRUE(WriteTopFilled(kPurple));
  const double saved = NowMs();
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(Window(), kPurple); }, 2s))
      << "the edited image did not show within 2 s";
  std::printf("edit shown after %.0f ms\n", NowMs() - saved);
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(sample, kPurple); }, 2s));
  EXPECT_TRUE(IsWindowVisible(sample));
  EXPECT_EQ(kLaterPage, ActivePage(Window()));
  const RECT placeAfter = ScreenRectOf(Window());
  EXPECT_TRUE(EqualRect(&placeBefore, &placeAfter));
  EXPECT_FALSE(AnyMessageBox(gallery_->process.Id()));
  EXPECT_TRUE(SaveScreenshot(Shot("edited")));
}

// A save the check refuses, a file caught half written or held open by
// another program: the last good skin stays on screen and the status bar
// says why, with no box; putting the file back applies again.
TEST_F(GalleryFolder, ARefusedSaveKeepsTheShownSkinAndTheNextGoodSaveApplies) {
  ASSERT_TRUE(WaitFor([&] { return CaptionIs(Window(), kGreen); }, 5s));
  const std::string description = ReadBytes(InFolder("tapvane.ini"));
  const std::string top = ReadBytes(InFolder("top.bmp"));
  ASSERT_FALSE(description.empty());
  const size_t personality = description.find("[Personality]");
  ASSERT_NE(std::string::npos, personality);
  std::string missingTop = description;
  const size_t topKey = missingTop.find("Top=top.bmp");
  ASSERT_NE(std::string::npos, topKey);
  missingTop.replace(topKey, 11, "Top=nothere.bmp");

  struct TCase {
    const char* name;
    std::string file;
    std::string bytes;
    const wchar_t* reason;
  } cases[] = {
      {"missing_image", "tapvane.ini", missingTop, L"nothere.bmp"},
      {"description_half_written", "tapvane.ini", description.substr(0, personality + 14),
       L"(Top)"},
      {"image_half_written", "top.bmp", top.substr(0, 60), L"top.bmp"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(WriteBytes(InFolder(c.file), c.bytes));
    ASSERT_TRUE(WaitFor([&] { return !Panel(kReasonPanel).empty(); }, 2s));
    const std::wstring reason = Panel(kReasonPanel);
    EXPECT_EQ(0u, reason.find(L"未应用 (")) << Narrow(reason);
    EXPECT_NE(std::wstring::npos, reason.find(c.reason)) << Narrow(reason);
    EXPECT_TRUE(CaptionIs(Window(), kGreen));
    EXPECT_FALSE(AnyMessageBox(gallery_->process.Id()));
    EXPECT_TRUE(SaveScreenshot(Shot(c.name)));

    ASSERT_TRUE(WriteBytes(InFolder(c.file), c.file == "top.bmp" ? top : description));
    EXPECT_TRUE(WaitFor([&] { return Panel(kReasonPanel).empty(); }, 2s)) << Narrow(reason);
  }

  // An image another program holds open without sharing: the save is not
  // readable yet, and once it is let go the gallery reads it again by itself.
  ASSERT_TRUE(WriteTopFilled(kPurple));
  const HANDLE held =
      CreateFileW(WinPathOfUnix(InFolder("top.bmp")).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_TRUE(
      WaitFor([&] { return Panel(kReasonPanel).find(L"无法读取") != std::wstring::npos; }, 2s))
      << Narrow(Panel(kReasonPanel));
  EXPECT_TRUE(CaptionIs(Window(), kGreen));
  CloseHandle(held);
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(Window(), kPurple); }, 2s));
  EXPECT_EQ(L"", Panel(kReasonPanel));

  ASSERT_TRUE(WriteTopFilled(kOrange));
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(Window(), kOrange); }, 2s));
  EXPECT_EQ(L"", Panel(kReasonPanel));
  EXPECT_FALSE(AnyMessageBox(gallery_->process.Id()));

  // A key the engine does not know is applied and named, with its line.
  const std::string ended = description.back() == '\n' ? description : description + "\r\n";
  const int lines = static_cast<int>(std::count(ended.begin(), ended.end(), '\n'));
  ASSERT_TRUE(WriteBytes(InFolder("tapvane.ini"), ended + "Speling=1\r\n"));
  const std::wstring named = L"1 个问题: tapvane.ini:" + std::to_wstring(lines + 1) + L": warning:";
  EXPECT_TRUE(WaitFor([&] { return Panel(kReasonPanel).find(named) == 0; }, 2s))
      << Narrow(Panel(kReasonPanel));
  EXPECT_NE(std::wstring::npos, Panel(kReasonPanel).find(L"Speling"));
  EXPECT_TRUE(CaptionIs(Window(), kOrange));
}

// "文件 > 打开皮肤文件夹…" (Ctrl+Shift+O): the system's folder picker, the
// folder's path typed as a user would.
TEST(GalleryFolderMenu, FolderChosenInThePickerIsShownAndWatched) {
  ASSERT_TRUE(MakeFolder(kPurple));
  TGallery gallery("");
  ASSERT_TRUE(gallery.WaitSkinned());
  ASSERT_FALSE(CaptionIs(gallery.window, kPurple));
  ASSERT_TRUE(PressKeys(gallery.window, "ctrl+shift+o"));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (dialog = FindTopLevel(gallery.process.Id(), L"打开皮肤文件夹")); }, 10s));
  Pump(500ms);
  EXPECT_TRUE(SaveScreenshot(GalleryPaths().out + "/gallery_folder_picker.png"));
  ASSERT_TRUE(PressKeys(dialog, "ctrl+a"));
  ASSERT_TRUE(RunUnix("xdotool type --delay 20 '" + Narrow(WinPathOfUnix(Folder())) +
                      "' && xdotool key Return"));
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(gallery.window, kPurple); }, 10s));
  EXPECT_EQ(WinPathOfUnix(Folder()), StatusPanelText(gallery.window, kSourcePanel));
  ASSERT_TRUE(WriteTopFilled(kGreen));
  EXPECT_TRUE(WaitFor([&] { return CaptionIs(gallery.window, kGreen); }, 2s));
  EXPECT_TRUE(gallery.CloseAndExit());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: gallery_folder_e2e GALLERY SKIN_SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  e2e::GalleryPaths() = {argv[1], "", argv[2], argv[3]};
  CreateDirectoryW(e2e::WinPathOfUnix(argv[3]).c_str(), nullptr);
  return RUN_ALL_TESTS();
}
