// A form made from its stored layout (RCDATA "TLAYOUTTESTFORM", compiled
// from data/LayoutTestForm.layout): controls, properties, handlers, the JPEG
// banner's pixels, and the order of Loaded and OnCreate.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/controls/TrackBar.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/core/TypInfo.h"

class TLayoutTestForm : public TForm {
  TAPVANE_CLASS(TLayoutTestForm)
 public:
  explicit TLayoutTestForm(TComponent* owner) : TForm(owner) { LoadFormLayout(this); }

  void FormCreate(TObject*) {
    // Every control exists and has its stored properties by now.
    auto* list = dynamic_cast<TListBox*>(FindComponent("List"));
    createdWithItems = list ? list->Items()->Count() : -1;
    ++creates;
  }
  void FormDestroy(TObject*) { ++destroys; }
  void GoClick(TObject* sender) { lastClicked = sender; }
  void BannerClick(TObject* sender) { lastClicked = sender; }
  void TickerTimer(TObject*) {}

  int creates = 0;
  int destroys = 0;
  int createdWithItems = -2;
  TObject* lastClicked = nullptr;
};

const TClassInfo& TLayoutTestForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLayoutTestForm>("TLayoutTestForm", &TForm::StaticClass())
          .Method("FormCreate", &TLayoutTestForm::FormCreate)
          .Method("FormDestroy", &TLayoutTestForm::FormDestroy)
          .Method("GoClick", &TLayoutTestForm::GoClick)
          .Method("BannerClick", &TLayoutTestForm::BannerClick)
          .Method("TickerTimer", &TLayoutTestForm::TickerTimer)
          .Build();
  return info;
}

namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TLayoutTestForm>(nullptr);
  }

  template <typename T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form->FindComponent(name));
  }

  std::unique_ptr<TLayoutTestForm> form;
};

TEST_F(LayoutTest, ControlsAreMadeWithTheirParentsAndProperties) {
  auto* box = Find<TGroupBox>("Box");
  auto* label = Find<TLabel>("Caption1");
  auto* edit = Find<TEdit>("EditClickTime");
  auto* radio1 = Find<TRadioButton>("Radio1");
  auto* radio2 = Find<TRadioButton>("Radio2");
  auto* list = Find<TListBox>("List");
  auto* status = Find<TStatusBar>("Status");
  auto* ticker = Find<TTimer>("Ticker");
  ASSERT_TRUE(box && label && edit && radio1 && radio2 && list && status && ticker);
  EXPECT_EQ("\xE6\xB5\x8B\xE8\xAF\x95 - \xE5\xB8\x83\xE5\xB1\x80", form->Caption());  // 测试 - 布局
  EXPECT_EQ(box, label->Parent());
  EXPECT_EQ(form.get(), box->Parent());
  EXPECT_EQ(16, label->Left());
  EXPECT_EQ(crHandPoint, label->Cursor());
  EXPECT_EQ("1000", edit->Text());
  EXPECT_EQ(bkTile, edit->BevelKind());
  EXPECT_EQ(bsNone, edit->BorderStyle());
  EXPECT_TRUE(radio1->Checked());
  EXPECT_FALSE(radio2->Checked());
  EXPECT_EQ(2, list->Items()->Count());
  EXPECT_EQ("30|40|\xE7\xA7\xBB\xE5\x8A\xA8\xE9\xBC\xA0\xE6\xA0\x87", list->Items()->Get(1));
  EXPECT_EQ(12, list->ItemHeight());
  EXPECT_EQ("\xE5\xB0\xB1\xE7\xBB\xAA", status->Panels()->Get(0));  // 就绪
  EXPECT_FALSE(ticker->Enabled());
  EXPECT_EQ(0u, ticker->Interval());
  EXPECT_FALSE(ticker->Armed());
  // Colour names and the stored icon reach the form's sub-objects.
  EXPECT_EQ(clWindowText, form->Font()->Color());
  EXPECT_EQ(16, form->Icon()->Width());
  // Children with ParentFont share the form's font.
  EXPECT_EQ(-12, label->Font()->Height());
  EXPECT_EQ(form->Font()->Name(), edit->Font()->Name());
}

TEST_F(LayoutTest, OnCreateRunsOnceAfterEveryControlExists) {
  EXPECT_EQ(1, form->creates);
  EXPECT_EQ(2, form->createdWithItems);
  EXPECT_TRUE(form->Created());
}

TEST_F(LayoutTest, StoredTabOrderGivesTheTabOrderList) {
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  std::string names;
  for (const TWinControl* control : list) names += control->Name() + " ";
  EXPECT_EQ("Box Edit_X Edit_Y EditClickTime Radio1 Radio2 List Go Status ", names);
}

