// The main window keeping its list in a file and editing it in place: what
// reaches the disk after the user's actions, what a damaged or unwritable
// file tells the user, and the list menu's commands.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/ClickListMenu.h"
#include "app/ClickListTransfer.h"
#include "app/Unit1.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/controls/WideText.h"

namespace {

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

std::vector<std::wstring> FilesLike(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.emplace_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

class ClickListFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Application->SetTitle("Tapvane");
  }
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"tapvane-list-" + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(folder_.c_str(), nullptr);
    path_ = folder_ + L"\\Tapvane.list.txt";
    Application->MessageBoxFunc = [this](HWND, const std::wstring& text, const std::wstring&,
                                         UINT) {
      boxes_.push_back(FromWide(text));
      return answer_;
    };
  }
  void TearDown() override {
    form_.reset();
    Application->MessageBoxFunc = nullptr;
    for (const std::wstring& name : FilesLike(folder_ + L"\\*.txt"))
      DeleteFileW((folder_ + L"\\" + name).c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  // A new window, as at a new start of the program, keeping its list at path.
  TForm1& Start(const std::wstring& path) {
    form_.reset();
    form_ = std::make_unique<TForm1>(nullptr);
    form_->KeepClickListIn(path);
    Application->ProcessMessages();
    return *form_;
  }
  void Add(const char* x, const char* y) {
    form_->Edit_X->SetText(x);
    form_->Edit_Y->SetText(y);
    SendMessageW(dynamic_cast<TButton*>(form_->FindComponent("Button_AddXY"))->Handle(), BM_CLICK,
                 0, 0);
  }
  std::vector<String> Items() {
    std::vector<String> items;
    for (int i = 0; i < form_->ListBoxXY->Items()->Count(); ++i)
      items.push_back(form_->ListBoxXY->Items()->Get(i));
    return items;
  }
  bool Enabled(const char* item) {
    return dynamic_cast<TMenuItem*>(form_->FindComponent(item))->Enabled();
  }

  std::wstring folder_, path_;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> boxes_;
  int answer_ = IDOK;
};

TEST_F(ClickListFormTest, EveryChangeReachesTheFileAndTheNextStartRestoresIt) {
  Start(path_);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path_.c_str())) << "nothing to write yet";
  Add("100", "200");
  Application->ProcessMessages();
  EXPECT_EQ("Tapvane click list 1\r\nperiod=1000\r\naction=leftclick\r\n100|200|leftclick\r\n",
            ReadAll(path_));
  form_->RadioButton_C3->SetChecked(true);
  Add("-7", "8");
  form_->EditClickTime->SetText("250");
  Application->ProcessMessages();
  EXPECT_EQ(
      "Tapvane click list "
      "1\r\nperiod=250\r\naction=rightclick\r\n100|200|leftclick\r\n-7|8|rightclick\r\n",
      ReadAll(path_));

  Start(path_);
  EXPECT_EQ((std::vector<String>{"100|200|leftclick", "-7|8|rightclick"}), Items());
  EXPECT_EQ("250", form_->EditClickTime->Text());
  EXPECT_TRUE(form_->RadioButton_C3->Checked());
  EXPECT_FALSE(form_->RadioButton_C1->Checked());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(FilesLike(folder_ + L"\\*.tmp").empty());
}

TEST_F(ClickListFormTest, ADamagedFileIsSetAsideTheGoodLinesKeptAndTheUserToldOnce) {
  const std::string damaged =
      "Tapvane click list 1\nperiod=300\n1|2|leftclick\n\x01\xFF "
      "garbage\n3.5|4|leftclick\n5|6|movemouse\n7|8|lef";
  WriteAll(path_, damaged);
  Start(path_);
  EXPECT_EQ((std::vector<String>{"1|2|leftclick", "5|6|movemouse"}), Items());
  EXPECT_EQ("300", form_->EditClickTime->Text());
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_NE(std::string::npos, boxes_[0].find("第 4-5、7 行(共 3 行)")) << boxes_[0];
  const std::vector<std::wstring> aside = FilesLike(folder_ + L"\\Tapvane.list.damaged-*.txt");
  ASSERT_EQ(1u, aside.size());
  EXPECT_NE(std::string::npos, boxes_[0].find(FromWide(aside[0]))) << boxes_[0];
  EXPECT_EQ(damaged, ReadAll(folder_ + L"\\" + aside[0]));

  boxes_.clear();
  Start(path_);
  EXPECT_EQ((std::vector<String>{"1|2|leftclick", "5|6|movemouse"}), Items());
  EXPECT_TRUE(boxes_.empty()) << "the file was written back sound";

  // A second damage in the same second keeps the first copy.
  WriteAll(path_, "nonsense\n");
  Start(path_);
  Start(path_);
  EXPECT_EQ(2u, FilesLike(folder_ + L"\\Tapvane.list.damaged-*.txt").size());
}

TEST_F(ClickListFormTest, AFileThatCannotBeWrittenIsReportedOnceAndTheProgramGoesOn) {
  // Its folder is a file: nothing can be made there.
  const std::wstring blocker = folder_ + L"\\blocker.txt";
  WriteAll(blocker, "x");
  Start(blocker + L"\\Tapvane.list.txt");
  Add("1", "2");
  Application->ProcessMessages();
  Add("3", "4");
  form_->EditClickTime->SetText("50");
  Application->ProcessMessages();
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_NE(std::string::npos, boxes_[0].find("无法保存点击列表")) << boxes_[0];
  EXPECT_EQ((std::vector<String>{"1|2|leftclick", "3|4|leftclick"}), Items());
}

