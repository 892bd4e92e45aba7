// The real Tapvane.exe under Wine, driven as a user drives it. Timing checks
// use generous tolerances: they observe the behaviour, they do not measure it.
//
//   clicker_e2e TAPVANE_EXE TARGET_EXE OUTPUT_DIR   (Unix paths)
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ClickerDriver.h"
#include "TargetLog.h"

namespace {
// The skin's answer to "are you skinned?" and our skin's frame: a caption of
// 30 pixels (its Top image: 60 high, 2 frames) and 4-pixel borders.
constexpr UINT kSkinQuery = 0x3523;
constexpr int kSkinCaptionHeight = 30;
constexpr int kSkinBorder = 4;
}  // namespace

namespace {

using namespace e2e;

std::string g_exeUnix, g_targetUnix, g_outUnix;

constexpr RECT kTargetArea{0, 0, 440, 1024};
constexpr double kTolerance = 200;  // ms
const std::string kRoot = "http://www.velmora.example/";

std::wstring OutPath(const std::string& name) { return WinPathOfUnix(g_outUnix + "/" + name); }

// The desktop folder the program writes its shortcuts into.
std::wstring DesktopFolder() {
  HKEY key = nullptr;
  std::wstring folder;
  if (RegOpenKeyExW(HKEY_CURRENT_USER,
                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    if (RegQueryValueExW(key, L"Desktop", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                         &size) == ERROR_SUCCESS)
      folder = buffer;
    RegCloseKey(key);
  }
  return folder + L"\\";
}

std::vector<std::wstring> DesktopLinks() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((DesktopFolder() + L"*.lnk").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.emplace_back(data.cFileName);
  while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

void ClearDesktopLinks() {
  for (const auto& name : DesktopLinks()) DeleteFileW((DesktopFolder() + name).c_str());
}

bool HotkeyFree(UINT key) {
  const bool free = RegisterHotKey(nullptr, 0x6000, MOD_CONTROL, key) != FALSE;
  if (free) UnregisterHotKey(nullptr, 0x6000);
  return free;
}

class ClickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteListFile(""));
    app_ = std::make_unique<TClicker>(PortableTapvane().exe);
    ASSERT_TRUE(app_->Ready()) << app_->Problem();
  }
  void TearDown() override { app_.reset(); }

  // Starts the click target over the left of the screen, logging to name.
  void StartTarget(const std::string& name) {
    targetLog_ = OutPath(name);
    DeleteFileW(targetLog_.c_str());
    target_ = std::make_unique<TProcess>(
        L"\"" + WinPathOfUnix(g_targetUnix) + L"\" \"" + targetLog_ + L"\" " +
        std::to_wstring(kTargetArea.left) + L" " + std::to_wstring(kTargetArea.top) + L" " +
        std::to_wstring(kTargetArea.right) + L" " + std::to_wstring(kTargetArea.bottom));
    ASSERT_TRUE(WaitFor([&] { return !ReadTargetLog(targetLog_).empty(); }, 10s))
        << "target did not start";
  }
  std::vector<TTargetEvent> TargetEvents() const { return ReadTargetLog(targetLog_); }

  // Presses a button and returns the message box it brings up.
  TMessageBox PressForMessage(const std::wstring& caption) {
    EXPECT_TRUE(app_->Press(caption));
    return WaitForMessageBox(app_->Id(), 5s);
  }

  std::unique_ptr<TClicker> app_;
  std::unique_ptr<TProcess> target_;
  std::wstring targetLog_;
};

TEST_F(ClickerTest, MainWindowStartsAsLaidOut) {
  HWND form = app_->Form();
  RECT client{}, frame{};
  GetClientRect(form, &client);
  GetWindowRect(form, &frame);
  EXPECT_EQ(347, client.right);
  EXPECT_EQ(455, client.bottom);
  const LONG style = GetWindowLongW(form, GWL_STYLE);
  // The skin answers for the window and draws the caption itself (it keeps
  // WS_SYSMENU off so the system draws no buttons of its own).
  DWORD_PTR skinned = 0;
  SendMessageTimeoutW(form, kSkinQuery, 0, 0, SMTO_ABORTIFHUNG, 3000, &skinned);
  EXPECT_EQ(1u, skinned);
  POINT origin{0, 0};
  ClientToScreen(form, &origin);
  EXPECT_EQ(kSkinCaptionHeight, origin.y - frame.top);
  EXPECT_EQ(kSkinBorder, origin.x - frame.left);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  // Centred on the desktop.
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((frame.left + frame.right) - screenW), 2) << frame.left;
  // Centred before the skin took over; the skin keeps the top-left corner
  // and grows the frame downwards, so the centre moves by half that growth.
  EXPECT_LE(std::abs((frame.top + frame.bottom) - screenH), 2 + kSkinCaptionHeight) << frame.top;
  EXPECT_EQ(L"1000", WindowText(app_->EditClickTime()));
  EXPECT_TRUE(app_->Items().empty());
  EXPECT_EQ(L"Velmora 为您提供综合免费服务 www.velmora.example", app_->Status());
  HWND c1 = app_->Control(L"左键单击");
  ASSERT_NE(nullptr, c1);
  DWORD_PTR checked = 0;
  SendMessageTimeoutW(c1, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &checked);
  EXPECT_EQ(static_cast<DWORD_PTR>(BST_CHECKED), checked);
  // The coordinate fields follow the cursor.
  SetCursorPos(321, 234);
  EXPECT_TRUE(WaitFor(
      [&] { return WindowText(app_->EditX()) == L"321" && WindowText(app_->EditY()) == L"234"; },
      3s));

  SetCursorPos(1270, 1010);
  app_->BringToFront();
  Pump(500ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-settings.png", &frame));
  app_->ShowPage(1);
  HWND version = app_->Control(L"1.03.20100223");
  EXPECT_NE(nullptr, version);
  EXPECT_TRUE(version && IsWindowVisible(version));
  EXPECT_FALSE(IsWindowVisible(app_->EditX()));
  Pump(300ms);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-about.png", &frame));
}

