// Caption buttons: which are shown, where they sit, how each state looks.
#include "skin/form/CaptionButtons.h"

#include <algorithm>

#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kMenuBarButtons = 100;

bool IsIconAction(int action) { return action == cbIcon || action == cbIconAlt; }

HFONT MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return nullptr;  // the DC's own font is used then
  }
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

}  // namespace

void TNCObject::MouseDown() {
  TCaptionBar& caption = Form.Caption();
  if (caption.HotObject() && caption.HotObject() != this) caption.HotObject()->MouseLeave();
  if (!Visible) return;
  caption.SetHotObject(this);
  caption.WatchHotObject();
  State = nsPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = nsHot;
  Paint();
}

void TNCObject::MouseEnter() {
  TCaptionBar& caption = Form.Caption();
  if (caption.HotObject() == this) return;
  if (caption.HotObject()) caption.HotObject()->MouseLeave();
  if (!Visible) return;
  caption.SetHotObject(this);
  caption.WatchHotObject();
  State = nsHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  Form.Caption().SetHotObject(nullptr);
  State = nsNormal;
  Paint();
  Form.Caption().HintReset();
}

bool TWinSysButton::IsIcon() const { return IsIconAction(Element->Action); }

void TWinSysButton::Paint() {
  if (!Visible || Element->Image->Empty()) return;
  int frame = State;
  if (!Enabled) frame = Element->Frame > 3 ? bfDisabled : bfNormal;
  if (Element->Visibility == kMenuBarButtons && State == nsHot) frame = bfDisabled;
  if (Element->Visibility != kMenuBarButtons) {
    Form.PaintCaptionButton(*this, frame);
    return;
  }
  const TWindowDC dc(Form.Handle(), TDCArea::Window);
  if (!dc.Get()) return;
  if (IsIcon()) {
    Form.Caption().DrawIcon(dc.Get(), Rect);
  } else {
    DrawStretchedFrame(dc.Get(), Rect, *Element->Image, true, Element->Frame, frame);
  }
}

const char* CaptionHintText(int action) {
  switch (action) {
    case cbClose:
    case cbMdiClose:
    case cbMdiCloseAlt:
      return "Close";
    case cbMaximize:
    case cbMaximizeAlt:
      return "Maximize";
    case cbMinimize:
    case cbMdiMinimize:
    case cbMinimizeAlt:
    case cbMdiMinimizeAlt:
      return "Minimize";
    case cbMdiRestore:
    case cbMdiRestoreAlt:
      return "Restore";
    default:
      return "";
  }
}

namespace {

// The window facts a button's visibility codes ask about.
struct TButtonContext {
  HWND window = nullptr;
  bool maximised = false;
  bool active = false;
  bool minBox = false;
  bool maxBox = false;
  bool sysMenu = false;
  bool help = false;
  HWND mdiClient = nullptr;   // an MDI frame's client
  bool menuBand = false;      // the frame shows a menu bar band
  bool dialogBorder = false;  // a dialog frame that is not a dialog class
  bool AnyBox() const { return minBox || maxBox; }
};

bool MaximisedChildActive(HWND mdiClient) {
  BOOL childMaximised = FALSE;
  const auto active =
      SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&childMaximised));
  return active && childMaximised;
}

// Codes past the fixed ones: reserved ones show, and the program decides the
// 1000s (only for the first code; the second then always holds).
bool RangeCondition(const TButtonContext& c, int code, bool second, int action) {
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) {
    return second ||
           SendMessageW(c.window, SKIN_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
  }
  return false;
}

bool VisibilityCondition(const TButtonContext& c, int code, bool second, int action) {
  switch (code) {
    case -1:
      // Only a skin that writes it explicitly gives -1 first: it shows.
      return !second;
    case 0:
      return true;
    case 1:
      return c.maximised;
    case 2:
      return !c.maximised;
    case 3:
      return c.active;
    case 4:
      return !c.active;
    case 5:
      return false;
    case 6:
    case 8:
      return second ? c.AnyBox() : c.AnyBox() && c.sysMenu;
    case 7:
      return !c.maxBox;
    case 9:
      return !c.minBox;
    case 10:
      return second ? c.help : c.help && !c.AnyBox();
    case kMenuBarButtons:
      // A maximised MDI child's buttons, on the frame's menu bar.
      return c.mdiClient && MaximisedChildActive(c.mdiClient) && c.menuBand;
    case 200:
      return c.dialogBorder;
    default:
      return RangeCondition(c, code, second, action);
  }
}

}  // namespace

TCaptionBar::TCaptionBar(TWinSkinForm& form)
    : form_(form),
      font_(MakeCaptionFont()),
      iconBitmap_(std::make_unique<TBitmap>()),
      smallIconSize_(GetSystemMetrics(SM_CXSMICON)) {}

TCaptionBar::~TCaptionBar() = default;

