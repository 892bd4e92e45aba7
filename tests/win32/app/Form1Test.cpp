// The main window read from its stored layout, and its handlers driven
// through the messages a user's actions send.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>

#include "app/Unit1.h"
#include "tests/win32/support/RealMessageBoxes.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/TypInfo.h"

namespace {

// The main window read from a layout stream other than its resource.
class TForm1Copy : public TForm1 {
 public:
  explicit TForm1Copy(TStream& layout) : TForm1(nullptr, TNoLayout{}) {
    TReader reader(layout);
    reader.ReadRootComponent(this);
  }
};

std::vector<std::uint8_t> Bytes(TMemoryStream& stream) {
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}

struct TShownBox {
  std::wstring text, caption;
};

class TRecorder final : public app::TClickInput {
 public:
  void SetCursorPos(int x, int y) override {
    calls.push_back("pos " + std::to_string(x) + " " + std::to_string(y));
  }
  void MouseEvent(unsigned flags) override { calls.push_back("event " + std::to_string(flags)); }
  bool Wait(unsigned ms) override {
    calls.push_back("sleep " + std::to_string(ms));
    return true;
  }
  std::vector<std::string> calls;
};

class Form1Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Application->SetTitle("Tapvane");
  }
  void SetUp() override {
    Application->MessageBoxFunc = [this](HWND, const std::wstring& text,
                                         const std::wstring& caption, UINT) {
      boxes_.push_back({text, caption});
      return IDOK;
    };
    form_ = std::make_unique<TForm1>(nullptr);
    form_->SetClickInput(&input_);
  }
  void TearDown() override {
    form_.reset();
    Application->MessageBoxFunc = nullptr;
  }
  template <typename T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form_->FindComponent(name));
  }
  // A click as the button's own window reports it.
  void Click(const char* name) { SendMessageW(Find<TButton>(name)->Handle(), BM_CLICK, 0, 0); }
  String Status() { return form_->StatusBar1->Panels()->Items(0)->Text(); }
  std::vector<String> Items() {
    std::vector<String> items;
    for (int i = 0; i < form_->ListBoxXY->Items()->Count(); ++i)
      items.push_back(form_->ListBoxXY->Items()->Get(i));
    return items;
  }
  bool OtherCanRegister(UINT key) {
    const bool ok = RegisterHotKey(nullptr, 0x7100, MOD_CONTROL, key) != FALSE;
    if (ok) UnregisterHotKey(nullptr, 0x7100);
    return ok;
  }

  std::unique_ptr<TForm1> form_;
  TRecorder input_;
  std::vector<TShownBox> boxes_;
};