TEST_F(ClickerTest, CtrlSFreezesTheFieldsAndAddAppendsTheItem) {
  ASSERT_TRUE(app_->Capture(640, 480));
  // Frozen: the fields keep the position while the cursor goes elsewhere.
  SetCursorPos(700, 500);
  Pump(400ms);
  EXPECT_EQ(L"640", WindowText(app_->EditX()));
  EXPECT_EQ(L"480", WindowText(app_->EditY()));
  ASSERT_TRUE(app_->Press(L"添加"));
  ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == 1; }, 3s));
  EXPECT_EQ(L"640|480|leftclick", app_->Items()[0]);
  // Tracking again after "添加".
  EXPECT_TRUE(WaitFor(
      [&] { return WindowText(app_->EditX()) == L"700" && WindowText(app_->EditY()) == L"500"; },
      3s));

  // The other actions, "删除" with and without a selection, "清空".
  ASSERT_TRUE(app_->AddItem(100, 200, L"右键单击"));
  ASSERT_TRUE(app_->AddItem(5, 6, L"移动鼠标"));
  ASSERT_TRUE(app_->AddItem(7, 8, L"左键双击"));
  EXPECT_EQ((std::vector<std::wstring>{L"640|480|leftclick", L"100|200|rightclick",
                                       L"5|6|movemouse", L"7|8|leftclick2"}),
            app_->Items());
  app_->Press(L"删除");
  Pump(300ms);
  EXPECT_EQ(4u, app_->Items().size());
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(app_->ListBox(), LB_SETCURSEL, 1, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
  app_->Press(L"删除");
  ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == 3; }, 3s));
  EXPECT_EQ(L"5|6|movemouse", app_->Items()[1]);
  app_->Press(L"清空");
  EXPECT_TRUE(WaitFor([&] { return app_->Items().empty(); }, 3s));

  // Ctrl+A with no run only says so; the mouse over the group box restores
  // the start text.
  app_->BringToFront();
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+a"));
  EXPECT_TRUE(WaitFor([&] { return app_->Status() == L"已经停止..."; }, 3s));
  EXPECT_FALSE(AnyMessageBox(app_->Id()));
  POINT inside{300, 240};
  ClientToScreen(app_->GroupBox1(), &inside);
  SetCursorPos(inside.x, inside.y);
  Pump(100ms);
  SetCursorPos(inside.x + 3, inside.y + 2);
  EXPECT_TRUE(WaitFor(
      [&] { return app_->Status() == L"Velmora 为您提供综合免费服务 www.velmora.example"; }, 3s));
}

TEST_F(ClickerTest, PassesClickEachItemInOrderAndCtrlAStopsInThePass) {
  StartTarget("pass-target.log");
  ASSERT_TRUE(app_->AddItem(100, 200, L"左键单击"));
  ASSERT_TRUE(app_->AddItem(200, 300, L"左键双击"));
  ASSERT_TRUE(app_->AddItem(300, 400, L"右键单击"));
  SetCursorPos(1200, 1000);
  app_->SetText(app_->EditClickTime(), L"1000");
  const double start = NowMs();
  ASSERT_TRUE(app_->Press(L"开始点击"));
  // A pass takes 800 + 900 + 1100 ms; stop in the first item of the second.
  Pump(4300ms);
  const double stopPressed = NowMs();
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+a"));
  EXPECT_TRUE(WaitFor([&] { return app_->Status() == L"已经停止..."; }, 1s))
      << "Ctrl+A is handled while the pass waits";
  Pump(3000ms);

  const auto events = TargetEvents();
  const auto buttons = ButtonEvents(events, start);
  const std::vector<std::string> onePass = {"LDOWN", "LUP", "LDOWN", "LUP",
                                            "LDOWN", "LUP", "RDOWN", "RUP"};
  const std::vector<POINT> where = {{100, 200}, {100, 200}, {200, 300}, {200, 300},
                                    {200, 300}, {200, 300}, {300, 400}, {300, 400}};
  ASSERT_GE(buttons.size(), onePass.size()) << "the first pass is whole";
  ASSERT_LT(buttons.size(), 2 * onePass.size()) << "the second pass ended at Ctrl+A";
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(onePass[i % 8], buttons[i].name) << i;
    EXPECT_EQ(where[i % 8].x, buttons[i].x) << i;
    EXPECT_EQ(where[i % 8].y, buttons[i].y) << i;
    EXPECT_LT(buttons[i].ms, stopPressed + 1000) << "no click a second after Ctrl+A";
  }
  const auto* p = buttons.data();
  EXPECT_NEAR(800, p[2].ms - p[0].ms, kTolerance) << "item 1 to item 2";
  EXPECT_NEAR(100, p[4].ms - p[3].ms, kTolerance / 2) << "double click gap";
  EXPECT_NEAR(900, p[6].ms - p[2].ms, kTolerance) << "item 2 to item 3";
  // The target polls the cursor every 10 ms: it saw it arrive about when
  // the buttons went down there.
  EXPECT_NEAR(p[0].ms, FirstPosAt(events, 100, 200, p[0].ms - 100), 100);
  EXPECT_NEAR(p[6].ms, FirstPosAt(events, 300, 400, p[6].ms - 100), 100);
  std::printf(
      "item gaps %.1f / %.1f ms, double-click gap %.1f ms, first pass %.1f ms after "
      "the start\n",
      p[2].ms - p[0].ms, p[6].ms - p[2].ms, p[4].ms - p[3].ms, p[0].ms - start);
  EXPECT_NEAR(1000, p[0].ms - start, 2 * kTolerance);
  if (buttons.size() > 8) {
    EXPECT_NEAR(1100, buttons[8].ms - buttons[6].ms, kTolerance)
        << "the next pass starts right after the previous";
  }
}

