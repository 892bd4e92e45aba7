// The click list kept between runs and edited in place, on the real
// Tapvane.exe (a copy with its list file beside it) under Wine: real pointer
// clicks and keys, the file read between runs, the popup menu's frame read
// on screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ClickerDriver.h"

namespace {

using namespace e2e;

const std::string kHeader = "Tapvane click list 1\r\n";

std::string OutputFolderUnix();

class ClickListE2E : public ::testing::Test {
 protected:
  void TearDown() override { app_.reset(); }

  void Start() {
    app_ = std::make_unique<TClicker>(PortableTapvane().exe);
    ASSERT_TRUE(app_->Ready()) << app_->Problem();
  }
  // "退出程序" pressed with the real pointer.
  void Quit() {
    ClickControl(app_->Control(L"退出程序"));
    ASSERT_TRUE(app_->Process().WaitExit(10s));
    app_.reset();
  }
  void ClickControl(HWND control, int button = 1) {
    RECT r{};
    GetWindowRect(control, &r);
    ASSERT_TRUE(XClick((r.left + r.right) / 2, (r.top + r.bottom) / 2, button));
    Pump(200ms);
  }
  // The screen point of a list row (item height 12 in the layout).
  POINT Row(int index) const {
    POINT at{20, 12 * index + 6};
    ClientToScreen(app_->ListBox(), &at);
    return at;
  }
  LRESULT Selected() const {
    DWORD_PTR index = 0;
    SendMessageTimeoutW(app_->ListBox(), LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 3000, &index);
    return static_cast<LRESULT>(index);
  }
  // Opens the list's menu with a real right click on a row.
  HWND OpenMenuOn(int row) {
    app_->BringToFront();
    const POINT at = Row(row);
    EXPECT_TRUE(XClick(at.x, at.y, 3));
    HWND menu = nullptr;
    WaitFor([&] { return (menu = OpenMenu()) != nullptr; }, 5s);
    Pump(300ms);
    return menu;
  }
  HWND OpenMenu() const {
    for (HWND w = FindWindowW(L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
      if (ProcessOf(w) == app_->Id() && IsWindowVisible(w)) return w;
    return nullptr;
  }
  // Chooses the menu item that many rows below the first (negative: above
  // the first, counting from the last) with real keys.
  void ChooseFromMenu(const std::string& keys) {
    ASSERT_TRUE(RunUnix("xdotool key --delay 80 " + keys + " Return"));
    ASSERT_TRUE(WaitFor([&] { return OpenMenu() == nullptr; }, 5s));
    Pump(300ms);
  }
  // A dialog of the program with that caption, answered by typing a path.
  void AnswerFileDialog(const std::wstring& caption, const std::wstring& path) {
    HWND dialog = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (dialog = FindTopLevel(app_->Id(), caption)) != nullptr; }, 10s));
    Pump(800ms);
    // The name field has the focus and starts empty (Ctrl+A is Tapvane's stop key).
    const std::string typed = Narrow(path);
    ASSERT_TRUE(RunUnix("xdotool type --delay 20 '" + typed + "'"));
    ASSERT_TRUE(RunUnix("xdotool key Return"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10s));
    Pump(300ms);
  }

  std::unique_ptr<TClicker> app_;
};