TEST_F(Form1Test, LayoutGivesTheWindowItsControls) {
  TForm1& f = *form_;
  EXPECT_EQ("Tapvane - 多功能版", f.Caption());
  RECT client{};
  GetClientRect(f.Handle(), &client);
  EXPECT_EQ(347, client.right);
  EXPECT_EQ(455, client.bottom);
  EXPECT_EQ(bsSingle, f.BorderStyle());
  EXPECT_EQ((TBorderIcons{biSystemMenu, biMinimize}), f.BorderIcons());
  EXPECT_EQ(poDesktopCenter, f.Position());
  EXPECT_EQ("宋体", f.Font()->Name());
  EXPECT_EQ(-12, f.Font()->Height());
  EXPECT_FALSE(f.Icon()->Empty());
  EXPECT_EQ(16, f.Icon()->Width());

  EXPECT_EQ(alTop, f.Image1->Align());
  EXPECT_EQ(81, f.Image1->Height());
  EXPECT_EQ(347, f.Image1->Picture()->Graphic()->Width());
  EXPECT_EQ(81, f.Image1->Picture()->Graphic()->Height());
  EXPECT_EQ(81, f.PageControl1->Top());
  EXPECT_EQ(320, f.PageControl1->Height());
  EXPECT_EQ(0, f.PageControl1->ActivePageIndex());

  struct TPlace {
    const char* name;
    int left, top, width, height;
  };
  for (const TPlace& p :
       {TPlace{"EditClickTime", 80, 17, 89, 20}, TPlace{"Edit_X", 80, 46, 41, 20},
        TPlace{"Edit_Y", 128, 46, 41, 20}, TPlace{"RadioButton_C1", 77, 76, 76, 17},
        TPlace{"RadioButton_C2", 148, 76, 76, 17}, TPlace{"RadioButton_C3", 221, 76, 76, 17},
        TPlace{"RadioButton_C4", 77, 95, 84, 17}, TPlace{"ListBoxXY", 16, 144, 153, 121},
        TPlace{"Button_AddXY", 176, 144, 42, 22}, TPlace{"Button_DelXY", 176, 168, 42, 22},
        TPlace{"Button1", 176, 192, 42, 22}, TPlace{"EditVer", 78, 44, 99, 20},
        TPlace{"Button3", 104, 408, 75, 25}, TPlace{"Button2", 184, 408, 75, 25},
        TPlace{"Button4", 264, 408, 75, 25}}) {
    auto* control = Find<TControl>(p.name);
    ASSERT_NE(nullptr, control) << p.name;
    EXPECT_EQ(p.left, control->Left()) << p.name;
    EXPECT_EQ(p.top, control->Top()) << p.name;
    EXPECT_EQ(p.width, control->Width()) << p.name;
    EXPECT_EQ(p.height, control->Height()) << p.name;
  }
  // Flat fields: no border of their own, a tiled bevel around them.
  for (const char* name : {"EditClickTime", "Edit_X", "Edit_Y", "EditVer", "ListBoxXY"}) {
    auto* field = Find<TWinControl>(name);
    EXPECT_EQ(bkTile, field->BevelKind()) << name;
    EXPECT_EQ("bsNone", GetEnumProp(field, "BorderStyle")) << name;
  }
  EXPECT_EQ("点击周期:                  1000=1秒", Find<TControl>("Label7")->Caption());
  EXPECT_EQ("停止点击:  Ctrl+A (点击任务如果多了要等点完才能停) ",
            Find<TControl>("Label8")->Caption());
  EXPECT_EQ("按 Ctrl+S  确定坐标", Find<TControl>("Label9")->Caption());
  EXPECT_EQ(crHandPoint, Find<TControl>("Label6")->Cursor());
  EXPECT_EQ("1000", f.EditClickTime->Text());
  EXPECT_EQ("1.03.20100223", f.EditVer->Text());
  EXPECT_TRUE(f.RadioButton_C1->Checked());
  EXPECT_EQ(12, f.ListBoxXY->ItemHeight());
  EXPECT_EQ(0, f.ListBoxXY->Items()->Count());
  EXPECT_FALSE(f.Timer_Click->Enabled());
  EXPECT_EQ(0u, f.Timer_Click->Interval());
  EXPECT_TRUE(f.TimerGetXY->Enabled());
  EXPECT_EQ(100u, f.TimerGetXY->Interval());
  EXPECT_EQ("Velmora 为您提供综合免费服务 www.velmora.example", Status());
  EXPECT_EQ(20, f.StatusBar1->Height());

  // Tab order of the settings page and of the form.
  const char* settings[] = {"Edit_X",         "Edit_Y",         "EditClickTime", "RadioButton_C1",
                            "RadioButton_C2", "ListBoxXY",      "Button_AddXY",  "Button_DelXY",
                            "Button1",        "RadioButton_C3", "RadioButton_C4"};
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(i, Find<TWinControl>(settings[i])->TabOrder()) << settings[i];
  const char* onForm[] = {"PageControl1", "Button2", "Button3", "Button4"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i, Find<TWinControl>(onForm[i])->TabOrder()) << onForm[i];
}