// Twenty items make a 16-second pass: the window answers within 200 ms all
// through it, and Ctrl+A, a real key, stops the next pass within a second.
TEST_F(ClickerTest, ALongPassLeavesTheWindowAnsweringAndCtrlAStopsItAtOnce) {
  StartTarget("long-pass-target.log");
  for (int i = 0; i < 20; ++i) {
    const std::wstring item = std::to_wstring(20 + 10 * i) + L"|500|movemouse";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(app_->ListBox(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()),
                        SMTO_ABORTIFHUNG, 3000, &ignored);
  }
  ASSERT_EQ(20u, app_->Items().size());
  app_->SetText(app_->EditClickTime(), L"100");
  ASSERT_TRUE(app_->Press(L"开始点击"));
  ASSERT_TRUE(WaitFor(
      [] {
        POINT at{};
        return GetCursorPos(&at) && at.x == 20 && at.y == 500;
      },
      3s))
      << "the pass began";
  const double passStart = NowMs();
  int probes = 0, late = 0;
  double slowest = 0;
  while (NowMs() - passStart < 16500) {
    const double sent = NowMs();
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutW(app_->Form(), WM_NULL, 0, 0, SMTO_NORMAL, 200, &result) != 0;
    slowest = std::max(slowest, NowMs() - sent);
    ++probes;
    late += !answered;
    Pump(100ms);
  }
  std::printf("%d probes over the pass, slowest answer %.1f ms\n", probes, slowest);
  EXPECT_EQ(0, late) << "probes unanswered within 200 ms";

  // The next pass is on its way through the list now.
  const double stopPressed = NowMs();
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+a"));
  ASSERT_TRUE(WaitFor([&] { return app_->Status() == L"已经停止..."; }, 1s));
  Pump(1000ms);
  const auto events = TargetEvents();
  double lastMove = 0;
  for (const auto& event : events)
    if (event.name == "POS" && event.y == 500) lastMove = std::max(lastMove, event.ms);
  EXPECT_LT(lastMove, stopPressed + 1000) << "the cursor rests a second after Ctrl+A";
}

TEST_F(ClickerTest, RefusesAnEmptyListAnEmptyOrNegativePeriod) {
  ClearDesktopLinks();
  auto box = PressForMessage(L"开始点击");
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(L"Tapvane", box.caption);
  EXPECT_EQ(L"请添加坐标.", box.text);
  // The message box wears the skin too.
  EXPECT_TRUE(WaitFor(
      [&] {
        DWORD_PTR skinned = 0;
        SendMessageTimeoutW(box.window, kSkinQuery, 0, 0, SMTO_ABORTIFHUNG, 3000, &skinned);
        return skinned == 1;
      },
      3s));
  Pump(500ms);
  RECT boxFrame{};
  GetWindowRect(box.window, &boxFrame);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/message-box.png", &boxFrame));
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));

  ASSERT_TRUE(app_->AddItem(50, 60, L"移动鼠标"));
  for (const wchar_t* period : {L"", L"-5", L"-2147483648", L"0"}) {
    app_->SetText(app_->EditClickTime(), period);
    box = PressForMessage(L"开始点击");
    ASSERT_NE(nullptr, box.window) << Narrow(period);
    EXPECT_EQ(L"请设置鼠标自动点击时间周期.", box.text) << Narrow(period);
    CloseMessageBox(box);
    ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));
  }
  SetCursorPos(400, 600);
  Pump(1500ms);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(400, cursor.x) << "no pass ran";
  EXPECT_TRUE(DesktopLinks().empty());

  ClearDesktopLinks();
}

