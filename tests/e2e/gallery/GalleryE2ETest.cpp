// The gallery as a skin author meets it: our skin by default, menus driven
// by real keys and pointer, a second package named on the command line and
// chosen through the open-file dialog, and a damaged package refused while
// the current skin stays. Screenshots land in the output folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BmpVariants.h"
#include "E2eSupport.h"
#include "GalleryControls.h"
#include "GalleryProcess.h"

namespace {

using namespace e2e;

// The paths main() fills in from the command line.
const std::string& g_skinpackUnix = GalleryPaths().skinpack;
const std::string& g_skinSourceUnix = GalleryPaths().skinSource;
const std::string& g_outUnix = GalleryPaths().out;

// The frame's top row (inside the caption's top image), left of the caption
// buttons.
std::vector<COLORREF> CaptionRow(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int top = frame.top + 3;
  return ScreenPixels({frame.left, top, frame.left + (frame.right - frame.left) / 2, top + 1});
}

// A stretch of the left border below the caption.
std::vector<COLORREF> LeftEdge(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int middle = (frame.top + frame.bottom) / 2;
  return ScreenPixels({frame.left, middle, frame.left + 8, middle + 40});
}

std::vector<COLORREF> WindowPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ScreenPixels(r);
}

// The texts of the gallery's list of images it could not read.
std::vector<std::wstring> UnreadableImages(HWND gallery) {
  std::vector<std::wstring> lines;
  const HWND page = FindChildByText(gallery, L"皮肤图片");
  const HWND list = page ? GetWindow(page, GW_CHILD) : nullptr;
  if (!list) return lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    line.resize(static_cast<size_t>(
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
    lines.push_back(line);
  }
  return lines;
}

HWND VisiblePopupMenu(DWORD process) {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    if (IsWindowVisible(w) && ProcessOf(w) == process) return w;
  }
  return nullptr;
}

bool Rewrite(const std::string& unixPath, std::string (*convert)(const std::string&)) {
  const std::string bytes = convert(ReadBytes(unixPath));
  return !bytes.empty() && WriteBytes(unixPath, bytes);
}

// Our skin's source in the formats other authors use, packed by skinpack:
// the caption's top image inverted and stored with 32 bits per pixel, the
// push buttons run-length encoded with a palette, the left border with a
// plain palette, and the header bar in a format no reader here takes.
std::string BuildSecondPackage() {
  const std::string folder = g_outUnix + "/second_skin";
  const std::string package = g_outUnix + "/second.skin";
  if (!RunUnix("rm -rf '" + folder + "' '" + package + "' && cp -r '" + g_skinSourceUnix + "' '" +
               folder + "'"))
    return {};
  std::string top = ReadBytes(folder + "/top.bmp");
  if (top.size() < 54 || top.compare(0, 2, "BM") != 0) return {};
  const size_t pixels =
      static_cast<unsigned char>(top[10]) | (static_cast<unsigned char>(top[11]) << 8);
  for (size_t i = pixels; i < top.size(); ++i) top[i] = static_cast<char>(~top[i]);
  if (!WriteBytes(folder + "/top.bmp", BmpAs32Bit(top))) return {};
  if (!Rewrite(folder + "/button.bmp", [](const std::string& b) { return BmpAs8Bit(b, true); }) ||
      !Rewrite(folder + "/left.bmp", [](const std::string& b) { return BmpAs8Bit(b, false); }) ||
      !Rewrite(folder + "/header.bmp", BmpAsJpegClaim))
    return {};
  TProcess pack(Quoted(g_skinpackUnix) + L" pack " + Quoted(folder) + L" " + Quoted(package));
  if (!pack.Started() || !pack.WaitExit(30s)) return {};
  return ReadBytes(package).size() > 0 ? package : std::string();
}