TEST_F(Form1Test, AddBuildsTheItemFromTheFieldsAndTheCheckedAction) {
  form_->Perform(WM_HOTKEY, form_->HotkeyAtoms().Slot(11));
  EXPECT_FALSE(form_->TimerGetXY->Enabled());
  form_->Edit_X->SetText("100");
  form_->Edit_Y->SetText("200");
  form_->RadioButton_C3->SetChecked(true);
  EXPECT_FALSE(form_->RadioButton_C1->Checked());
  Click("Button_AddXY");
  EXPECT_TRUE(form_->TimerGetXY->Enabled());
  form_->Edit_X->SetText("-1");
  form_->Edit_Y->SetText(" 3 ");
  form_->RadioButton_C1->SetChecked(true);
  Click("Button_AddXY");
  form_->RadioButton_C2->SetChecked(true);
  Click("Button_AddXY");
  form_->RadioButton_C4->SetChecked(true);
  Click("Button_AddXY");
  EXPECT_EQ((std::vector<String>{"100|200|rightclick", "-1| 3 |leftclick", "-1| 3 |leftclick2",
                                 "-1| 3 |movemouse"}),
            Items());

  form_->ListBoxXY->SetItemIndex(-1);
  Click("Button_DelXY");
  EXPECT_EQ(4u, Items().size());
  form_->ListBoxXY->SetItemIndex(0);
  Click("Button_DelXY");
  EXPECT_EQ("-1| 3 |leftclick", Items().front());
  Click("Button1");
  EXPECT_TRUE(Items().empty());
  Click("Button1");
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(boxes_.empty());
}

// A coordinate that is no whole number never enters the list; the frozen
// fields stay frozen, so the user can put them right.
TEST_F(Form1Test, AddRefusesACoordinateThatIsNotAWholeNumber) {
  for (const auto& [x, y] : std::vector<std::pair<String, String>>{
           {"abc", "1"}, {"1", ""}, {"1|2", "3"}, {"1.5", "2"}, {"99999999999", "0"}}) {
    boxes_.clear();
    form_->Perform(WM_HOTKEY, form_->HotkeyAtoms().Slot(11));
    form_->Edit_X->SetText(x);
    form_->Edit_Y->SetText(y);
    Click("Button_AddXY");
    EXPECT_TRUE(Items().empty()) << x << "," << y;
    ASSERT_EQ(1u, boxes_.size()) << x << "," << y;
    EXPECT_EQ(L"坐标 X 和 Y 必须是整数.", boxes_[0].text);
    EXPECT_FALSE(form_->TimerGetXY->Enabled());
    EXPECT_EQ(x, form_->Edit_X->Text());
  }
}

// Counts the WM_SETTEXT messages each window of this thread is sent.
class TSetTextCounter {
 public:
  TSetTextCounter()
      : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId())) {
    counts_.clear();
  }
  ~TSetTextCounter() { UnhookWindowsHookEx(hook_); }
  TSetTextCounter(const TSetTextCounter&) = delete;
  TSetTextCounter& operator=(const TSetTextCounter&) = delete;
  int operator[](HWND window) const { return counts_.count(window) ? counts_.at(window) : 0; }
  void Clear() { counts_.clear(); }

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_SETTEXT) ++counts_[sent->hwnd];
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::map<HWND, int> counts_;
  HHOOK hook_;
};

// The capture timer ticks ten times a second for as long as the program is
// open: a tick with the cursor at rest must not set (and so repaint) the
// fields, while typed text is still overwritten on the next tick.
TEST_F(Form1Test, CaptureTimerWritesTheCursorPositionOnlyWhenTheFieldDiffers) {
  SetCursorPos(37, 58);
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ("37", form_->Edit_X->Text());
  EXPECT_EQ("58", form_->Edit_Y->Text());
  const HWND x = form_->Edit_X->Handle(), y = form_->Edit_Y->Handle();

  TSetTextCounter sets;
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ(0, sets[x]);
  EXPECT_EQ(0, sets[y]);

  SetCursorPos(41, 58);
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ("41", form_->Edit_X->Text());
  EXPECT_EQ(1, sets[x]);
  EXPECT_EQ(0, sets[y]);

  form_->Edit_Y->SetText("typed");
  sets.Clear();
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ("58", form_->Edit_Y->Text());
  EXPECT_EQ(0, sets[x]);
  EXPECT_EQ(1, sets[y]);

  // Text put in by a message alone, as another program could.
  SendMessageW(x, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"999"));
  sets.Clear();
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ("41", form_->Edit_X->Text());
  EXPECT_EQ(1, sets[x]);
  form_->TimerGetXYTimer(nullptr);
  EXPECT_EQ(1, sets[x]);
}