TEST_F(ClickerTest, APeriodThatIsNoNumberShowsTheConversionErrorAndTheProgramGoesOn) {
  ClearDesktopLinks();
  ASSERT_TRUE(app_->AddItem(50, 60, L"移动鼠标"));
  app_->SetText(app_->EditClickTime(), L"abc");
  auto box = PressForMessage(L"开始点击");
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(L"Tapvane", box.caption);
  EXPECT_EQ(L"'abc' is not a valid integer value", box.text);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));
  EXPECT_TRUE(app_->Responsive());
  EXPECT_TRUE(DesktopLinks().empty());
  // Still working: tracking and adding.
  ASSERT_TRUE(app_->AddItem(70, 80, L"左键单击"));
  EXPECT_EQ(L"70|80|leftclick", app_->Items().back());
}

// The centre of a control on the screen.
POINT CentreOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A user types "abc" into the frozen X field and presses "添加": one box in
// the skin, nothing added. A bad item that reached the list anyway (put
// there by a message) stops the run at its first pass with one box; boxes
// do not pile up, and the program goes on.
TEST_F(ClickerTest, ABadCoordinateIsRefusedAndABadItemStopsTheRunWithOneBox) {
  ClearDesktopLinks();
  ASSERT_TRUE(app_->Capture(10, 10));
  const POINT field = CentreOf(app_->EditX());
  ASSERT_TRUE(XClick(field.x, field.y));
  ASSERT_TRUE(PressKeys(app_->Form(), "End shift+Home a b c"));
  ASSERT_TRUE(WaitFor([&] { return WindowText(app_->EditX()) == L"abc"; }, 3s));
  const POINT add = CentreOf(app_->Control(L"添加"));
  ASSERT_TRUE(XClick(add.x, add.y));
  auto box = WaitForMessageBox(app_->Id(), 5s);
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(L"坐标 X 和 Y 必须是整数.", box.text);
  DWORD_PTR skinned = 0;
  SendMessageTimeoutW(box.window, kSkinQuery, 0, 0, SMTO_ABORTIFHUNG, 3000, &skinned);
  EXPECT_EQ(1u, skinned) << "the box wears the skin";
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));
  EXPECT_TRUE(app_->Items().empty());
  EXPECT_EQ(L"abc", WindowText(app_->EditX())) << "still frozen for the user to put right";

  const std::wstring bad = L"abc|100|leftclick";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(app_->ListBox(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bad.c_str()),
                      SMTO_ABORTIFHUNG, 3000, &ignored);
  ASSERT_EQ(1u, app_->Items().size());
  app_->SetText(app_->EditClickTime(), L"100");
  const POINT start = CentreOf(app_->Control(L"开始点击"));
  ASSERT_TRUE(XClick(start.x, start.y));
  box = WaitForMessageBox(app_->Id(), 5s);
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(L"第 1 项 \"abc|100|leftclick\" 的坐标不是整数, 已经停止点击.", box.text);
  // Fifty ticks of the old timer would have opened fifty boxes by now.
  Pump(5000ms);
  EXPECT_EQ(1, MessageBoxCount(app_->Id()));
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));
  EXPECT_TRUE(app_->Process().Running());
  EXPECT_TRUE(app_->Responsive(2s));
  EXPECT_EQ(L"已经停止...", app_->Status());
  Pump(1000ms);
  EXPECT_FALSE(AnyMessageBox(app_->Id())) << "the run stays stopped";
  EXPECT_EQ(std::vector<std::wstring>{bad}, app_->Items()) << "the user's list is kept";
  ClearDesktopLinks();
}

TEST_F(ClickerTest, ThreeRunsLeaveOneShortcutOfEachKind) {
  ClearDesktopLinks();
  ASSERT_TRUE(app_->AddItem(50, 60, L"移动鼠标"));
  app_->SetText(app_->EditClickTime(), L"600000");
  FILETIME previous{};
  for (int run = 0; run < 3; ++run) {
    const auto program = DesktopFolder() + L"Tapvane.lnk";
    ASSERT_TRUE(app_->Press(L"开始点击"));
    ASSERT_TRUE(WaitFor(
        [&] {
          WIN32_FILE_ATTRIBUTE_DATA data{};
          if (!GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &data)) return false;
          if (CompareFileTime(&data.ftLastWriteTime, &previous) <= 0) return false;
          previous = data.ftLastWriteTime;
          return true;
        },
        5s))
        << "run " << run << " rewrote Tapvane.lnk";
    Pump(1100ms);
  }
  const auto links = DesktopLinks();
  ASSERT_EQ(2u, links.size());
  EXPECT_TRUE((links == std::vector<std::wstring>{L"Tapvane.lnk", L"Zelquin.lnk"}) ||
              (links == std::vector<std::wstring>{L"Zelquin.lnk", L"Tapvane.lnk"}));

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  auto read = [](const std::wstring& file, std::wstring& path, std::wstring& description) {
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
      if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
          SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t buffer[1024] = {};
        link->GetPath(buffer, 1024, nullptr, SLGP_RAWPATH);
        path = buffer;
        buffer[0] = 0;
        link->GetDescription(buffer, 1024);
        description = buffer;
      }
      if (persist) persist->Release();
      link->Release();
    }
  };
  std::wstring path, description;
  read(DesktopFolder() + L"Tapvane.lnk", path, description);
  EXPECT_EQ(0, lstrcmpiW(PortableTapvane().exe.c_str(), path.c_str())) << Narrow(path);
  EXPECT_EQ(L"Velmora", description);
  read(DesktopFolder() + L"Zelquin.lnk", path, description);
  // Wine's shell link turns the address into a path under the current folder.
  const std::wstring address = L"http://www.velmora.example/?qq=PointrelD";
  const std::wstring asWinePath = L"\\http:\\www.velmora.example\\?qq=PointrelD";
  EXPECT_TRUE(path == address ||
              (path.size() > asWinePath.size() &&
               path.compare(path.size() - asWinePath.size(), asWinePath.size(), asWinePath) == 0))
      << Narrow(path);
  EXPECT_EQ(L"Velmora", description);
  CoUninitialize();
  app_->BringToFront();
  PressKeys(app_->Form(), "ctrl+a");
  ClearDesktopLinks();
}