TEST(GalleryE2E, ComesUpSkinnedAndItsMenusOpenTheirWindows) {
  TGallery gallery("");
  ASSERT_TRUE(gallery.WaitSkinned());
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_our_skin.png"));

  // The shortcut of "窗口 > 消息框", a real key press.
  ASSERT_TRUE(PressKeys(gallery.window, "ctrl+m"));
  const TMessageBox box = WaitForMessageBox(gallery.process.Id(), 10s);
  ASSERT_TRUE(box.window);
  EXPECT_EQ(box.caption, L"消息框");
  EXPECT_TRUE(WaitFor([&] { return Skinned(box.window); }, 5s));
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 5s));

  // A right click in the client area, beside the page control's controls,
  // opens the popup menu.
  RECT client{};
  GetClientRect(gallery.window, &client);
  POINT inside{client.right - 40, client.bottom / 2};
  ClientToScreen(gallery.window, &inside);
  ASSERT_TRUE(XClick(inside.x, inside.y, 3));
  EXPECT_TRUE(WaitFor([&] { return VisiblePopupMenu(gallery.process.Id()) != nullptr; }, 5s));
  Pump(300ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_popup_menu.png"));
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  EXPECT_TRUE(WaitFor([&] { return !VisiblePopupMenu(gallery.process.Id()); }, 5s));

  // Every page, reached with a click on the first tab and the Right key; a
  // screenshot of the window on each. The skin's image list lives on the
  // last page.
  const HWND imagesPage = FindChildByText(gallery.window, L"皮肤图片");
  ASSERT_TRUE(imagesPage);
  EXPECT_FALSE(IsWindowVisible(imagesPage));
  POINT firstTab{20, 10};
  ClientToScreen(gallery.window, &firstTab);
  ASSERT_TRUE(XClick(firstTab.x, firstTab.y));
  constexpr int kPages = 12;
  for (int page = 0; page < kPages; ++page) {
    if (page > 0) {
      ASSERT_TRUE(PressKeys(gallery.window, "Right"));
    }
    Pump(300ms);
    const RECT area = ScreenRectOf(gallery.window);
    EXPECT_TRUE(
        SaveScreenshot(g_outUnix + "/gallery_page_" + std::to_string(page + 1) + ".png", &area));
  }
  EXPECT_TRUE(IsWindowVisible(imagesPage));

  // The menu bar through the keyboard: Alt+W opens "窗口", its first item
  // is the sizeable form.
  ASSERT_TRUE(PressKeys(gallery.window, "alt+w"));
  ASSERT_TRUE(WaitFor([&] { return VisiblePopupMenu(gallery.process.Id()) != nullptr; }, 5s));
  Pump(300ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_window_menu.png"));
  ASSERT_TRUE(RunUnix("xdotool key Return"));
  HWND sizeable = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (sizeable = FindTopLevel(gallery.process.Id(), L"可调边框窗体")); }, 10s));
  EXPECT_TRUE(WaitFor([&] { return Skinned(sizeable); }, 5s));
  Pump(400ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_sizeable_form.png"));
  // With a sample form open, so that its menus and forms go at exit too.
  EXPECT_TRUE(gallery.CloseAndExit());
}

// The left edge of the open drop-down: it opens under its bar item.
LONG OpenDropDownLeft(DWORD process) {
  LONG left = -1;
  WaitFor(
      [&] {
        const HWND menu = VisiblePopupMenu(process);
        if (menu) left = ScreenRectOf(menu).left;
        return menu != nullptr;
      },
      5s);
  return left;
}

// Waits for the drop-down to move from `before` to another bar item.
LONG NextDropDownLeft(DWORD process, LONG before) {
  LONG left = -1;
  WaitFor(
      [&] {
        const HWND menu = VisiblePopupMenu(process);
        left = menu ? ScreenRectOf(menu).left : -1;
        return menu && left != before;
      },
      5s);
  return left;
}