TEST_F(Form1Test, HotkeysStopTheRunAndTheGroupBoxRestoresTheStatus) {
  form_->ListBoxXY->Items()->Add("1|2|movemouse");
  form_->EditClickTime->SetText("600000");
  Click("Button3");
  EXPECT_TRUE(form_->Timer_Click->Enabled());
  EXPECT_EQ(600000u, form_->Timer_Click->Interval());
  form_->Perform(WM_HOTKEY, 0xBEEF);  // not ours
  EXPECT_TRUE(form_->Timer_Click->Enabled());
  form_->Perform(WM_HOTKEY, form_->HotkeyAtoms().Slot(12));
  EXPECT_FALSE(form_->Timer_Click->Enabled());
  EXPECT_EQ(0u, form_->Timer_Click->Interval());
  EXPECT_TRUE(form_->TimerGetXY->Enabled());
  EXPECT_EQ("已经停止...", Status());
  SendMessageW(form_->GroupBox1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ("Velmora 为您提供综合免费服务 www.velmora.example", Status());
}

TEST_F(Form1Test, StartRefusesAnEmptyListAndAnEmptyOrNegativePeriod) {
  Click("Button3");
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_EQ(L"请添加坐标.", boxes_[0].text);
  EXPECT_EQ(L"Tapvane", boxes_[0].caption);
  form_->ListBoxXY->Items()->Add("1|2|movemouse");
  for (const char* period : {"", "-1", "-2147483648", "0"}) {
    boxes_.clear();
    form_->EditClickTime->SetText(period);
    Click("Button3");
    ASSERT_EQ(1u, boxes_.size()) << period;
    EXPECT_EQ(L"请设置鼠标自动点击时间周期.", boxes_[0].text) << period;
    EXPECT_FALSE(form_->Timer_Click->Enabled()) << period;
    EXPECT_EQ(0u, form_->Timer_Click->Interval()) << period;
  }
}

TEST_F(Form1Test, APeriodThatIsNoNumberKeepsTheRunningPeriod) {
  form_->ListBoxXY->Items()->Add("1|2|movemouse");
  form_->EditClickTime->SetText("abc");
  Click("Button3");
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_EQ(L"'abc' is not a valid integer value", boxes_[0].text);
  EXPECT_EQ(L"Tapvane", boxes_[0].caption);
  EXPECT_EQ(0u, form_->Timer_Click->Interval());
  form_->EditClickTime->SetText("700000");
  Click("Button3");
  form_->EditClickTime->SetText("12x");
  Click("Button3");
  EXPECT_EQ(L"'12x' is not a valid integer value", boxes_.back().text);
  EXPECT_TRUE(form_->Timer_Click->Enabled());
  EXPECT_EQ(700000u, form_->Timer_Click->Interval());
  form_->EditClickTime->SetText("0");
  Click("Button3");
  EXPECT_EQ(L"请设置鼠标自动点击时间周期.", boxes_.back().text);
  EXPECT_TRUE(form_->Timer_Click->Enabled());
  EXPECT_EQ(700000u, form_->Timer_Click->Interval());
}

TEST_F(Form1Test, APassSendsEachItemThroughTheClickInput) {
  form_->ListBoxXY->Items()->Add("10|20|leftclick");
  form_->ListBoxXY->Items()->Add("-30|40|rightclick");
  form_->Timer_ClickTimer(nullptr);
  EXPECT_EQ((std::vector<std::string>{"pos 10 20", "event 2", "event 4", "sleep 800", "pos -30 40",
                                      "event 8", "event 16", "sleep 300", "sleep 800"}),
            input_.calls);
}

// The user's report of one fault, through the system's own box: a bad item
// met by a running pass with a 10 ms period stops the run and shows one box
// naming the item, however long the box stays open.
TEST_F(Form1Test, ABadItemStopsTheRunWithOneBoxNamingIt) {
  Application->MessageBoxFunc = [](HWND owner, const std::wstring& text,
                                   const std::wstring& caption, UINT flags) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
  };
  form_->ListBoxXY->Items()->Add("10|20|movemouse");
  form_->ListBoxXY->Items()->Add("10|y|leftclick");
  form_->ListBoxXY->Items()->Add("30|40|movemouse");
  form_->EditClickTime->SetText("10");
  Click("Button3");
  wintest::TRealMessageBoxes real(800);
  const DWORD end = GetTickCount() + 3000;
  while (real.Texts().empty() && GetTickCount() < end) {
    Application->ProcessMessages();
    Sleep(2);
  }
  // Long enough for a dozen more ticks, had the timer gone on.
  const DWORD after = GetTickCount() + 1500;
  while (GetTickCount() < after) {
    Application->ProcessMessages();
    Sleep(2);
  }
  EXPECT_EQ((std::vector<std::string>{"pos 10 20", "sleep 800"}), input_.calls);
  ASSERT_EQ(1u, real.Texts().size());
  EXPECT_EQ(L"第 2 项 \"10|y|leftclick\" 的坐标不是整数, 已经停止点击.", real.Texts()[0]);
  EXPECT_EQ(1, real.MostOpenAtOnce());
  EXPECT_FALSE(form_->Timer_Click->Enabled());
  EXPECT_EQ(0u, form_->Timer_Click->Interval());
  EXPECT_EQ("已经停止...", Status());
}