class WebLinkTest : public ClickerTest {
 protected:
  void SetUp() override {
    ClickerTest::SetUp();
    browserLog_ = g_outUnix + "/browser.log";
    const std::string script = g_outUnix + "/record-browser.sh";
    // The "browser" Wine starts for an http address: it notes the address.
    FILE* f = _wfopen(WinPathOfUnix(script).c_str(), L"wb");
    ASSERT_NE(nullptr, f);
    const std::string body = "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + browserLog_ + "'\n";
    std::fwrite(body.data(), 1, body.size(), f);
    std::fclose(f);
    ASSERT_TRUE(RunUnix("chmod +x '" + script + "' && rm -f '" + browserLog_ + "'"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0,
                                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    const std::wstring value = Widen(script);
    RegSetValueExW(key, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers");
    ClickerTest::TearDown();
  }
  std::vector<std::string> Launches() const {
    std::vector<std::string> lines;
    FILE* in = _wfopen(WinPathOfUnix(browserLog_).c_str(), L"r");
    if (!in) return lines;
    char line[2048];
    while (std::fgets(line, sizeof line, in)) {
      std::string text = line;
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      lines.push_back(text);
    }
    std::fclose(in);
    return lines;
  }
  // Waits for the count-th browser launch and returns its address.
  std::string WaitLaunch(std::size_t count) {
    WaitFor([&] { return Launches().size() >= count; }, 10s);
    Pump(500ms);  // a second launch would show up by now
    const auto lines = Launches();
    EXPECT_EQ(count, lines.size());
    return lines.size() >= count ? lines[count - 1] : std::string();
  }
  std::string browserLog_;
};

TEST_F(WebLinkTest, EachLinkControlOpensTheSiteWithTheVersion) {
  ASSERT_TRUE(app_->Press(L"检测更新"));
  EXPECT_EQ(kRoot + "?qq=Pointrel1.03.20100223", WaitLaunch(1));

  POINT banner{100, 40};
  ClientToScreen(app_->Form(), &banner);
  app_->BringToFront();
  ClickAt(banner.x, banner.y);
  EXPECT_EQ(kRoot + "?qq=Pointrel1.03.20100223", WaitLaunch(2));

  app_->ShowPage(1);
  HWND version = app_->Control(L"1.03.20100223");
  ASSERT_NE(nullptr, version);
  app_->SetText(version, L"x");
  POINT label{77 + 6, 72 + 5};
  ClientToScreen(GetParent(version), &label);
  ClickAt(label.x, label.y);
  EXPECT_EQ(kRoot + "?qq=Pointrelx", WaitLaunch(3));

  // Whatever is typed, the shell gets one well-formed address.
  app_->SetText(version, L"a b&c\"版 --x");
  ASSERT_TRUE(app_->Press(L"检测更新"));
  EXPECT_EQ(kRoot + "?qq=Pointrela%20b%26c%22%E7%89%88%20--x", WaitLaunch(4));
}

enum class TCloseBy { CaptionButton, AltF4, ExitButton };

class CloseTest : public ClickerTest, public ::testing::WithParamInterface<TCloseBy> {};

// The centre of a caption button of our skin: right-aligned buttons sit
// Xcoord pixels left of the window's right edge, 4 down, 30 by 22.
POINT SkinButtonCentre(HWND form, int xcoord) {
  RECT frame{};
  GetWindowRect(form, &frame);
  return POINT{frame.right - xcoord + 15, frame.top + 4 + 11};
}
constexpr int kCloseXcoord = 35;
constexpr int kMinimizeXcoord = 95;

TEST_F(ClickerTest, SkinnedMinimiseAndRestoreWithRealClicks) {
  app_->BringToFront();
  const POINT minimise = SkinButtonCentre(app_->Form(), kMinimizeXcoord);
  ASSERT_TRUE(XClick(minimise.x, minimise.y));
  ASSERT_TRUE(WaitFor([&] { return IsIconic(app_->Form()) != FALSE; }, 5s));
  // Without a taskbar Wine parks minimised windows at -32000, out of the
  // pointer's reach: restore as the taskbar would.
  PostMessageW(app_->Form(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(app_->Form()) == FALSE; }, 5s));
  RECT client{};
  GetClientRect(app_->Form(), &client);
  EXPECT_EQ(347, client.right);
  EXPECT_EQ(455, client.bottom);
}

// The screen's pixel at a point, as the X server shows it.
COLORREF ScreenPixel(POINT point) {
  const HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool MovePointer(POINT point) {
  return RunUnix("xdotool mousemove --sync " + std::to_string(point.x) + " " +
                 std::to_string(point.y));
}

TEST_F(ClickerTest, PushButtonShowsHotAndPressedUnderTheRealPointerAndClicksOnRelease) {
  ASSERT_FALSE(SkinSource().empty()) << "the test needs the skin's source folder";
  app_->BringToFront();
  const HWND start = app_->Control(L"开始点击");
  ASSERT_NE(nullptr, start);
  const TButtonStrip strip = ButtonStrip(SkinSource());
  ASSERT_FALSE(strip.image.pixels.empty());
  const auto shown = [&] { return ButtonFrameShown(start, strip); };
  RECT button{};
  GetWindowRect(start, &button);
  const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  ASSERT_TRUE(MovePointer(POINT{button.left - 40, button.top - 40}));
  Pump(300ms);
  EXPECT_EQ(FocusInThreadOf(start) == start ? kFocusedFrame : kNormalFrame, shown());
  ASSERT_TRUE(MovePointer(centre));
  ASSERT_TRUE(WaitFor([&] { return shown() == kHotFrame; }, 3s)) << "frame " << shown();
  RECT frame{};
  GetWindowRect(app_->Form(), &frame);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-button-hot.png", &frame));
  ASSERT_TRUE(RunUnix("xdotool mousedown 1"));
  EXPECT_TRUE(WaitFor([&] { return shown() == kPressedFrame; }, 3s)) << "frame " << shown();
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-button-pressed.png", &frame));
  ASSERT_TRUE(RunUnix("xdotool mouseup 1"));
  // The release clicks: with an empty list the program says so.
  const TMessageBox box = WaitForMessageBox(app_->Id(), 5s);
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(L"请添加坐标.", box.text);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitFor([&] { return !AnyMessageBox(app_->Id()); }, 3s));
}

// A real click at a control's point (x from its left edge, mid-height).
bool ClickControl(HWND control, int fromLeft = -1) {
  RECT r{};
  if (!control || !GetWindowRect(control, &r)) return false;
  const int x = fromLeft < 0 ? (r.left + r.right) / 2 : r.left + fromLeft;
  return XClick(x, (r.top + r.bottom) / 2);
}

LRESULT Ask(HWND window, UINT msg, WPARAM wParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, msg, wParam, 0, SMTO_ABORTIFHUNG, 3000, &result);
  return static_cast<LRESULT>(result);
}

// A person's session with the skinned controls: pointer and keyboard only.
TEST_F(ClickerTest, SkinnedControlsWorkUnderTheRealPointerAndKeyboard) {
  app_->BringToFront();
  ASSERT_TRUE(MovePointer(POINT{100, 120}));
  ASSERT_TRUE(WaitFor([&] { return WindowText(app_->EditX()) == L"100"; }, 3s));
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+s"));
  Pump(300ms);

  const HWND right = app_->Control(L"右键单击");
  ASSERT_TRUE(ClickControl(right, 6));
  EXPECT_TRUE(WaitFor([&] { return Ask(right, BM_GETCHECK) == BST_CHECKED; }, 3s));
  EXPECT_EQ(BST_UNCHECKED, Ask(app_->Control(L"左键单击"), BM_GETCHECK));

  ASSERT_TRUE(ClickControl(app_->EditClickTime()));
  ASSERT_TRUE(PressKeys(app_->Form(), "End shift+Home 7 5 0"));
  EXPECT_TRUE(WaitFor([&] { return WindowText(app_->EditClickTime()) == L"750"; }, 3s));

  ASSERT_TRUE(ClickControl(app_->Control(L"添加")));
  ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == 1; }, 3s));
  EXPECT_EQ(L"100|120|rightclick", app_->Items()[0]);
  // Tracking again: a second click where the pointer rests adds the place
  // of "添加" itself.
  ASSERT_TRUE(ClickControl(app_->Control(L"添加")));
  ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == 2; }, 3s));

  // The first row chosen in the list, then "删除".
  RECT list{};
  GetWindowRect(app_->ListBox(), &list);
  ASSERT_TRUE(XClick(list.left + 30, list.top + 6));
  ASSERT_TRUE(WaitFor([&] { return Ask(app_->ListBox(), LB_GETCURSEL) == 0; }, 3s));
  ASSERT_TRUE(ClickControl(app_->Control(L"删除")));
  ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == 1; }, 3s));
  EXPECT_NE(L"100|120|rightclick", app_->Items()[0]);
  ASSERT_TRUE(ClickControl(app_->Control(L"清空")));
  EXPECT_TRUE(WaitFor([&] { return app_->Items().empty(); }, 3s));
}

