#include "toolkit/controls/BitBtn.h"

#include "toolkit/controls/CanvasPaint.h"
#include "toolkit/controls/Forms.h"

namespace {

const TEnumInfo& KindInfo() {
  static const TEnumInfo info{"TBitBtnKind",
                              {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                               "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
  return info;
}

// The caption each kind brings, in the program's language.
const char* KindCaption(TBitBtnKind kind) {
  switch (kind) {
    case bkOK:
      return "\xE7\xA1\xAE\xE5\xAE\x9A";  // 确定
    case bkCancel:
      return "\xE5\x8F\x96\xE6\xB6\x88";  // 取消
    case bkHelp:
      return "\xE5\xB8\xAE\xE5\x8A\xA9(&H)";  // 帮助
    case bkYes:
      return "\xE6\x98\xAF(&Y)";  // 是
    case bkNo:
      return "\xE5\x90\xA6(&N)";  // 否
    case bkClose:
      return "\xE5\x85\xB3\xE9\x97\xAD(&C)";  // 关闭
    case bkAbort:
      return "\xE4\xB8\xAD\xE6\xAD\xA2";  // 中止
    case bkRetry:
      return "\xE9\x87\x8D\xE8\xAF\x95(&R)";  // 重试
    case bkIgnore:
      return "\xE5\xBF\xBD\xE7\x95\xA5(&I)";  // 忽略
    case bkAll:
      return "\xE5\x85\xA8\xE9\x83\xA8(&A)";  // 全部
    case bkCustom:
      break;
  }
  return nullptr;
}

}  // namespace

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info =
      PublishGlyphProperties(TClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClass())
                                 .Enum("Kind", KindInfo(), &TBitBtn::Kind, &TBitBtn::SetKind)
                                 .Default(bkCustom))
          .Build();
  return info;
}

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner),
      TGlyphButtonProperties([this] { Invalidate(); }),
      canvas_(std::make_unique<TCanvas>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind value) {
  if (value == kind_) return;
  kind_ = value;
  // A stored layout holds the caption and roles as they were edited.
  if (ComponentState().Contains(csLoading)) return;
  if (const char* caption = KindCaption(value)) SetCaption(caption);
  SetDefault(value == bkOK || value == bkYes);
  SetCancel(value == bkCancel || value == bkNo);
}

void TBitBtn::Click() {
  TButton::Click();
  if (kind_ != bkClose) return;
  for (TWinControl* parent = Parent(); parent; parent = parent->Parent()) {
    if (auto* form = dynamic_cast<TCustomForm*>(parent)) {
      form->Close();
      return;
    }
  }
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn BUTTON turns a quick second press into a double-click
      // notification and no click: it is pressed like the first.
      message.Msg = WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  TButton::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  PaintThroughCanvas(*canvas_, item.hDC, *this, [&] {
    HDC dc = canvas_->Handle();
    RECT face = item.rcItem;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    // The default button (or the focused one) wears a dark outer ring.
    if (Default() || focused) {
      FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    const TButtonState state = disabled ? bsDisabled : down ? bsDown : bsUp;
    const POINT offset = down ? POINT{1, 1} : POINT{0, 0};
    RECT text = ButtonGlyph().Draw(*canvas_, item.rcItem, offset, Caption(), state);
    if (focused && !IsRectEmpty(&text)) {
      InflateRect(&text, 2, 2);
      DrawFocusRect(dc, &text);
    }
  });
}