TEST_F(ClickListFormTest, MenuCommandsEditTheSelectedItemAndApplyOnlyWhereTheyCan) {
  Start(path_);
  app::TClickListMenu& menu = form_->ListCommands();
  menu.UpdateItems();
  EXPECT_FALSE(Enabled("ListMenuEdit"));
  EXPECT_FALSE(Enabled("ListMenuClear"));
  EXPECT_FALSE(Enabled("ListMenuExport"));
  EXPECT_TRUE(Enabled("ListMenuImport"));
  Add("1", "1");
  Add("2", "2");
  Add("3", "3");

  struct TCase {
    int selected;
    bool up, down, edit;
  };
  for (const TCase c : {TCase{-1, false, false, false}, TCase{0, false, true, true},
                        TCase{1, true, true, true}, TCase{2, true, false, true}}) {
    form_->ListBoxXY->SetItemIndex(c.selected);
    menu.UpdateItems();
    EXPECT_EQ(c.up, Enabled("ListMenuUp")) << c.selected;
    EXPECT_EQ(c.down, Enabled("ListMenuDown")) << c.selected;
    EXPECT_EQ(c.edit, Enabled("ListMenuEdit")) << c.selected;
    EXPECT_EQ(c.edit, Enabled("ListMenuCopy")) << c.selected;
    EXPECT_EQ(c.edit, Enabled("ListMenuDelete")) << c.selected;
    EXPECT_TRUE(Enabled("ListMenuClear"));
  }

  form_->ListBoxXY->SetItemIndex(2);
  menu.MoveSelected(-1);
  EXPECT_EQ((std::vector<String>{"1|1|leftclick", "3|3|leftclick", "2|2|leftclick"}), Items());
  EXPECT_EQ(1, form_->ListBoxXY->ItemIndex());
  menu.DuplicateSelected();
  EXPECT_EQ(
      (std::vector<String>{"1|1|leftclick", "3|3|leftclick", "3|3|leftclick", "2|2|leftclick"}),
      Items());
  EXPECT_EQ(2, form_->ListBoxXY->ItemIndex());
  SendMessageW(form_->ListBoxXY->Handle(), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ((std::vector<String>{"1|1|leftclick", "3|3|leftclick", "2|2|leftclick"}), Items());
  EXPECT_EQ(2, form_->ListBoxXY->ItemIndex());

  // 修改 takes the fields and the action through the checks of "添加".
  form_->TimerGetXY->SetEnabled(false);
  form_->Edit_X->SetText("4.5");
  form_->Edit_Y->SetText("9");
  menu.EditSelected();
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_EQ("坐标 X 和 Y 必须是整数.", boxes_[0]);
  EXPECT_EQ("2|2|leftclick", Items()[2]);
  form_->Edit_X->SetText("40");
  form_->RadioButton_C2->SetChecked(true);
  menu.EditSelected();
  EXPECT_EQ("40|9|leftclick2", Items()[2]);
  EXPECT_TRUE(form_->TimerGetXY->Enabled());
  Application->ProcessMessages();
  EXPECT_NE(std::string::npos, ReadAll(path_).find("3|3|leftclick\r\n40|9|leftclick2\r\n"));
}

TEST_F(ClickListFormTest, ADoubleClickLoadsTheItemIntoTheFieldsAndFreezesThem) {
  Start(path_);
  form_->RadioButton_C4->SetChecked(true);
  Add("-30", "45");
  form_->RadioButton_C1->SetChecked(true);
  form_->ListBoxXY->SetItemIndex(0);
  const HWND list = form_->ListBoxXY->Handle();
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ("-30", form_->Edit_X->Text());
  EXPECT_EQ("45", form_->Edit_Y->Text());
  EXPECT_TRUE(form_->RadioButton_C4->Checked());
  EXPECT_FALSE(form_->TimerGetXY->Enabled());
}

TEST_F(ClickListFormTest, ImportAppendsOrReplacesAndReportsBadLines) {
  Start(path_);
  Add("1", "1");
  const std::wstring source = folder_ + L"\\import.txt";
  WriteAll(
      source,
      "Tapvane click list 1\r\nperiod=9\r\n5|5|rightclick\r\nnot an item\r\n6|6|movemouse\r\n");
  answer_ = IDNO;  // append
  app::ImportClickListFrom(source, form_->ClickListFields(), [](const String& text, UINT flags) {
    return Application->MessageBox(text, "Tapvane", flags);
  });
  EXPECT_EQ((std::vector<String>{"1|1|leftclick", "5|5|rightclick", "6|6|movemouse"}), Items());
  ASSERT_EQ(2u, boxes_.size());
  EXPECT_NE(std::string::npos, boxes_[0].find("导入 2 个坐标")) << boxes_[0];
  EXPECT_NE(std::string::npos, boxes_[1].find("第 4 行")) << boxes_[1];
  EXPECT_EQ("1000", form_->EditClickTime->Text()) << "an import takes only the list";

  answer_ = IDYES;  // replace
  app::ImportClickListFrom(source, form_->ClickListFields(), [](const String& text, UINT flags) {
    return Application->MessageBox(text, "Tapvane", flags);
  });
  EXPECT_EQ((std::vector<String>{"5|5|rightclick", "6|6|movemouse"}), Items());
  Application->ProcessMessages();
  EXPECT_NE(std::string::npos,
            ReadAll(path_).find("action=leftclick\r\n5|5|rightclick\r\n6|6|movemouse\r\n"));
}

}  // namespace