// The program's open popup menu window, if any.
HWND OpenMenuOf(DWORD process) {
  HWND found = nullptr;
  for (HWND w = FindWindowW(L"#32768", nullptr); w && !found;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == process && IsWindowVisible(w)) found = w;
  }
  return found;
}

// Where the skin's close glyph (the menu glyph list's fourth picture: a
// black cross, two pixels wide, 3 pixels into its 16-pixel cell) shows in
// an area of the screen; {-1, -1} when it is nowhere.
POINT FindCloseGlyph(const RECT& area) {
  const std::vector<COLORREF> pixels = ScreenPixels(area);
  const int width = area.right - area.left, height = area.bottom - area.top;
  const auto black = [&](int x, int y) { return pixels[y * width + x] == RGB(0, 0, 0); };
  constexpr int kCross = 9;
  for (int y = 0; y + kCross <= height; ++y) {
    for (int x = 0; x + kCross + 1 <= width; ++x) {
      bool cross = true;
      for (int i = 0; i < kCross && cross; ++i)
        cross = black(x + i, y + i) && black(x + i + 1, y + i) && black(x + kCross - 1 - i, y + i);
      if (cross) return POINT{area.left + x, area.top + y};
    }
  }
  return POINT{-1, -1};
}

// A real right click on the caption opens the system menu drawn in the
// skin: the glyphs are the skin's, not the system's letters.
TEST_F(ClickerTest, RightClickOnTheCaptionOpensTheSkinnedSystemMenuAndCloseClosesTheWindow) {
  app_->BringToFront();
  RECT frame{};
  GetWindowRect(app_->Form(), &frame);
  ASSERT_TRUE(XClick(frame.left + 150, frame.top + 15, 3));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = OpenMenuOf(app_->Id())) != nullptr; }, 5s));
  Pump(300ms);
  RECT area{};
  GetWindowRect(menu, &area);
  RECT shot{};
  UnionRect(&shot, &area, &frame);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-system-menu.png", &shot));
  const POINT cross = FindCloseGlyph(area);
  ASSERT_GE(cross.x, 0) << "the skin's close glyph is not in the menu";
  // The close entry is the row of its glyph; the real pointer chooses it.
  ASSERT_TRUE(XClick(cross.x + 40, cross.y + 4));
  EXPECT_TRUE(app_->Process().WaitExit(10s));
}

