#include "toolkit/controls/MediaPlayer.h"

#include "toolkit/controls/WideText.h"

namespace {

const TEnumInfo& ButtonTypeInfo() {
  static const TEnumInfo info{"TMPBtnType",
                              {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep",
                               "btBack", "btRecord", "btEject"}};
  return info;
}

constexpr TButtonSet kAllButtons{TMPBtnType::btPlay, TMPBtnType::btPause,  TMPBtnType::btStop,
                                 TMPBtnType::btNext, TMPBtnType::btPrev,   TMPBtnType::btStep,
                                 TMPBtnType::btBack, TMPBtnType::btRecord, TMPBtnType::btEject};

// Short marks in place of the glyphs a skin brings.
const wchar_t* const kButtonMarks[TMediaPlayer::kButtonCount] = {
    L"\u25B6", L"||", L"\u25A0", L">|", L"|<", L">>", L"<<", L"\u25CF", L"\u25B2"};

}  // namespace

const TClassInfo& TMediaPlayer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMediaPlayer>("TMediaPlayer", &TCustomControl::StaticClass())
          .Set("VisibleButtons", ButtonTypeInfo(), &TMediaPlayer::VisibleButtons,
               &TMediaPlayer::SetVisibleButtons)
          .Set("EnabledButtons", ButtonTypeInfo(), &TMediaPlayer::EnabledButtons,
               &TMediaPlayer::SetEnabledButtons)
          .Set("ColoredButtons", ButtonTypeInfo(), &TMediaPlayer::ColoredButtons,
               &TMediaPlayer::SetColoredButtons)
          .Build();
  return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TCustomControl(owner), visible_(kAllButtons), enabled_(kAllButtons), colored_(kAllButtons) {
  SetBounds(0, 0, 253, 30);
}

void TMediaPlayer::SetVisibleButtons(TButtonSet value) {
  visible_ = value * kAllButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet value) {
  enabled_ = value * kAllButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet value) {
  colored_ = value * kAllButtons;
  Invalidate();
}

int TMediaPlayer::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < kButtonCount; ++i) count += visible_.Contains(static_cast<TMPBtnType>(i));
  return count;
}

bool TMediaPlayer::ButtonRect(TMPBtnType button, RECT& rect) const {
  const int count = VisibleCount();
  if (count == 0 || !visible_.Contains(button)) return false;
  const RECT client = ClientRect();
  const int width = (client.right - client.left) / count;
  int slot = 0;
  for (int i = 0; i < static_cast<int>(button); ++i)
    slot += visible_.Contains(static_cast<TMPBtnType>(i));
  rect = {client.left + slot * width, client.top, client.left + (slot + 1) * width, client.bottom};
  return true;
}

bool TMediaPlayer::ButtonAt(int x, int y, TMPBtnType& button) const {
  for (int i = 0; i < kButtonCount; ++i) {
    RECT rect{};
    if (ButtonRect(static_cast<TMPBtnType>(i), rect) && PtInRect(&rect, POINT{x, y})) {
      button = static_cast<TMPBtnType>(i);
      return true;
    }
  }
  return false;
}

void TMediaPlayer::Paint() {
  const HDC dc = Canvas()->Handle();
  RECT client = ClientRect();
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < kButtonCount; ++i) {
    const auto button = static_cast<TMPBtnType>(i);
    RECT rect{};
    if (!ButtonRect(button, rect)) continue;
    const bool down = pressing_ && pressed_ == button;
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    const bool enabled = enabled_.Contains(button) && Enabled();
    SetTextColor(dc, GetSysColor(!enabled                    ? COLOR_GRAYTEXT
                                 : colored_.Contains(button) ? COLOR_HIGHLIGHT
                                                             : COLOR_BTNTEXT));
    if (down) OffsetRect(&rect, 1, 1);
    DrawTextW(dc, kButtonMarks[i], -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  TMPBtnType hit{};
  if (button != mbLeft || !ButtonAt(x, y, hit) || !enabled_.Contains(hit)) return;
  pressing_ = true;
  pressed_ = hit;
  Invalidate();
}

// A press counts only when released over the button it started on.
void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !pressing_) return;
  pressing_ = false;
  Invalidate();
  TMPBtnType hit{};
  if (ButtonAt(x, y, hit) && hit == pressed_ && OnClick) OnClick(this, hit);
}

// A menu, a dialog or another window taking the mouse ends the press: the
// release that follows must not play anything.
void TMediaPlayer::WndProc(TMessage& message) {
  const bool lostMouse =
      message.Msg == WM_CANCELMODE ||
      (message.Msg == WM_CAPTURECHANGED && message.LParam != 0 &&
       reinterpret_cast<HWND>(message.LParam) != (HandleAllocated() ? Handle() : nullptr));
  if (lostMouse && pressing_) {
    pressing_ = false;
    Invalidate();
  }
  TCustomControl::WndProc(message);
}