// The skinned menu bar (文件, 窗口, 帮助) driven by real keys and pointer:
// Alt and F10 open the first item, Left and Right move along the bar and wrap, a
// click on a bar item opens its drop-down and a click on an entry runs it.
TEST(GalleryE2E, SkinnedMenuBarFollowsRealKeysAndPointer) {
  TGallery gallery("");
  ASSERT_TRUE(gallery.WaitSkinned());
  const DWORD process = gallery.process.Id();
  EXPECT_EQ(nullptr, GetMenu(gallery.window));

  ASSERT_TRUE(PressKeys(gallery.window, "alt"));
  const LONG file = OpenDropDownLeft(process);
  ASSERT_GE(file, 0) << "Alt opened no drop-down";
  Pump(300ms);
  const RECT galleryRect = ScreenRectOf(gallery.window);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_menu_bar_open.png", &galleryRect));
  ASSERT_TRUE(RunUnix("xdotool key Left"));
  const LONG help = NextDropDownLeft(process, file);
  EXPECT_GT(help, file) << "Left from the first item wraps to the last";
  Pump(200ms);
  ASSERT_TRUE(RunUnix("xdotool key Right"));
  EXPECT_EQ(file, NextDropDownLeft(process, help)) << "Right from the last wraps to the first";
  Pump(200ms);
  ASSERT_TRUE(RunUnix("xdotool key Right"));
  const LONG windows = NextDropDownLeft(process, file);
  EXPECT_GT(windows, file);
  EXPECT_LT(windows, help);
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  ASSERT_TRUE(WaitFor([&] { return !VisiblePopupMenu(process); }, 5s));
  Pump(300ms);

  // F10 opens the first item too.
  ASSERT_TRUE(PressKeys(gallery.window, "F10"));
  EXPECT_EQ(file, OpenDropDownLeft(process));
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  ASSERT_TRUE(WaitFor([&] { return !VisiblePopupMenu(process); }, 5s));
  Pump(300ms);

  // The accelerator of 窗口 opens that item.
  ASSERT_TRUE(PressKeys(gallery.window, "alt+w"));
  EXPECT_EQ(windows, OpenDropDownLeft(process));
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  ASSERT_TRUE(WaitFor([&] { return !VisiblePopupMenu(process); }, 5s));
  Pump(300ms);

  // A click on 窗口 in the bar (above the client area's top edge), then on
  // the drop-down's first entry: the sizeable sample form opens.
  POINT origin{0, 0};
  ClientToScreen(gallery.window, &origin);
  const int barY = origin.y - GetSystemMetrics(SM_CYMENU) / 2;
  ASSERT_TRUE(XClick(windows + 8, barY));
  ASSERT_EQ(windows, OpenDropDownLeft(process));
  const RECT dropDown = ScreenRectOf(VisiblePopupMenu(process));
  Pump(300ms);
  ASSERT_TRUE(XClick(dropDown.left + 30, dropDown.top + 12));
  HWND sizeable = nullptr;
  EXPECT_TRUE(
      WaitFor([&] { return (sizeable = FindTopLevel(process, L"可调边框窗体")) != nullptr; }, 10s));

  PostMessageW(sizeable, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(sizeable); }, 5s));
  Pump(500ms);

  // The MDI frame's own skinned bar: Alt+W, M maximises the active child,
  // whose buttons then sit in the frame's bar.
  ASSERT_TRUE(PressKeys(gallery.window, "ctrl+d"));
  HWND frame = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (frame = FindTopLevel(process, L"MDI 框架")) != nullptr; }, 10s));
  ASSERT_TRUE(WaitFor([&] { return Skinned(frame); }, 5s));
  Pump(500ms);
  EXPECT_EQ(nullptr, GetMenu(frame));
  ASSERT_TRUE(PressKeys(frame, "alt+w"));
  ASSERT_TRUE(WaitFor([&] { return VisiblePopupMenu(process) != nullptr; }, 5s));
  Pump(200ms);
  ASSERT_TRUE(RunUnix("xdotool key m"));
  const HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
  ASSERT_TRUE(client);
  EXPECT_TRUE(WaitFor(
      [&] {
        const HWND child = GetWindow(client, GW_CHILD);
        return child && IsZoomed(child);
      },
      5s));
  Pump(500ms);
  const RECT frameRect = ScreenRectOf(frame);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_mdi_maximised.png", &frameRect));
  EXPECT_TRUE(gallery.CloseAndExit());
}