TEST_F(Form1Test, HotkeysBelongToTheWindowUntilItGoes) {
  // Atoms a killed process left behind in this session are not ours to judge.
  form_.reset();
  const bool leftOver = GlobalFindAtomA("12") != 0;
  form_ = std::make_unique<TForm1>(nullptr);
  EXPECT_FALSE(OtherCanRegister('S'));
  EXPECT_FALSE(OtherCanRegister('A'));
  form_.reset();
  EXPECT_TRUE(OtherCanRegister('S'));
  EXPECT_TRUE(OtherCanRegister('A'));
  if (!leftOver) {
    EXPECT_EQ(0, GlobalFindAtomA("12"));
  }
}

}  // namespace

TEST_F(Form1Test, SkinDataComesWithItsSettingsAndParsedSkin) {
  TSkinData* data = form_->SkinData1;
  ASSERT_NE(nullptr, data);
  EXPECT_TRUE(data->Active());
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(99, data->DisableTag());
  TSkinControlTypes controls{xcMainMenu, xcPopupMenu,   xcToolbar,     xcControlbar, xcCombo,
                             xcCheckBox, xcRadioButton, xcProgress,    xcScrollbar,  xcEdit,
                             xcButton,   xcBitBtn,      xcSpeedButton, xcSpin,       xcPanel,
                             xcGroupBox, xcStatusBar,   xcTab,         xcTrackBar};
  EXPECT_EQ(controls, data->SkinControls());
  EXPECT_EQ((TSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint}), data->Options());
  ASSERT_EQ(118, data->Skin3rd()->Count());
  EXPECT_EQ("TCategoryButtons=scrollbar", data->Skin3rd()->Strings(0));
  EXPECT_EQ("TOVCDBNUMERICFIELD=Edit", data->Skin3rd()->Strings(117));
  EXPECT_EQ(sfMainform, data->SkinFormtype());
  EXPECT_EQ("5.40.07.15", data->Version());
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(data->MenuMerge());
  EXPECT_GT(data->SkinStoreStream().Size(), 0);
  ASSERT_TRUE(data->Skin().Top);
  EXPECT_FALSE(data->Skin().Top->Image->Empty());
}

TEST_F(Form1Test, WrittenBackTheWindowKeepsItsSkinStreamBytes) {
  TMemoryStream written;
  TWriter(written).WriteRootComponent(form_.get());
  written.SetPosition(0);
  TForm1Copy copy(written);
  ASSERT_NE(nullptr, copy.SkinData1);
  EXPECT_EQ(Bytes(form_->SkinData1->SkinStoreStream()), Bytes(copy.SkinData1->SkinStoreStream()));
  EXPECT_FALSE(copy.SkinData1->SkinPending());
  EXPECT_EQ(118, copy.SkinData1->Skin3rd()->Count());
}