std::vector<std::wstring> Files(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.emplace_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

void RemoveDamagedCopies() {
  const std::wstring folder = PortableTapvane().folder + L"\\";
  for (const std::wstring& name : Files(folder + L"Tapvane.list.damaged-*.txt"))
    DeleteFileW((folder + name).c_str());
}

bool Checked(HWND radio) {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(radio, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state);
  return state == BST_CHECKED;
}

TEST_F(ClickListE2E, TheListThePeriodAndTheActionComeBackAtTheNextStart) {
  ASSERT_TRUE(WriteListFile(""));
  Start();
  ASSERT_TRUE(app_->AddItem(300, 400, L"右键单击"));
  ASSERT_TRUE(app_->AddItem(310, 420, L"左键双击"));
  // The period typed with real keys, the action chosen with the real pointer.
  ClickControl(app_->EditClickTime());
  ASSERT_TRUE(PressKeys(app_->Form(), "End BackSpace BackSpace BackSpace BackSpace 7 5 0"));
  ClickControl(app_->Control(L"移动鼠标"));
  ASSERT_TRUE(WaitFor(
      [&] {
        return ReadFileBytes(PortableTapvane().listFile).find("action=movemouse") !=
               std::string::npos;
      },
      5s));
  Quit();
  EXPECT_EQ(
      kHeader + "period=750\r\naction=movemouse\r\n300|400|rightclick\r\n310|420|leftclick2\r\n",
      ReadFileBytes(PortableTapvane().listFile));

  Start();
  EXPECT_EQ((std::vector<std::wstring>{L"300|400|rightclick", L"310|420|leftclick2"}),
            app_->Items());
  EXPECT_EQ(L"750", WindowText(app_->EditClickTime()));
  EXPECT_TRUE(Checked(app_->Control(L"移动鼠标")));
  EXPECT_FALSE(Checked(app_->Control(L"左键单击")));
  EXPECT_FALSE(AnyMessageBox(app_->Id()));
}

TEST_F(ClickListE2E, ADamagedFileIsReportedOnceItsGoodLinesKeptAndTheFileSetAside) {
  RemoveDamagedCopies();
  const std::string damaged = kHeader +
                              "period=400\r\n10|20|leftclick\r\n\x01\x02\xFF\xFE\r\n1.5|2|"
                              "leftclick\r\n30|40|rightclick\r\n50|6";
  ASSERT_TRUE(WriteListFile(damaged));
  Start();
  const TMessageBox box = WaitForMessageBox(app_->Id(), 10s);
  ASSERT_NE(nullptr, box.window);
  EXPECT_NE(std::wstring::npos, box.text.find(L"第 4-5、7 行(共 3 行)")) << Narrow(box.text);
  RECT area{};
  GetWindowRect(box.window, &area);
  EXPECT_TRUE(SaveScreenshot(OutputFolderUnix() + "/main-list-damaged.png", &area));
  CloseMessageBox(box);
  EXPECT_EQ((std::vector<std::wstring>{L"10|20|leftclick", L"30|40|rightclick"}), app_->Items());
  EXPECT_EQ(L"400", WindowText(app_->EditClickTime()));
  const std::vector<std::wstring> aside =
      Files(PortableTapvane().folder + L"\\Tapvane.list.damaged-*.txt");
  ASSERT_EQ(1u, aside.size());
  EXPECT_NE(std::wstring::npos, box.text.find(aside[0]));
  EXPECT_EQ(damaged, ReadFileBytes(PortableTapvane().folder + L"\\" + aside[0]));
  Quit();

  Start();
  Pump(1500ms);
  EXPECT_FALSE(AnyMessageBox(app_->Id())) << "told once: the file was written back sound";
  EXPECT_EQ(2u, app_->Items().size());
  RemoveDamagedCopies();
}

TEST_F(ClickListE2E, TheSkinnedMenuAndCtrlArrowsMoveItemsDeleteRemovesADoubleClickLoads) {
  ASSERT_TRUE(WriteListFile(kHeader + "1|1|leftclick\r\n2|2|rightclick\r\n3|3|movemouse\r\n"));
  Start();
  HWND menu = OpenMenuOn(1);
  ASSERT_NE(nullptr, menu) << "no menu on a right click";
  EXPECT_EQ(1, Selected()) << "the right click picks the row";
  RECT area{}, frame{};
  GetWindowRect(menu, &area);
  GetWindowRect(app_->Form(), &frame);
  RECT shot{};
  UnionRect(&shot, &area, &frame);
  EXPECT_TRUE(SaveScreenshot(OutputFolderUnix() + "/main-list-menu.png", &shot));
  // The frame's corners are the MenuBackground image's own corners (its
  // 3-pixel margins are copied, not stretched).
  ASSERT_FALSE(SkinSource().empty()) << "the test needs the skin's source folder";
  const TBitmapPixels image = BitmapFilePixels(SkinSource() + L"\\menuback.bmp");
  ASSERT_FALSE(image.pixels.empty());
  const int w = image.width, h = image.height;
  const std::vector<COLORREF> screen = ScreenPixels(area);
  const int sw = area.right - area.left, sh = area.bottom - area.top;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(image.At(x, y), screen[y * sw + x]) << x << "," << y;
      EXPECT_EQ(image.At(w - 1 - x, h - 1 - y), screen[(sh - 1 - y) * sw + (sw - 1 - x)])
          << x << "," << y;
    }
  }
  ChooseFromMenu("Down Down");  // 修改, then 上移
  EXPECT_EQ((std::vector<std::wstring>{L"2|2|rightclick", L"1|1|leftclick", L"3|3|movemouse"}),
            app_->Items());
  EXPECT_EQ(0, Selected());

  const POINT last = Row(2);
  ASSERT_TRUE(XClick(last.x, last.y));
  Pump(200ms);
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+Up"));
  Pump(300ms);
  EXPECT_EQ((std::vector<std::wstring>{L"2|2|rightclick", L"3|3|movemouse", L"1|1|leftclick"}),
            app_->Items());
  ASSERT_TRUE(PressKeys(app_->Form(), "ctrl+Down Delete"));
  Pump(300ms);
  EXPECT_EQ((std::vector<std::wstring>{L"2|2|rightclick", L"1|1|leftclick"}), app_->Items());
  EXPECT_TRUE(WaitFor(
      [&] {
        return ReadFileBytes(PortableTapvane().listFile)
            .ends_with("2|2|rightclick\r\n1|1|leftclick\r\n");
      },
      5s));

  const POINT first = Row(0);
  ASSERT_TRUE(RunUnix("xdotool mousemove --sync " + std::to_string(first.x) + " " +
                      std::to_string(first.y) + " click --repeat 2 --delay 80 1"));
  EXPECT_TRUE(WaitFor(
      [&] { return WindowText(app_->EditX()) == L"2" && WindowText(app_->EditY()) == L"2"; }, 3s));
  EXPECT_TRUE(Checked(app_->Control(L"右键单击")));
}

