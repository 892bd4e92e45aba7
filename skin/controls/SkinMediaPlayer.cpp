#include "skin/controls/SkinMediaPlayer.h"

#include <cstdio>

#include "skin/controls/SkinDrawing.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/SysUtils.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

enum TButtonFrame : int { bfNormal = 1, bfPressed = 2, bfDisabled = 3 };

// The player's button type, by the names its set properties use, and the
// resource names of the glyphs drawn on them.
constexpr const char* kButtonNames[TWMediaPlayer::kButtonCount] = {
    "btplay", "btpause", "btstop", "btnext", "btprev", "btstep", "btback", "btrecord", "bteject"};
constexpr const char* kGlyphNames[TWMediaPlayer::kButtonCount] = {
    "MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT"};
constexpr const char* kStatePrefixes[TWMediaPlayer::kGlyphStates] = {"EN", "DI", "CL"};
// The glyphs' background, left out when they are drawn.
constexpr COLORREF kGlyphTransparent = RGB(0x80, 0x80, 0x00);

HBITMAP LoadGlyph(const char* prefix, const char* name) {
  char resource[32];
  std::snprintf(resource, sizeof resource, "%s_%s", prefix, name);
  return static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleW(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

const TClassInfo& TWMediaPlayer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWMediaPlayer>("TWMediaPlayer", &TCustomControl::StaticClass()).Build();
  return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner, TControl* player, TSkinData* skinData)
    : TCustomControl(owner), player_(player), skinData_(skinData) {
  for (int state = 0; state < kGlyphStates; ++state) {
    for (int i = 0; i < kButtonCount; ++i) {
      glyphs_[state][i].Reset(LoadGlyph(kStatePrefixes[state], kGlyphNames[i]));
    }
  }
}

void TWMediaPlayer::SetSkinData(TSkinData* value) {
  skinData_ = value;
  Invalidate();
}

// The set reads as "btPlay,btStop"; each name is looked for whole.
std::array<bool, TWMediaPlayer::kButtonCount> TWMediaPlayer::ButtonsIn(const char* property) const {
  std::array<bool, kButtonCount> found{};
  const String text = LowerCase(GetSetProp(player_, property));
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == String::npos) end = text.size();
    String member = text.substr(start, end - start);
    const size_t first = member.find_first_not_of(" []");
    const size_t last = member.find_last_not_of(" []");
    member = first == String::npos ? String() : member.substr(first, last - first + 1);
    for (int i = 0; i < kButtonCount; ++i) found[i] = found[i] || member == kButtonNames[i];
    start = end + 1;
  }
  return found;
}

std::array<bool, TWMediaPlayer::kButtonCount> TWMediaPlayer::VisibleButtons() const {
  return ButtonsIn("VisibleButtons");
}

bool TWMediaPlayer::ButtonRect(int index, RECT& rect) const {
  const auto visible = VisibleButtons();
  if (index < 0 || index >= kButtonCount || !visible[index]) return false;
  int count = 0, slot = 0;
  for (int i = 0; i < kButtonCount; ++i) {
    count += visible[i];
    if (i < index) slot += visible[i];
  }
  const RECT client = ClientRect();
  const int width = (client.right - client.left) / count;  // count >= 1: index is visible
  rect = {client.left + slot * width, client.top, client.left + (slot + 1) * width, client.bottom};
  return true;
}

int TWMediaPlayer::ButtonAt(int x, int y) const {
  for (int i = 0; i < kButtonCount; ++i) {
    RECT rect{};
    if (ButtonRect(i, rect) && PtInRect(&rect, POINT{x, y})) return i;
  }
  return -1;
}