TEST(GalleryE2E, SecondPackageShowsItsImageAndADamagedOneKeepsOurSkin) {
  const std::string second = BuildSecondPackage();
  ASSERT_FALSE(second.empty()) << "skinpack made no package";

  std::vector<COLORREF> ours, ourButton, ourLeftEdge;
  {
    TGallery gallery("");
    ASSERT_TRUE(gallery.WaitSkinned());
    ours = CaptionRow(gallery.window);
    ourButton = WindowPixels(FindChildByText(gallery.window, L"普通按钮"));
    ourLeftEdge = LeftEdge(gallery.window);
    EXPECT_TRUE(UnreadableImages(gallery.window).empty());
    EXPECT_TRUE(gallery.CloseAndExit());
  }
  {
    TGallery gallery(second);
    ASSERT_TRUE(gallery.WaitSkinned());
    ASSERT_TRUE(WaitFor([&] { return Differing(CaptionRow(gallery.window), ours) > 0; }, 10s));
    EXPECT_GT(Differing(CaptionRow(gallery.window), ours), static_cast<int>(ours.size()) / 2);
    // The palette images carry exactly our colours: the same pixels on screen.
    EXPECT_EQ(Differing(WindowPixels(FindChildByText(gallery.window, L"普通按钮")), ourButton), 0);
    EXPECT_EQ(Differing(LeftEdge(gallery.window), ourLeftEdge), 0);
    EXPECT_EQ(UnreadableImages(gallery.window),
              std::vector<std::wstring>{L"Headerbar: header.bmp"});
    EXPECT_FALSE(AnyMessageBox(gallery.process.Id()));
    EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_second_skin.png"));
  }
  {
    // Bytes that are no package: the reader cannot expand them.
    const std::string damaged = g_outUnix + "/damaged.skin";
    ASSERT_TRUE(WriteBytes(damaged, std::string(5000, 'x')));
    TGallery gallery(damaged);
    ASSERT_TRUE(gallery.WaitSkinned());
    const TMessageBox box = WaitForMessageBox(gallery.process.Id(), 10s);
    ASSERT_TRUE(box.window);
    EXPECT_FALSE(box.text.empty());
    EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_damaged_refused.png"));
    CloseMessageBox(box);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 5s));
    Pump(600ms);
    EXPECT_TRUE(Skinned(gallery.window));
    EXPECT_EQ(Differing(CaptionRow(gallery.window), ours), 0);
  }
}

// "文件 > 打开皮肤…" through the system's open-file dialog, typed as a user
// would: the running gallery switches to the chosen package.
TEST(GalleryE2E, OpenSkinDialogSwitchesTheRunningGallery) {
  const std::string second = g_outUnix + "/second.skin";
  ASSERT_FALSE(ReadBytes(second).empty()) << "the second package is made by the test before";
  TGallery gallery("");
  ASSERT_TRUE(gallery.WaitSkinned());
  const std::vector<COLORREF> ours = CaptionRow(gallery.window);
  ASSERT_TRUE(PressKeys(gallery.window, "ctrl+o"));
  HWND dialog = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (dialog = FindTopLevel(gallery.process.Id(), L"打开皮肤")); }, 10s));
  EXPECT_TRUE(WaitFor([&] { return Skinned(dialog); }, 5s));
  Pump(500ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/gallery_open_dialog.png"));
  const std::string windowsPath = Narrow(WinPathOfUnix(second));
  ASSERT_TRUE(PressKeys(dialog, "ctrl+a"));
  ASSERT_TRUE(RunUnix("xdotool type --delay 20 '" + windowsPath + "' && xdotool key Return"));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10s));
  EXPECT_TRUE(WaitFor([&] { return Differing(CaptionRow(gallery.window), ours) > 0; }, 10s));
  EXPECT_TRUE(Skinned(gallery.window));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: gallery_e2e GALLERY SKINPACK SKIN_SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  e2e::GalleryPaths() = {argv[1], argv[2], argv[3], argv[4]};
  CreateDirectoryW(e2e::WinPathOfUnix(argv[4]).c_str(), nullptr);
  return RUN_ALL_TESTS();
}
