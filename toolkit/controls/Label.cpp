#include "toolkit/controls/Label.h"

#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
          .Enum("Alignment", AlignmentInfo(), &TLabel::Alignment, &TLabel::SetAlignment)
          .Enum("Layout", TextLayoutInfo(), &TLabel::Layout, &TLabel::SetLayout)
          .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
          .Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
          .Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
          .Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

TAlignment TLabel::ShownAlignment() const {
  if (!UseRightToLeftAlignment() || alignment_ == taCenter) return alignment_;
  return alignment_ == taLeftJustify ? taRightJustify : taLeftJustify;
}

UINT TLabel::TextFlags() const {
  UINT flags = wordWrap_ ? DT_WORDBREAK : 0;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  const TAlignment shown = ShownAlignment();
  if (shown == taRightJustify) flags |= DT_RIGHT;
  if (shown == taCenter) flags |= DT_CENTER;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  TMemoryDC dc;
  TSelection font(dc.Get(), Font()->Handle());
  std::wstring text = ToWide(Caption());
  if (text.empty()) text = L" ";
  RECT rect{0, 0, wordWrap_ ? Width() : 0, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
            TextFlags() | DT_CALCRECT);
  // The label grows away from the side its text is aligned to.
  int left = Left();
  const TAlignment shown = ShownAlignment();
  if (shown == taRightJustify) left += Width() - rect.right;
  if (shown == taCenter) left += (Width() - rect.right) / 2;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
  TGraphicControl::WndProc(message);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::Paint() {
  const HDC dc = Canvas()->Handle();
  RECT rect = ClientRect();
  if (!transparent_) FillRect(dc, &rect, Canvas()->Brush().Handle());
  const std::wstring text = ToWide(Caption());
  UINT flags = TextFlags();
  if (layout_ != tlTop && !wordWrap_)
    flags |= DT_SINGLELINE | (layout_ == tlCenter ? DT_VCENTER : DT_BOTTOM);
  SetBkMode(dc, TRANSPARENT);
  if (Enabled()) {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  } else {
    // The engraved look of disabled text: a light copy one pixel down-right.
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  }
}
