// The pointer over the caption: the hot object, the hover timer that
// watches it, and the hint a caption button shows after a while.
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Timer.h"

namespace {

constexpr UINT kHoverStep = 250;
constexpr int kHintBelowCursor = 24;

}  // namespace

void TCaptionBar::HintReset() {
  TSkinData* skinData = form_.SkinData();
  if (!skinData) return;
  skinData->HoverTime = 0;
  skinData->HideCaptionHint();
}

void TCaptionBar::LeaveHotObject() {
  if (!hotObject_) return;
  hotObject_->MouseLeave();
  hotObject_ = nullptr;
}

void TCaptionBar::CreateHoverTimer() {
  hoverTimer_ = std::make_unique<TTimer>(nullptr);
  hoverTimer_->SetEnabled(false);
  hoverTimer_->SetInterval(kHoverStep);
  hoverTimer_->OnTimer = [this](TObject*) { HoverTick(); };
}

void TCaptionBar::DestroyHoverTimer() { hoverTimer_.reset(); }

void TCaptionBar::EnableHover(bool enabled) {
  if (hoverTimer_) hoverTimer_->SetEnabled(enabled);
}

void TCaptionBar::WatchHotObject() {
  if (form_.Window().Active) EnableHover(true);
}

void TCaptionBar::HoverTick() {
  // The menu loop owns the pointer while a drop-down is open.
  if (form_.MenuHost().Tracking()) return;
  // Nothing to watch: an idle program should not wake four times a second.
  if (!hotObject_) {
    EnableHover(false);
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT p = form_.Frame().ScreenToWindow(MAKELPARAM(cursor.x, cursor.y));
  if (!PtInRect(&hotObject_->Rect, p)) {
    LeaveHotObject();
    HintReset();
    return;
  }
  if (const auto* button = dynamic_cast<TWinSysButton*>(hotObject_)) ShowHint(*button, cursor);
}

// The hint shows after twice the application's hint pause and hides after
// its hide pause, counted in hover steps.
void TCaptionBar::ShowHint(const TWinSysButton& button, POINT cursor) {
  TSkinData* skinData = form_.SkinData();
  if (!skinData) return;
  skinData->HoverTime += static_cast<int>(kHoverStep);
  const int pause = 2 * (Application ? Application->HintPause : 500);
  const int hide = Application ? Application->HintHidePause : 2500;
  const String text = CaptionHintText(button.Element->Action);
  if (skinData->HoverTime >= pause && skinData->HoverTime < pause + hide) {
    if (text.empty()) return;
    RECT window{};
    GetWindowRect(form_.Handle(), &window);
    const LONG left = button.Rect.left + window.left;
    const LONG top = cursor.y + kHintBelowCursor;
    skinData->ShowCaptionHint(RECT{left, top, left, top}, text);
  } else if (skinData->HoverTime >= pause + hide) {
    skinData->HideCaptionHint();
  }
}