TEST_F(ClickListE2E, ExportClearImportGivesTheSameList) {
  const std::string list = kHeader +
                           "period=1000\r\naction=leftclick\r\n11|12|leftclick\r\n-13|14|"
                           "leftclick2\r\n15|16|rightclick\r\n";
  ASSERT_TRUE(WriteListFile(list));
  const std::wstring exported = PortableTapvane().folder + L"\\exported.txt";
  DeleteFileW(exported.c_str());
  Start();
  const std::vector<std::wstring> before = app_->Items();
  ASSERT_EQ(3u, before.size());

  ASSERT_NE(nullptr, OpenMenuOn(0));
  ChooseFromMenu("Up");  // the last item: 导出…
  AnswerFileDialog(L"导出点击列表", exported);
  ASSERT_TRUE(WaitFor([&] { return !ReadFileBytes(exported).empty(); }, 5s));
  EXPECT_EQ(list, ReadFileBytes(exported));

  ClickControl(app_->Control(L"清空"));
  ASSERT_TRUE(WaitFor([&] { return app_->Items().empty(); }, 3s));
  ASSERT_NE(nullptr, OpenMenuOn(0));
  ChooseFromMenu("Up Up");  // 导入…
  AnswerFileDialog(L"导入点击列表", exported);
  EXPECT_TRUE(WaitFor([&] { return app_->Items() == before; }, 5s));

  // Into a list that is not empty: the question, answered 否 (append).
  ASSERT_NE(nullptr, OpenMenuOn(0));
  ChooseFromMenu("Up Up");
  AnswerFileDialog(L"导入点击列表", exported);
  const TMessageBox question = WaitForMessageBox(app_->Id(), 5s);
  ASSERT_NE(nullptr, question.window);
  EXPECT_NE(std::wstring::npos, question.text.find(L"追加"));
  const HWND no = GetDlgItem(question.window, IDNO);
  ASSERT_NE(nullptr, no);
  PostMessageW(no, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return app_->Items().size() == 6; }, 5s));
}

std::string OutputFolderUnix() {
  // The portable folder lies in the output folder: Z:\a\b\portable -> /a/b.
  std::wstring folder = PortableTapvane().folder;
  folder = folder.substr(0, folder.find_last_of(L'\\'));
  std::string unix = Narrow(folder.size() > 2 && folder[1] == L':' ? folder.substr(2) : folder);
  for (char& c : unix)
    if (c == '\\') c = '/';
  return unix;
}

}  // namespace
