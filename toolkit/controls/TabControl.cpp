#include "toolkit/controls/TabControl.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>

#include "toolkit/controls/WideText.h"

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabControl>("TTabControl", &TWinControl::StaticClass())
          .Object("Tabs", &TTabControl::Tabs)
          .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
          .Event("OnChange", &TTabControl::OnChange)
          .Build();
  return info;
}

bool TTabStrings::InWindow() const { return control_.HandleAllocated(); }

HWND TTabStrings::Window() const { return control_.Handle(); }

String TTabStrings::Get(int index) const {
  if (!InWindow()) return waiting_.Get(index);
  CheckIndex(index, GetCount());
  wchar_t text[260] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(Window(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return FromWide(item.pszText, wcslen(item.pszText));
}

int TTabStrings::GetCount() const {
  if (!InWindow()) return waiting_.GetCount();
  return static_cast<int>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
}

void TTabStrings::Put(int index, const String& s) {
  if (!InWindow()) return waiting_.Put(index, s);
  CheckIndex(index, GetCount());
  std::wstring text = ToWide(s);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(Window(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TTabStrings::Insert(int index, const String& s) {
  if (!InWindow()) return waiting_.Insert(index, s);
  CheckIndex(index, GetCount() + 1);
  std::wstring text = ToWide(s);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  if (SendMessageW(Window(), TCM_INSERTITEMW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) < 0)
    throw EOutOfResources("Cannot insert a tab");
}

void TTabStrings::Delete(int index) {
  if (!InWindow()) return waiting_.Delete(index);
  CheckIndex(index, GetCount());
  SendMessageW(Window(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TTabStrings::Clear() {
  if (!InWindow()) return waiting_.Clear();
  SendMessageW(Window(), TCM_DELETEALLITEMS, 0, 0);
}

void TTabStrings::MoveToWindow() {
  TStringList lines;
  lines.Assign(&waiting_);
  waiting_.Clear();
  for (int i = 0; i < lines.GetCount(); ++i) Insert(i, lines.Get(i));
}

void TTabStrings::MoveFromWindow() {
  TStringList lines;
  for (int i = 0; i < GetCount(); ++i) lines.Add(Get(i));
  waiting_.Assign(&lines);
}

TTabControl::TTabControl(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TTabStrings>(*this)) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

// The window goes while the captions object still exists.
TTabControl::~TTabControl() { DestroyHandle(); }

void TTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = WC_TABCONTROLW;
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void TTabControl::CreateHandleDone() {
  tabs_->MoveToWindow();
  SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TTabControl::DestroyWnd() {
  if (HandleAllocated()) {
    tabIndex_ = TabIndex();
    tabs_->MoveFromWindow();
  }
  TWinControl::DestroyWnd();
}

// A layout may give TabIndex before the tabs it names.
void TTabControl::Loaded() {
  TWinControl::Loaded();
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

int TTabControl::TabIndex() const {
  if (!HandleAllocated()) return tabIndex_;
  return static_cast<int>(
      SendMessageW(const_cast<TTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

// An index past the tabs selects none, as the window itself does.
void TTabControl::SetTabIndex(int value) {
  tabIndex_ = value < -1 ? -1 : value;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TTabControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == TCN_SELCHANGE) {
      if (OnChange && !ComponentState().Contains(csLoading)) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(message);
}
