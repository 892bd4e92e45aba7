#include "app/Unit1.h"

#include <shellapi.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/AppConstants.h"
#include "app/ClickItem.h"
#include "app/ClickListKeeper.h"
#include "app/ClickListMenu.h"
#include "app/CursorDpi.h"
#include "app/Unit_CreateSoftLink.h"
#include "app/WebLink.h"
#include "app/Win32ClickInput.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/ClassBuilder.h"

TForm1* Form1 = nullptr;

namespace {

constexpr char kEmptyListText[] = "请添加坐标.";
constexpr char kNoPeriodText[] = "请设置鼠标自动点击时间周期.";
// A very long item is shortened in its message, which must stay readable.
constexpr std::size_t kItemTextShown = 80;

String BadItemText(std::size_t index, const std::string& item) {
  std::string shown = item;
  if (shown.size() > kItemTextShown) {
    std::size_t cut = kItemTextShown;
    // Never in the middle of a UTF-8 sequence.
    while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
    shown = shown.substr(0, cut) + "...";
  }
  return "第 " + std::to_string(index + 1) + " 项 \"" + shown + "\" 的坐标不是整数, 已经停止点击.";
}

int AskUser(const String& text, UINT flags) {
  return Application->MessageBox(text, Application->Title(), flags);
}

String StartStatusText() { return String(app::kStatusPrefix) + String(app::kSiteHost); }

// A component of the layout by name and class; a layout without it is not ours.
template <typename T>
T* Part(TComponent& owner, const char* name) {
  auto* part = dynamic_cast<T*>(owner.FindComponent(name));
  if (!part) throw Exception(String("The main window's layout has no ") + name);
  return part;
}

}  // namespace

const TClassInfo& TForm1::StaticClass() {
  static const TClassInfo info = TClassBuilder<TForm1>("TForm1", &TForm::StaticClass())
                                     .Method("FormCreate", &TForm1::FormCreate)
                                     .Method("FormDestroy", &TForm1::FormDestroy)
                                     .Method("Button_AddXYClick", &TForm1::Button_AddXYClick)
                                     .Method("Button_DelXYClick", &TForm1::Button_DelXYClick)
                                     .Method("Button1Click", &TForm1::Button1Click)
                                     .Method("Button3Click", &TForm1::Button3Click)
                                     .Method("Button2Click", &TForm1::Button2Click)
                                     .Method("Button4Click", &TForm1::Button4Click)
                                     .Method("Image1Click", &TForm1::Image1Click)
                                     .Method("Label6Click", &TForm1::Label6Click)
                                     .Method("Timer_ClickTimer", &TForm1::Timer_ClickTimer)
                                     .Method("TimerGetXYTimer", &TForm1::TimerGetXYTimer)
                                     .Method("GroupBox1MouseMove", &TForm1::GroupBox1MouseMove)
                                     .Build();
  return info;
}

TForm1::TForm1(TComponent* owner)
    : TForm(owner),
      systemInput_(std::make_unique<app::TWin32ClickInput>([this] { return RunGoingOn(); })),
      clickInput_(systemInput_.get()) {
  RegisterSkinDataClasses();
  LoadFormLayout(this);
}

TForm1::TForm1(TComponent* owner, TNoLayout)
    : TForm(owner),
      systemInput_(std::make_unique<app::TWin32ClickInput>([this] { return RunGoingOn(); })),
      clickInput_(systemInput_.get()) {
  RegisterSkinDataClasses();
}

TForm1::~TForm1() = default;

void TForm1::Loaded() {
  TForm::Loaded();
  Image1 = Part<TImage>(*this, "Image1");
  PageControl1 = Part<TPageControl>(*this, "PageControl1");
  GroupBox1 = Part<TGroupBox>(*this, "GroupBox1");
  EditClickTime = Part<TEdit>(*this, "EditClickTime");
  Edit_X = Part<TEdit>(*this, "Edit_X");
  Edit_Y = Part<TEdit>(*this, "Edit_Y");
  RadioButton_C1 = Part<TRadioButton>(*this, "RadioButton_C1");
  RadioButton_C2 = Part<TRadioButton>(*this, "RadioButton_C2");
  RadioButton_C3 = Part<TRadioButton>(*this, "RadioButton_C3");
  RadioButton_C4 = Part<TRadioButton>(*this, "RadioButton_C4");
  ListBoxXY = Part<TListBox>(*this, "ListBoxXY");
  EditVer = Part<TEdit>(*this, "EditVer");
  StatusBar1 = Part<TStatusBar>(*this, "StatusBar1");
  Timer_Click = Part<TTimer>(*this, "Timer_Click");
  TimerGetXY = Part<TTimer>(*this, "TimerGetXY");
  SkinData1 = Part<TSkinData>(*this, "SkinData1");
  ListMenu = Part<TPopupMenu>(*this, "ListMenu");
  // A change the capture timer did not make (typing, pasting, another
  // program's WM_SETTEXT) means the fields no longer show its last position.
  for (TEdit* field : {Edit_X, Edit_Y}) {
    field->OnChange = [this](TObject*) {
      if (!writingCursor_) shownCursor_.reset();
    };
  }
  listMenu_ = std::make_unique<app::TClickListMenu>(*ListMenu, ClickListFields(), AskUser);
}

app::TClickListFields TForm1::ClickListFields() const {
  return {ListBoxXY,
          Edit_X,
          Edit_Y,
          EditClickTime,
          {RadioButton_C1, RadioButton_C2, RadioButton_C3, RadioButton_C4},
          TimerGetXY};
}

