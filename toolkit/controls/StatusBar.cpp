#include "toolkit/controls/StatusBar.h"

#include <commctrl.h>

#include "toolkit/controls/CanvasPaint.h"
#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusPanel>("TStatusPanel", &TPersistent::StaticClass())
          .Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
          .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
          .Enum("Alignment", AlignmentInfo(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
          .Enum("Bevel", StatusPanelBevelInfo(), &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
          .Enum("Style", StatusPanelStyleInfo(), &TStatusPanel::Style, &TStatusPanel::SetStyle)
          .Bool("ParentBiDiMode", &TStatusPanel::ParentBiDiMode, &TStatusPanel::SetParentBiDiMode)
          .Default(1)
          .Enum("BiDiMode", BiDiModeInfo(), &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode)
          .Stored([](const TStatusPanel& p) { return !p.ParentBiDiMode(); })
          .Build();
  return info;
}

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
          .Event("OnDrawPanel", &TStatusBar::OnDrawPanel)
          .Build();
  return info;
}

void TStatusPanel::SetText(const String& value) {
  if (value == text_) return;
  text_ = value;
  Changed();
}

void TStatusPanel::SetWidth(int value) {
  width_ = value < 0 ? 0 : value;
  bar_.UpdatePanels();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  if (value == bevel_) return;
  bevel_ = value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

TBiDiMode TStatusPanel::BiDiMode() const { return parentBiDiMode_ ? bar_.BiDiMode() : biDiMode_; }

void TStatusPanel::SetBiDiMode(TBiDiMode value) {
  const TBiDiMode old = BiDiMode();
  parentBiDiMode_ = false;
  biDiMode_ = value;
  if (value != old) Changed();
}

void TStatusPanel::SetParentBiDiMode(bool value) {
  if (value == parentBiDiMode_) return;
  const TBiDiMode old = BiDiMode();
  parentBiDiMode_ = value;
  if (BiDiMode() != old) Changed();
}

int TStatusPanel::Index() const { return bar_.Panels()->IndexOfPanel(this); }

void TStatusPanel::Changed() {
  const int index = Index();
  if (index >= 0) bar_.UpdatePanelText(index);
}

TStatusPanels::~TStatusPanels() = default;

TStatusPanel* TStatusPanels::Items(int index) const {
  CheckIndex(index, GetCount());
  return panels_[static_cast<size_t>(index)].get();
}

int TStatusPanels::IndexOfPanel(const TStatusPanel* panel) const {
  for (size_t i = 0; i < panels_.size(); ++i) {
    if (panels_[i].get() == panel) return static_cast<int>(i);
  }
  return -1;
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
    : TWinControl(owner),
      panels_(std::make_unique<TStatusPanels>(*this)),
      canvas_(std::make_unique<TCanvas>()) {
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

// The native bar takes the bevel and owner drawing as flags of the part, and
// the alignment as tabs before the text: one centres it, two right-align it.
void TStatusBar::UpdatePanelText(int index) {
  if (!HandleAllocated() || simplePanel_ || index > 254) return;
  const TStatusPanel& panel = *panels_->Items(index);
  WPARAM part = static_cast<WPARAM>(index);
  if (panel.Bevel() == pbNone) part |= SBT_NOBORDERS;
  if (panel.Bevel() == pbRaised) part |= SBT_POPOUT;
  if (panel.Style() == psOwnerDraw) {
    SendMessageW(Handle(), SB_SETTEXTW, part | SBT_OWNERDRAW, 0);
    return;
  }
  if (panel.BiDiMode() != bdLeftToRight) part |= SBT_RTLREADING;
  // Right to left, the sides swap: left-justified text sits at the right.
  TAlignment alignment = panel.Alignment();
  if (panel.BiDiMode() == bdRightToLeft && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  std::wstring text = ToWide(panel.Text());
  if (alignment == taCenter) text.insert(0, L"\t");
  if (alignment == taRightJustify) text.insert(0, L"\t\t");
  SendMessageW(Handle(), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::DrawPanel(HDC dc, TStatusPanel* panel, const RECT& rect) {
  if (!OnDrawPanel || !panel) return;
  PaintThroughCanvas(*canvas_, dc, *this, [&] { OnDrawPanel(this, panel, rect); });
}

void TStatusBar::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    // The native bar asks its parent to draw an owner-drawn part; the part
    // number is the panel's index.
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    const auto index = static_cast<int>(item->itemID);
    if (!simplePanel_ && index >= 0 && index < panels_->GetCount()) {
      DrawPanel(item->hDC, panels_->Items(index), item->rcItem);
    }
    message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(message);
  if (message.Msg == CM_BIDIMODECHANGED) UpdatePanels();
}