void TWMediaPlayer::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKIN_QUERY:
      // Part of a skin already: nothing is to skin it again.
      message.Result = 1;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;  // Paint covers every pixel
      return;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      // The mouse went elsewhere mid-press: the release will not count.
      if (pressed_ >= 0 && reinterpret_cast<HWND>(message.LParam) != Handle()) {
        pressed_ = -1;
        Invalidate();
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TWMediaPlayer::Paint() {
  const HDC dc = Canvas()->Handle();
  const RECT client = ClientRect();
  FillFace(dc, client, skinData_);
  const TDataSkinObject* face = skinData_ ? skinData_->Skin().Buttons.get() : nullptr;
  const auto visible = VisibleButtons();
  const auto enabled = ButtonsIn("EnabledButtons");
  const auto colored = ButtonsIn("ColoredButtons");
  const bool playerEnabled = player_->Enabled();
  for (int i = 0; i < kButtonCount; ++i) {
    RECT rect{};
    if (!visible[i] || !ButtonRect(i, rect)) continue;
    const bool usable = enabled[i] && playerEnabled;
    const bool down = usable && pressed_ == i;
    if (face) DrawElementFrame(dc, *face, rect, !usable ? bfDisabled : down ? bfPressed : bfNormal);
    const TGlyphState state = !usable ? gsDisabled : colored[i] ? gsColored : gsEnabled;
    if (down) OffsetRect(&rect, 1, 1);
    DrawGlyph(dc, glyphs_[state][i].Get(), rect);
  }
}

void TWMediaPlayer::DrawGlyph(HDC dc, HBITMAP glyph, RECT rect) const {
  BITMAP info{};
  if (!glyph || !GetObjectW(glyph, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
    return;
  const TMemoryDC source(dc);
  const TSelection selected(source.Get(), glyph);
  const int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2;
  const int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2;
  TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth,
                 info.bmHeight, kGlyphTransparent);
}

// The player hears the press itself; the panel keeps the mouse until the
// release, so that a release anywhere ends the press.
void TWMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  player_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ReleaseCapture();
  pressed_ = ButtonAt(x, y);
  SetCapture(Handle());
  Invalidate();
}

// The player hears the release only over the button it was pressed on.
void TWMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  const int pressed = pressed_;
  EndPress();
  if (pressed >= 0 && ButtonAt(x, y) == pressed) {
    player_->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
}

void TWMediaPlayer::EndPress() {
  pressed_ = -1;
  if (GetCapture() == Handle()) ReleaseCapture();
  Invalidate();
}

const TClassInfo& TSkinMP::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinMP>("TSkinMP", &TSkinControl::StaticClass()).Build();
  return info;
}

bool TSkinMP::HasButtonsImage() const {
  const TDataSkinObject* face = SkinData ? SkinData->Skin().Buttons.get() : nullptr;
  return face && !face->Image->Empty();
}

void TSkinMP::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                       TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  if (!Attached || !Control || !Control->Parent()) return;
  panel_ = new TWMediaPlayer(this, Control, SkinData);
  panel_->SetParent(Control->Parent());
  FollowPlayer();
}

void TSkinMP::FollowPlayer() {
  if (!panel_ || !Control) return;
  panel_->SetBounds(Control->Left(), Control->Top(), Control->Width(), Control->Height());
  // Without the skin's button picture, or with the skin switched off, the
  // player shows its own buttons.
  panel_->SetVisible(Active && Control->Visible() && HasButtonsImage());
  panel_->SetEnabled(Control->Enabled());
  if (panel_->HandleAllocated()) {
    SetWindowPos(panel_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  panel_->Invalidate();
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == panel_) panel_ = nullptr;
}

void TSkinMP::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  if (!wasActive) return;
  if (State == scsGone) {
    // The player's window is gone; the panel must not stand in for it.
    if (panel_ && panel_->HandleAllocated() && IsWindow(panel_->Handle())) {
      ShowWindow(panel_->Handle(), SW_HIDE);
    }
    return;
  }
  delete panel_;  // Notification clears panel_
  panel_ = nullptr;
  if (Handle && IsWindow(Handle)) InvalidateRect(Handle, nullptr, TRUE);
}

void TSkinMP::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      FollowPlayer();
      break;
    case WM_PAINT:
      // The player painted its own buttons: the panel shows the skin's.
      if (panel_) panel_->Invalidate();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinMP::SkinChange() {
  TSkinControl::SkinChange();
  if (panel_) panel_->SetSkinData(SkinData);
  FollowPlayer();
}
