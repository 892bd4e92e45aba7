#include "toolkit/controls/Containers.h"

#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGroupBox>("TGroupBox", &TCustomControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Build();
  return info;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPanel>("TPanel", &TCustomControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Enum("Alignment", AlignmentInfo(), &TPanel::Alignment, &TPanel::SetAlignment)
          .Enum("BevelInner", BevelInfo(), &TPanel::BevelInner, &TPanel::SetBevelInner)
          .Enum("BevelOuter", BevelInfo(), &TPanel::BevelOuter, &TPanel::SetBevelOuter)
          .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
          .Build();
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  TCustomControl::WndProc(message);
}

void TGroupBox::Paint() {
  const HDC dc = Canvas()->Handle();
  const std::wstring text = ToWide(Caption());
  SIZE extent{0, 0};
  GetTextExtentPoint32W(dc, L"0", 1, &extent);
  RECT frame = ClientRect();
  frame.top += extent.cy / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (text.empty()) return;
  RECT caption{8, 0, 8, extent.cy};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_CALCRECT | DT_SINGLELINE);
  caption.right += 4;
  FillRect(dc, &caption, Canvas()->Brush().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Enabled() ? Font()->Color() : clGrayText)));
  OffsetRect(&caption, 2, 0);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_SINGLELINE);
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelInner(TBevelCut value) {
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelWidth(int value) {
  bevelWidth_ = value < 1 ? 1 : value;
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TPanel::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  TCustomControl::WndProc(message);
}

RECT TPanel::AdjustedClientRect() const {
  RECT rect = ClientRect();
  int inset = 0;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  InflateRect(&rect, -inset, -inset);
  return rect;
}

void TPanel::Paint() {
  const HDC dc = Canvas()->Handle();
  RECT rect = ClientRect();
  for (const TBevelCut cut : {bevelOuter_, bevelInner_}) {
    if (cut == bvNone) continue;
    const UINT edge = cut == bvLowered ? BDR_SUNKENOUTER : cut == bvRaised ? BDR_RAISEDINNER : 0;
    for (int i = 0; i < bevelWidth_; ++i) {
      if (edge) DrawEdge(dc, &rect, edge, BF_RECT);
      InflateRect(&rect, -1, -1);
    }
  }
  FillRect(dc, &rect, Canvas()->Brush().Handle());
  const std::wstring text = ToWide(Caption());
  if (text.empty()) return;
  UINT flags = DT_SINGLELINE | DT_VCENTER;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}