// The guard against a double click: a second right click within the
// double-click time opens nothing; one after it opens the menu again. A
// left click on the window icon opens it where the icon was clicked.
TEST_F(ClickerTest, SecondRightClickWithinTheDoubleClickTimeOpensNoMenuAndTheIconOpensIt) {
  app_->BringToFront();
  RECT frame{};
  GetWindowRect(app_->Form(), &frame);
  const std::string at =
      std::to_string(frame.left + 150) + " " + std::to_string(frame.top + 15) + " ";
  ASSERT_TRUE(RunUnix("xdotool mousemove --sync " + at + "click 3 sleep 0.15 key Escape click 3"));
  Pump(1200ms);
  EXPECT_EQ(nullptr, OpenMenuOf(app_->Id()));
  ASSERT_TRUE(XClick(frame.left + 150, frame.top + 15, 3));
  EXPECT_TRUE(WaitFor([&] { return OpenMenuOf(app_->Id()) != nullptr; }, 5s));
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  EXPECT_TRUE(WaitFor([&] { return OpenMenuOf(app_->Id()) == nullptr; }, 5s));
  Pump(700ms);  // past the double-click time of the last opening

  const POINT icon{frame.left + 15, frame.top + 14};
  ASSERT_TRUE(XClick(icon.x, icon.y));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = OpenMenuOf(app_->Id())) != nullptr; }, 5s));
  RECT opened{};
  GetWindowRect(menu, &opened);
  EXPECT_LE(std::abs(opened.left - icon.x), 3);
  EXPECT_LE(std::abs(opened.top - icon.y), 3);
  ASSERT_TRUE(RunUnix("xdotool key Escape"));
  EXPECT_TRUE(WaitFor([&] { return OpenMenuOf(app_->Id()) == nullptr; }, 5s));
  // The program goes on working.
  const TMessageBox box = PressForMessage(L"开始点击");
  ASSERT_NE(nullptr, box.window);
  CloseMessageBox(box);
}

LRESULT TopIndex(HWND list) {
  DWORD_PTR index = 0;
  SendMessageTimeoutW(list, LB_GETTOPINDEX, 0, 0, SMTO_ABORTIFHUNG, 3000, &index);
  return static_cast<LRESULT>(index);
}