void TForm1::KeepClickListIn(const std::wstring& path) {
  listKeeper_.reset();
  listKeeper_ = std::make_unique<app::TClickListKeeper>(
      ClickListFields(), path, [](const String& text) { AskUser(text, MB_OK | MB_ICONWARNING); });
  listKeeper_->Load();
}

void TForm1::FlushClickList() {
  if (listKeeper_) listKeeper_->Flush();
}

void TForm1::FormCreate(TObject*) { hotkeyAtoms_.Register(Handle()); }

void TForm1::FormDestroy(TObject*) { hotkeyAtoms_.Release(); }

void TForm1::WndProc(TMessage& message) {
  if (message.Msg == WM_HOTKEY) {
    WMHotKey(message);
    return;
  }
  TForm::WndProc(message);
}

void TForm1::WMHotKey(TMessage& message) {
  if (hotkeyAtoms_.IsCapture(message.WParam)) TimerGetXY->SetEnabled(false);
  if (hotkeyAtoms_.IsStop(message.WParam)) StopRun();
}

void TForm1::StopRun() {
  Timer_Click->SetEnabled(false);
  Timer_Click->SetInterval(0);
  StatusBar1->Panels()->Items(0)->SetText(String(app::kStoppedText));
}

bool TForm1::RunGoingOn() const {
  return Timer_Click && Timer_Click->Armed() && !(Application && Application->Terminated());
}

void TForm1::TimerGetXYTimer(TObject*) {
  POINT cursor{};
  if (!app::GetCursorPosPhysical(cursor)) return;
  if (shownCursor_ && shownCursor_->x == cursor.x && shownCursor_->y == cursor.y) return;
  shownCursor_.reset();
  {
    // Our own writes raise the fields' change events too.
    struct TWriting {
      bool& flag;
      explicit TWriting(bool& f) : flag(f) { flag = true; }
      ~TWriting() { flag = false; }
    } const writing(writingCursor_);
    Edit_X->SetText(IntToStr(cursor.x));
    Edit_Y->SetText(IntToStr(cursor.y));
  }
  shownCursor_ = cursor;
}

void TForm1::Button_AddXYClick(TObject*) {
  // Refused, the fields stay frozen for the user to put right.
  if (!app::IsCoordinateText(Edit_X->Text()) || !app::IsCoordinateText(Edit_Y->Text())) {
    ShowInfo(String(app::kBadCoordinateText));
    return;
  }
  TimerGetXY->SetEnabled(true);
  app::TClickAction action = app::TClickAction::MoveMouse;
  if (RadioButton_C1->Checked())
    action = app::TClickAction::LeftClick;
  else if (RadioButton_C2->Checked())
    action = app::TClickAction::LeftDoubleClick;
  else if (RadioButton_C3->Checked())
    action = app::TClickAction::RightClick;
  ListBoxXY->Items()->Add(app::BuildClickItem(Edit_X->Text(), Edit_Y->Text(), action));
}

void TForm1::Button_DelXYClick(TObject*) {
  const int selected = ListBoxXY->ItemIndex();
  if (selected >= 0) ListBoxXY->Items()->Delete(selected);
}

void TForm1::Button1Click(TObject*) { ListBoxXY->Items()->Clear(); }

void TForm1::Button3Click(TObject*) {
  if (ListBoxXY->Items()->Count() == 0) {
    ShowInfo(kEmptyListText);
    return;
  }
  const String text = EditClickTime->Text();
  if (text.empty()) {
    ShowInfo(kNoPeriodText);
    return;
  }
  // A text that is no number raises the conversion error here, before the
  // timer is touched, so a running period stays in force.
  const int period = StrToInt(text);
  // A negative period would become a timer of about 49 days, and one of 0
  // would never fire: a run that says it started and never clicks.
  if (period <= 0) {
    ShowInfo(kNoPeriodText);
    return;
  }
  // Enabled first: with interval 0 the timer does not fire, so the first pass
  // comes one full period after the start.
  Timer_Click->SetEnabled(true);
  Timer_Click->SetInterval(static_cast<unsigned>(period));
  app::CreateProgramShortcut();
  app::CreateSiteShortcut([this](const std::string& message) { ShowInfo(message); });
}

void TForm1::Timer_ClickTimer(TObject*) {
  TStrings* items = ListBoxXY->Items();
  const int count = items->Count();
  if (count == 0) return;
  std::vector<std::string> pass;
  pass.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) pass.push_back(items->Get(i));
  const app::TPassResult result = app::RunClickPass(pass, *clickInput_);
  if (result.end == app::TPassResult::TEnd::BadItem) {
    StopRun();
    ShowInfo(BadItemText(result.badItem, pass[result.badItem]));
  }
}

void TForm1::Button2Click(TObject*) { OpenWebLink(); }
void TForm1::Image1Click(TObject*) { OpenWebLink(); }
void TForm1::Label6Click(TObject*) { OpenWebLink(); }

void TForm1::OpenWebLink() {
  const std::string address = app::WebLinkAddress(EditVer->Text());
  ShellExecuteA(Handle(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Button4Click(TObject*) { Close(); }

void TForm1::GroupBox1MouseMove(TObject*, TShiftState, int, int) {
  StatusBar1->Panels()->Items(0)->SetText(StartStatusText());
}

void TForm1::ShowInfo(const String& text) {
  Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONINFORMATION);
}