TEST_F(LayoutTest, HandlersNamedInTheLayoutAreBound) {
  auto* go = Find<TButton>("Go");
  ASSERT_NE(nullptr, go);
  SendMessageW(go->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(go, form->lastClicked);
  EXPECT_TRUE(IsMethodAssigned(Find<TTimer>("Ticker"), "OnTimer"));
}

TEST_F(LayoutTest, TheStoredMenuShowsInTheWindowAndClicks) {
  auto* start = Find<TMenuItem>("Start1");
  ASSERT_NE(nullptr, start);
  ASSERT_EQ(Find<TMainMenu>("MainMenu1"), form->Menu());
  EXPECT_EQ(Find<TMenuItem>("File1"), start->Parent());
  EXPECT_EQ(form->Menu()->Handle(), GetMenu(form->Handle()));
  wchar_t text[64]{};
  GetMenuStringW(start->Parent()->Handle(), start->Command(), text, 64, MF_BYCOMMAND);
  EXPECT_STREQ(L"\x5F00\x59CB(&S)\tCtrl+S", text);  // 开始(&S)
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(start->Command(), 0), 0);
  EXPECT_EQ(start, form->lastClicked);
  EXPECT_EQ("True", GetEnumProp(start, "Enabled"));
  EXPECT_EQ(16467, GetOrdProp(start, "ShortCut"));
}

TEST_F(LayoutTest, PropertiesAreReachableByName) {
  auto* edit = Find<TEdit>("EditClickTime");
  EXPECT_EQ("bsNone", GetEnumProp(edit, "BorderStyle"));
  EXPECT_EQ("True", GetEnumProp(edit, "ParentBackground"));
  EXPECT_EQ(clWindow, GetOrdProp(edit, "Color"));
  EXPECT_TRUE(SetPropFromText(edit, "Text", "250"));
  EXPECT_EQ("250", edit->Text());
  EXPECT_EQ(-1, GetOrdProp(edit, "NoSuchProperty"));
  EXPECT_EQ(nullptr, GetObjectProp(form.get(), "ActiveControl", &TButton::StaticClass()));
  EXPECT_NE(nullptr, GetObjectProp(Find<TListBox>("List"), "Items", &TStrings::StaticClass()));
}

TEST_F(LayoutTest, ClientSizeAndBordersComeFromTheLayout) {
  form->HandleNeeded();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(320, client.right);
  EXPECT_EQ(240, client.bottom);
  // The status bar is at the bottom and the group box fills the rest.
  auto* status = Find<TStatusBar>("Status");
  auto* box = Find<TGroupBox>("Box");
  EXPECT_EQ(220, status->Top());
  EXPECT_EQ(8, box->Top());
  EXPECT_EQ(212, box->Height());
}

TEST_F(LayoutTest, JpegBannerShowsItsPixels) {
  auto* banner = Find<TImage>("Banner");
  ASSERT_NE(nullptr, banner);
  ASSERT_NE(nullptr, banner->Picture()->Graphic());
  EXPECT_EQ(32, banner->Picture()->Width());
  EXPECT_EQ(8, banner->Picture()->Height());
  DibSurface surface(320, 240);
  form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  // Left half red, right half blue, as the JPEG was made; JPEG may move a
  // channel by a few steps.
  const unsigned left = surface.Pixel(4, 4);
  const unsigned right = surface.Pixel(27, 4);
  EXPECT_GE((left >> 16) & 0xFF, 0xE0u) << std::hex << left;
  EXPECT_LE(left & 0xFF, 0x20u) << std::hex << left;
  EXPECT_GE(right & 0xFF, 0xE0u) << std::hex << right;
  EXPECT_LE((right >> 16) & 0xFF, 0x20u) << std::hex << right;
}