TEST_F(ClickerTest, ListScrollsUnderTheRealPointerOnItsSkinnedScrollBar) {
  app_->BringToFront();
  const HWND list = app_->ListBox();
  for (int i = 0; i < 40 && !(GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL); ++i) {
    const size_t before = app_->Items().size();
    ASSERT_TRUE(app_->Press(L"添加"));
    ASSERT_TRUE(WaitFor([&] { return app_->Items().size() == before + 1; }, 3s));
  }
  ASSERT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL) << "the list never needed a bar";
  HWND cover = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        cover = FindWindowExW(GetParent(list), nullptr, L"TWScrollbar", nullptr);
        return cover && IsWindowVisible(cover);
      },
      3s))
      << "no cover over the list's bar";
  RECT bar{}, items{};
  GetWindowRect(cover, &bar);
  GetWindowRect(list, &items);
  items.right = bar.left;  // the text, without the bar
  const int thickness = bar.right - bar.left;
  // Off the arrow's chevron, in the cell's plain fill: the colour there is
  // the skin's down arrow cell (13 of the "Scrollbar" strip), its pressed
  // cell (14) or its hot cell (16).
  const POINT downArrow{bar.left + 4, bar.bottom - thickness + 4};
  const std::wstring ini = SkinSource() + L"\\tapvane.ini";
  const TBitmapPixels cells = BitmapFilePixels(SkinSource() + L"\\scrollbar.bmp");
  const int cellCount =
      static_cast<int>(GetPrivateProfileIntW(L"Scrollbar", L"Frame", 0, ini.c_str()));
  ASSERT_FALSE(cells.pixels.empty());
  ASSERT_GE(cellCount, 16);
  const auto cell = [&](int number) {
    return cells.At((number - 1) * cells.width / cellCount + 4, 4);
  };
  ASSERT_TRUE(MovePointer(POINT{bar.left - 60, bar.top - 40}));
  Pump(300ms);
  EXPECT_EQ(cell(13), ScreenPixel(downArrow));
  const std::vector<COLORREF> unscrolled = ScreenPixels(items);
  ASSERT_EQ(0, TopIndex(list));

  ASSERT_TRUE(MovePointer(downArrow));
  EXPECT_TRUE(WaitFor([&] { return ScreenPixel(downArrow) == cell(16); }, 3s)) << "no hot arrow";
  ASSERT_TRUE(RunUnix("xdotool mousedown 1"));
  EXPECT_TRUE(WaitFor([&] { return ScreenPixel(downArrow) == cell(14); }, 3s))
      << "no pressed arrow";
  EXPECT_TRUE(WaitFor([&] { return TopIndex(list) > 0; }, 3s)) << "the list did not scroll";
  ASSERT_TRUE(RunUnix("xdotool mouseup 1"));
  Pump(300ms);
  EXPECT_NE(unscrolled, ScreenPixels(items)) << "the list's text on screen moved";
  RECT frame{};
  GetWindowRect(app_->Form(), &frame);
  EXPECT_TRUE(SaveScreenshot(g_outUnix + "/main-list-scrolled.png", &frame));
}

// The skin's control atom of a program's GUI thread: its module and thread.
std::string ControlAtomText(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "ControlOfs%.8lX%.8lX",
                static_cast<unsigned long>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                static_cast<unsigned long>(GetWindowThreadProcessId(window, nullptr)));
  return text;
}

// Closing releases the hotkeys, and leaves nothing in the system's global
// atom table, which is finite and outlives the process.
TEST_P(CloseTest, ClosingReleasesBothHotkeysAndTheControlAtom) {
  EXPECT_FALSE(HotkeyFree('S'));
  EXPECT_FALSE(HotkeyFree('A'));
  const std::string atom = ControlAtomText(app_->Form());
  EXPECT_NE(0, GlobalFindAtomA(atom.c_str())) << atom;
  app_->BringToFront();
  switch (GetParam()) {
    case TCloseBy::CaptionButton: {
      const POINT point = SkinButtonCentre(app_->Form(), kCloseXcoord);
      ASSERT_TRUE(XClick(point.x, point.y));
      break;
    }
    case TCloseBy::AltF4:
      ASSERT_TRUE(PressKeys(app_->Form(), "alt+F4"));
      break;
    case TCloseBy::ExitButton:
      ASSERT_TRUE(app_->Press(L"退出程序"));
      break;
  }
  ASSERT_TRUE(app_->Process().WaitExit(10s));
  EXPECT_TRUE(HotkeyFree('S'));
  EXPECT_TRUE(HotkeyFree('A'));
  // Wine keeps the name of a registered window message in the global atom
  // table too, with one reference of its own that only the session ends:
  // take that one away, and nothing may be left of the program's own.
  if (const ATOM left = GlobalFindAtomA(atom.c_str())) GlobalDeleteAtom(left);
  EXPECT_EQ(0, GlobalFindAtomA(atom.c_str())) << atom;
}

INSTANTIATE_TEST_SUITE_P(Clicker, CloseTest,
                         ::testing::Values(TCloseBy::CaptionButton, TCloseBy::AltF4,
                                           TCloseBy::ExitButton),
                         [](const auto& info) {
                           switch (info.param) {
                             case TCloseBy::CaptionButton:
                               return "CaptionButton";
                             case TCloseBy::AltF4:
                               return "AltF4";
                             default:
                               return "ExitButton";
                           }
                         });

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: clicker_e2e TAPVANE_EXE TARGET_EXE OUTPUT_DIR [SKIN_SOURCE_DIR]\n");
    return 2;
  }
  g_exeUnix = argv[1];
  g_targetUnix = argv[2];
  g_outUnix = argv[3];
  CreateDirectoryW(WinPathOfUnix(g_outUnix).c_str(), nullptr);
  if (argc > 4) SetSkinSource(WinPathOfUnix(argv[4]));
  if (!MakePortableTapvane(WinPathOfUnix(g_exeUnix), OutPath("portable"))) {
    std::fprintf(stderr, "cannot copy Tapvane.exe beside a list file\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