void TCaptionBar::CreateButtons() {
  ReleaseButtons();
  TSkinData* skinData = form_.SkinData();
  if (!skinData) return;
  for (const auto& record : skinData->Skin().CaptionButtons) {
    auto button = std::make_unique<TWinSysButton>(form_, record.get());
    if (IsIconAction(record->Action)) {
      RebuildIcon();
      if (record->Image->Empty()) record->Image->Assign(iconBitmap_.get());
      if (skinData->AppIconBitmap().Empty()) skinData->AppIconBitmap().Assign(iconBitmap_.get());
      record->Frame = 1;
    }
    buttons_.push_back(std::move(button));
  }
}

void TCaptionBar::ReleaseButtons() {
  hotObject_ = nullptr;
  buttons_.clear();
}

// Sets the button's visibility (and, for the window commands, whether it is
// enabled) from the skin's two visibility codes and the window's styles.
bool TCaptionBar::UpdateButtonVisibility(TWinSysButton& button) const {
  const TDataSkinSysButton& e = *button.Element;
  const TWinSkinForm& f = form_;
  TButtonContext c;
  c.window = f.Handle();
  c.maximised = f.Window().Placement == plMaximised;
  c.active = f.Window().Active;
  c.minBox = (f.Window().SysFlags & sfMinimizeBox) != 0;
  c.maxBox = (f.Window().SysFlags & sfMaximizeBox) != 0;
  c.sysMenu = (f.Window().SysFlags & sfSystemMenu) != 0;
  c.help = (f.Window().SysFlags & sfContextHelp) != 0;
  c.dialogBorder = !f.Window().DialogClass && f.Window().BorderKind == bkDialog;
  c.mdiClient = f.Window().MDIKind == mkFrame ? f.Window().MDIClient : nullptr;
  c.menuBand = f.Frame().MenuBarHeight() > 0;
  bool visible = VisibilityCondition(c, e.Visibility, false, e.Action) &&
                 VisibilityCondition(c, e.Visibility1, true, e.Action);
  if (e.Action == cbClose && !c.sysMenu) visible = false;
  if (e.Action == cbMaximize) button.Enabled = c.maxBox && c.sysMenu;
  if (e.Action == cbMinimize) button.Enabled = c.minBox && c.sysMenu;
  if ((IsIconAction(e.Action) || e.Action == cbIconMenu) && f.Window().BorderKind == bkDialog) {
    visible = false;
  }
  button.Visible = visible;
  return visible;
}

RECT TCaptionBar::ButtonRect(const TWinSysButton& button) const {
  const TDataSkinSysButton& e = *button.Element;
  const int width = form_.Frame().WindowWidth();
  const int frameTop = form_.Frame().Top();
  // A button is never larger than the window nor placed outside it.
  const int w = std::min(e.Image->Width() / std::max(1, e.Frame), width);
  const int h = std::min(e.Image->Height(), std::max(frameTop, 0));
  const int y = ClampToRange(e.Ycoord, 0, frameTop - h);
  RECT rect{0, 0, w, h};
  switch (e.Align) {
    case 0:
      OffsetRect(&rect, CaptionButtonOffset(e.Xcoord, w, width, false), y);
      break;
    case 1:
      OffsetRect(&rect, width - CaptionButtonOffset(e.Xcoord, w, width, true), y);
      break;
    case 2:
    case 8:
      OffsetRect(&rect, titleRect_.left - w - ClampToRange(e.Xcoord, 0, width), y);
      break;
    case 3:
    case 9:
      OffsetRect(&rect, titleRect_.right + ClampToRange(e.Xcoord, 0, width), y);
      break;
    case kMenuBarButtons: {
      const auto& menuBar = form_.SkinData()->Skin().MenuBar;
      OffsetRect(&rect,
                 width - e.Xcoord - form_.Frame().Right() - (menuBar ? menuBar->LeftWidth : 0),
                 frameTop + (form_.Frame().MenuBarHeight() - h) / 2);
      break;
    }
    default:
      break;
  }
  return rect;
}

void TCaptionBar::LayoutButtons() {
  for (const auto& button : buttons_) {
    if (!UpdateButtonVisibility(*button) || button->Element->Image->Empty()) continue;
    button->Rect = ButtonRect(*button);
  }
}

void TCaptionBar::PaintButtons(TCanvas& canvas) const {
  for (const auto& button : buttons_) {
    const TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Image->Empty() || e.Visibility == kMenuBarButtons) continue;
    const int frame =
        e.Frame < 4 || (form_.Window().Active && button->Enabled) ? bfNormal : bfDisabled;
    if (button->IsIcon()) {
      DrawIcon(canvas.Handle(), button->Rect);
    } else {
      DrawStretchedFrame(canvas.Handle(), button->Rect, *e.Image, true, e.Frame, frame);
    }
  }
}

TWinSysButton* TCaptionBar::ButtonAt(POINT p) const {
  for (const auto& button : buttons_) {
    if (button->Visible && button->Element->Action >= 0 && PtInRect(&button->Rect, p)) {
      return button.get();
    }
  }
  return nullptr;
}