TEST(LayoutRoundTrip, WrittenFormReadsBackWithItsControls) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  source.SetCaption("\xE5\x85\xB3\xE4\xBA\x8E");  // 关于
  auto* edit = new TEdit(&source);
  edit->SetName("Edit");
  edit->SetParent(&source);
  edit->SetText("abc");
  auto* list = new TListBox(&source);
  list->SetName("List");
  list->SetParent(&source);
  list->Items()->Add("one");
  list->Items()->Add("two");
  list->SetTabOrder(0);
  auto* label = new TLabel(&source);
  label->SetName("Label");
  label->SetParent(&source);
  label->SetCaption("x");
  label->SetCursor(crHandPoint);
  // The edit follows the form's reading order; the label keeps its own.
  source.SetBiDiMode(bdRightToLeft);
  label->SetBiDiMode(bdLeftToRight);
  auto* timer = new TTimer(&source);  // owned, but no control: no parent
  timer->SetName("Ticker");
  timer->SetInterval(250);

  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);

  EXPECT_EQ("Source", target.Name());
  EXPECT_EQ(source.Caption(), target.Caption());
  auto* edit2 = dynamic_cast<TEdit*>(target.FindComponent("Edit"));
  auto* list2 = dynamic_cast<TListBox*>(target.FindComponent("List"));
  auto* label2 = dynamic_cast<TLabel*>(target.FindComponent("Label"));
  ASSERT_TRUE(edit2 && list2 && label2);
  EXPECT_EQ("abc", edit2->Text());
  EXPECT_EQ(2, list2->Items()->Count());
  EXPECT_EQ("two", list2->Items()->Get(1));
  EXPECT_EQ(0, list2->TabOrder());
  EXPECT_EQ(1, edit2->TabOrder());
  EXPECT_EQ(crHandPoint, label2->Cursor());
  EXPECT_EQ(&target, label2->Parent());
  EXPECT_EQ(bdRightToLeft, edit2->BiDiMode());
  EXPECT_TRUE(edit2->ParentBiDiMode());
  EXPECT_EQ(bdLeftToRight, label2->BiDiMode());
  EXPECT_FALSE(label2->ParentBiDiMode());
  auto* timer2 = dynamic_cast<TTimer*>(target.FindComponent("Ticker"));
  ASSERT_NE(nullptr, timer2);
  EXPECT_EQ(250u, timer2->Interval());
}

TEST(LayoutRoundTrip, RangeControlsReadBackIntoTheirWindows) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  auto make = [&source](auto* control, const char* name) {
    control->SetName(name);
    control->SetParent(&source);
    return control;
  };
  auto* progress = make(new TProgressBar(&source), "Progress");
  progress->SetMin(200);
  progress->SetMax(300);
  progress->SetPosition(250);
  progress->SetOrientation(pbVertical);
  auto* track = make(new TTrackBar(&source), "Track");
  track->SetMin(-40);
  track->SetMax(-10);
  track->SetPosition(-25);
  track->SetTickStyle(tsNone);
  track->SetPageSize(6);
  auto* edit = make(new TEdit(&source), "Buddy");
  auto* spin = make(new TUpDown(&source), "Spin");
  spin->SetMin(10);
  spin->SetMax(0);  // counting down
  spin->SetPosition(4);
  spin->SetWrap(true);
  spin->SetAssociate(edit);
  auto* bar = make(new TScrollBar(&source), "Bar");
  bar->SetKind(sbVertical);
  bar->SetMax(500);
  bar->SetPageSize(100);
  bar->SetPosition(401);
  bar->SetLargeChange(50);

  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);

  auto* progress2 = dynamic_cast<TProgressBar*>(target.FindComponent("Progress"));
  auto* track2 = dynamic_cast<TTrackBar*>(target.FindComponent("Track"));
  auto* spin2 = dynamic_cast<TUpDown*>(target.FindComponent("Spin"));
  auto* bar2 = dynamic_cast<TScrollBar*>(target.FindComponent("Bar"));
  auto* edit2 = dynamic_cast<TEdit*>(target.FindComponent("Buddy"));
  ASSERT_TRUE(progress2 && track2 && spin2 && bar2 && edit2);
  EXPECT_EQ(250, SendMessageW(progress2->Handle(), PBM_GETPOS, 0, 0));
  EXPECT_EQ(200, SendMessageW(progress2->Handle(), PBM_GETRANGE, TRUE, 0));
  EXPECT_NE(0, GetWindowLongPtrW(progress2->Handle(), GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(-25, SendMessageW(track2->Handle(), TBM_GETPOS, 0, 0));
  EXPECT_EQ(-40, SendMessageW(track2->Handle(), TBM_GETRANGEMIN, 0, 0));
  EXPECT_EQ(6, SendMessageW(track2->Handle(), TBM_GETPAGESIZE, 0, 0));
  EXPECT_EQ(tsNone, track2->TickStyle());
  EXPECT_EQ(edit2, spin2->Associate());
  EXPECT_EQ(reinterpret_cast<LRESULT>(edit2->Handle()),
            SendMessageW(spin2->Handle(), UDM_GETBUDDY, 0, 0));
  EXPECT_EQ(4, SendMessageW(spin2->Handle(), UDM_GETPOS32, 0, 0));
  EXPECT_EQ("4", edit2->Text());
  EXPECT_TRUE(spin2->Wrap());
  EXPECT_EQ(10, spin2->Min());
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar2->Handle(), SB_CTL, &info);
  EXPECT_EQ(500, info.nMax);
  EXPECT_EQ(100u, info.nPage);
  EXPECT_EQ(401, info.nPos);
  EXPECT_EQ(sbVertical, bar2->Kind());
  EXPECT_EQ(50, bar2->LargeChange());
}

TEST(LayoutResource, MissingResourceIsReported) {
  EnsureToolkit();
  TForm plain(nullptr);
  EXPECT_THROW(LoadFormLayout(&plain), EResNotFound);
}

}  // namespace
