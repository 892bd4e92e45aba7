// Memos and date-time pickers: the state the native window holds after
// properties are set, what the user changes read back through the
// properties, one change event per real change, and a layout round trip.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/DateTimePicker.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Memo.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

class TextAndDateControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
  }

  template <typename T>
  T* Make(const char* name) {
    auto* control = new T(form.get());
    control->SetName(name);
    control->SetParent(form.get());
    return control;
  }

  static std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  std::unique_ptr<TForm> form;
};

TEST_F(TextAndDateControlsTest, MemoLinesAreTheWindowsTextAndSurviveANewWindow) {
  auto* memo = Make<TMemo>("Notes");
  memo->Lines()->Add("第一行");
  memo->Lines()->Add("second");
  memo->Lines()->Insert(1, "middle");
  EXPECT_EQ(L"第一行\r\nmiddle\r\nsecond", WindowTextOf(memo->Handle()));
  EXPECT_EQ(3, SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0));

  // What the user types shows in Lines.
  SendMessageW(memo->Handle(), EM_SETSEL, 0, -1);
  SendMessageW(memo->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"a\r\nb"));
  ASSERT_EQ(2, memo->Lines()->GetCount());
  EXPECT_EQ("b", memo->Lines()->Get(1));

  // Scroll bars and wrapping need a new window; the lines go with it.
  const HWND before = memo->Handle();
  SetEnumProp(memo, "ScrollBars", "ssBoth");
  SetEnumProp(memo, "WordWrap", "False");
  EXPECT_NE(before, memo->Handle());
  const LONG_PTR style = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
  EXPECT_NE(0, style & WS_VSCROLL);
  EXPECT_NE(0, style & WS_HSCROLL);
  EXPECT_NE(0, style & ES_AUTOHSCROLL);
  EXPECT_EQ(L"a\r\nb", WindowTextOf(memo->Handle()));

  memo->Lines()->Delete(0);
  EXPECT_EQ(L"b", WindowTextOf(memo->Handle()));
  EXPECT_THROW(memo->Lines()->Delete(5), EStringListError);

  SetEnumProp(memo, "ReadOnly", "True");
  EXPECT_NE(0, GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(TextAndDateControlsTest, MemoChangeFiresOncePerTypedCharacter) {
  auto* memo = Make<TMemo>("Notes");
  int changes = 0;
  memo->OnChange = [&changes](TObject*) { ++changes; };
  SendMessageW(memo->Handle(), WM_CHAR, 'x', 1);
  EXPECT_EQ(1, changes);
  EXPECT_EQ("x", memo->Lines()->Get(0));
}

TEST_F(TextAndDateControlsTest, PickerWindowHoldsTheDateAndTimeSetByName) {
  auto* picker = Make<TDateTimePicker>("When");
  ASSERT_TRUE(SetStrProp(picker, "Date", "2024-02-29"));
  ASSERT_TRUE(SetStrProp(picker, "Time", "13:05:09"));
  SYSTEMTIME shown{};
  ASSERT_EQ(GDT_VALID,
            SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)));
  EXPECT_EQ(2024, shown.wYear);
  EXPECT_EQ(2, shown.wMonth);
  EXPECT_EQ(29, shown.wDay);
  EXPECT_EQ(13, shown.wHour);
  EXPECT_EQ(5, shown.wMinute);
  EXPECT_EQ(9, shown.wSecond);

  // Not a day of the calendar: refused, the shown date kept.
  for (const char* bad : {"2023-02-29", "2024-13-01", "1500-01-01", "2024-1-1x", "", "x"})
    EXPECT_THROW(picker->SetDate(bad), EConvertError) << bad;
  EXPECT_THROW(picker->SetTime("24:00:00"), EConvertError);
  EXPECT_EQ("2024-02-29", GetStrProp(picker, "Date"));

  // A change made in the window is what the property reads.
  shown.wDay = 3;
  shown.wMonth = 3;
  SendMessageW(picker->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ("2024-03-03", GetStrProp(picker, "Date"));
  EXPECT_EQ("13:05:09", GetStrProp(picker, "Time"));
}

TEST_F(TextAndDateControlsTest, PickerStylesFollowKindAndCheckbox) {
  auto* picker = Make<TDateTimePicker>("When");
  SetEnumProp(picker, "Kind", "dtkTime");
  EXPECT_EQ(DTS_TIMEFORMAT, GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
  SetEnumProp(picker, "Kind", "dtkDate");
  SetEnumProp(picker, "DateFormat", "dfLong");
  EXPECT_EQ(DTS_LONGDATEFORMAT,
            GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & DTS_LONGDATEFORMAT);

  picker->SetDate("2020-06-15");
  SetEnumProp(picker, "ShowCheckbox", "True");
  picker->SetChecked(false);
  SYSTEMTIME shown{};
  EXPECT_EQ(GDT_NONE,
            SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)));
  EXPECT_EQ("False", GetEnumProp(picker, "Checked"));
  // Unchecked, the field still remembers the date it had.
  EXPECT_EQ("2020-06-15", picker->Date());
  picker->SetChecked(true);
  EXPECT_EQ(GDT_VALID,
            SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)));
  EXPECT_EQ(15, shown.wDay);
}

TEST_F(TextAndDateControlsTest, PickerChangeFiresOnceForAKeyThatMovesTheDay) {
  auto* picker = Make<TDateTimePicker>("When");
  picker->SetDate("2021-05-10");
  int changes = 0;
  picker->OnChange = [&changes](TObject*) { ++changes; };
  form->Show();
  FlushEvents();
  picker->SetFocus();
  FlushEvents();
  // A click selects the first field (whatever the locale's order); the
  // arrow then steps it by one.
  PostMessageW(picker->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
  PostMessageW(picker->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
  FlushEvents();
  ASSERT_EQ(0, changes);
  PostMessageW(picker->Handle(), WM_KEYDOWN, VK_UP, 1);
  PostMessageW(picker->Handle(), WM_KEYUP, VK_UP, 0xC0000001);
  FlushEvents();
  EXPECT_EQ(1, changes);
  EXPECT_NE("2021-05-10", picker->Date());
}

TEST(TextAndDateLayout, MemoAndPickerReadBackFromAWrittenLayout) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  auto* memo = new TMemo(&source);
  memo->SetName("Notes");
  memo->SetParent(&source);
  memo->Lines()->Add("one");
  memo->Lines()->Add("二");
  memo->SetScrollBars(ssVertical);
  memo->SetReadOnly(true);
  auto* picker = new TDateTimePicker(&source);
  picker->SetName("When");
  picker->SetParent(&source);
  picker->SetDate("1999-12-31");
  picker->SetTime("23:59:58");
  picker->SetKind(dtkTime);

  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);

  auto* memo2 = dynamic_cast<TMemo*>(target.FindComponent("Notes"));
  auto* picker2 = dynamic_cast<TDateTimePicker*>(target.FindComponent("When"));
  ASSERT_TRUE(memo2 && picker2);
  ASSERT_EQ(2, SendMessageW(memo2->Handle(), EM_GETLINECOUNT, 0, 0));
  EXPECT_EQ("二", memo2->Lines()->Get(1));
  EXPECT_NE(0, GetWindowLongPtrW(memo2->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_NE(0, GetWindowLongPtrW(memo2->Handle(), GWL_STYLE) & ES_READONLY);
  SYSTEMTIME shown{};
  SendMessageW(picker2->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(1999, shown.wYear);
  EXPECT_EQ(31, shown.wDay);
  EXPECT_EQ(58, shown.wSecond);
  EXPECT_NE(0, GetWindowLongPtrW(picker2->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
}

}  // namespace
