#include "toolkit/controls/StatusBar.h"

#include <commctrl.h>

#include "toolkit/controls/WideText.h"

const TClassInfo& TStatusPanels::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusPanels>("TStatusPanels", &TStrings::StaticClass()).Build();
  return info;
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusBar>("TStatusBar", &TWinControl::StaticClass())
          .Object("Panels", &TStatusBar::Panels)
          .Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
          .Str("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
          .Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
          .Build();
  return info;
}

void TStatusPanel::SetText(const String& value) {
  if (value == text_) return;
  text_ = value;
  const TStatusPanels& panels = *bar_.Panels();
  for (int i = 0; i < panels.GetCount(); ++i) {
    if (panels.Items(i) == this) bar_.UpdatePanelText(i);
  }
}

void TStatusPanel::SetWidth(int value) {
  width_ = value < 0 ? 0 : value;
  bar_.UpdatePanels();
}

TStatusPanels::~TStatusPanels() = default;

TStatusPanel* TStatusPanels::Items(int index) const {
  CheckIndex(index, GetCount());
  return panels_[static_cast<size_t>(index)].get();
}

TStatusPanel* TStatusPanels::AddPanel() {
  panels_.push_back(std::unique_ptr<TStatusPanel>(new TStatusPanel(bar_)));
  bar_.UpdatePanels();
  return panels_.back().get();
}

String TStatusPanels::Get(int index) const { return Items(index)->Text(); }

void TStatusPanels::Put(int index, const String& s) { Items(index)->SetText(s); }

void TStatusPanels::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  auto panel = std::unique_ptr<TStatusPanel>(new TStatusPanel(bar_));
  panel->text_ = s;
  panels_.insert(panels_.begin() + index, std::move(panel));
  bar_.UpdatePanels();
}

void TStatusPanels::Delete(int index) {
  CheckIndex(index, GetCount());
  panels_.erase(panels_.begin() + index);
  bar_.UpdatePanels();
}

void TStatusPanels::Clear() {
  panels_.clear();
  bar_.UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(*this)) {
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

// The window goes while the panels still exist.
TStatusBar::~TStatusBar() { DestroyHandle(); }

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = STATUSCLASSNAMEW;
  // Placement is the toolkit's (Align), not the bar's own.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  HWND top = params.WndParent ? GetAncestor(params.WndParent, GA_ROOT) : nullptr;
  if (sizeGrip_ && top && (GetWindowLongPtrW(top, GWL_STYLE) & WS_THICKFRAME)) {
    params.Style |= SBARS_SIZEGRIP;
  }
}

void TStatusBar::CreateHandleDone() { UpdatePanels(); }

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const String& value) {
  simpleText_ = value;
  if (HandleAllocated() && simplePanel_) {
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(ToWide(value).c_str()));
  }
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  RecreateWnd();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const HWND bar = Handle();
  SendMessageW(bar, SB_SIMPLE, simplePanel_, 0);
  if (simplePanel_) {
    SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(ToWide(simpleText_).c_str()));
    return;
  }
  const int count = panels_->GetCount();
  // The control keeps at most 256 parts.
  std::vector<int> edges(static_cast<size_t>(std::max(1, std::min(count, 255))), -1);
  int right = 0;
  for (int i = 0; i + 1 < static_cast<int>(edges.size()); ++i) {
    right += panels_->Items(i)->Width();
    edges[static_cast<size_t>(i)] = right;
  }
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < static_cast<int>(edges.size()) && i < count; ++i) UpdatePanelText(i);
  if (count == 0) SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
}

void TStatusBar::UpdatePanelText(int index) {
  if (!HandleAllocated() || simplePanel_ || index > 254) return;
  SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(ToWide(panels_->Items(index)->Text()).c_str()));
}
