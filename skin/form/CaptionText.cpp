// Where the caption text goes: alignment from the skin, room left for the
// right-aligned caption buttons, right-to-left windows, the text strip.
#include <algorithm>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kCaptionFormatRtl = kCaptionFormat | DT_RIGHT | DT_RTLREADING;
constexpr int kAnsiTextLimit = 1000;
constexpr int kDialogIconRoom = 16;
constexpr int kRtlShift = 10;
constexpr int kButtonGap = 5;

// Integer halves truncate toward zero, as the layout rules expect.
int Half(int value) { return value / 2; }

// The window's text between the caption's leading and trailing spaces.
WideString CaptionTextOf(HWND window, bool unicode) {
  WideString text = u" ";
  if (unicode) {
    const int length = GetWindowTextLengthW(window);
    std::wstring buffer(static_cast<size_t>(std::max(0, length)) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    text.append(buffer.begin(), buffer.begin() + std::max(0, copied));
  } else {
    std::string buffer(kAnsiTextLimit, '\0');
    const auto copied =
        SendMessageA(window, WM_GETTEXT, kAnsiTextLimit, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, kAnsiTextLimit)));
    text += AnsiToWide(buffer);
  }
  return text + u"  ";
}

// How far the measured text moves right in a caption cw wide.
int TextShift(int alignment, bool rightToLeft, const TCaptionShifts& title, int cw, int rw,
              int rightButtons) {
  if (rightToLeft) {
    switch (alignment) {
      case 0:
        return cw - rightButtons - rw;
      case 1:
        return Half(cw - rw - rightButtons);
      case 2:
        return title.Left;
      default:
        return 0;
    }
  }
  switch (alignment) {
    case 0:
      return title.Left;
    case 1:
      return Half(cw - rw);
    case 2:
      return cw - title.Right - rw;
    default:
      return 0;
  }
}

}  // namespace

void TCaptionBar::MeasureRightButtons() {
  rightButtonsWidth_ = 0;
  for (const auto& button : buttons_) {
    const TDataSkinSysButton& element = *button->Element;
    if (button->Visible && element.Align == 1 && !element.Image->Empty()) {
      rightButtonsWidth_ = std::max(rightButtonsWidth_, element.Xcoord);
    }
  }
}

// Where the text strip goes: measured, aligned as the skin says, kept off
// the right-aligned buttons.
RECT TCaptionBar::PlaceText(HDC dc, const WideString& text, const RECT& c,
                            const TCaptionShifts& title, int alignment) const {
  RECT r = c;
  DrawSkinText(dc, text, r, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  r.right += title.StripLeft + title.StripRight;
  const bool rightToLeft = form_.Window().RightToLeft;
  const int dx = TextShift(alignment, rightToLeft, title, c.right - c.left, r.right - r.left,
                           rightButtonsWidth_);
  const int dy = Half((c.bottom - c.top) - (r.bottom - r.top)) + Half(title.Vertical);
  OffsetRect(&r, dx, dy);
  if (rightToLeft && dx <= 0) r.left = title.Left;
  if (rightToLeft) {
    OffsetRect(&r, kRtlShift, 0);
  } else if (form_.Window().Style & WS_POPUP) {
    if (c.right - rightButtonsWidth_ - kButtonGap < r.right && rightButtonsWidth_ > kButtonGap) {
      r.right = c.right - rightButtonsWidth_ - kButtonGap;
    }
  } else {
    r.right = std::min<LONG>(r.right, c.right - title.Right);
  }
  if (form_.Window().BorderKind == bkDialog && alignment == 0) r.left -= kDialogIconRoom;
  return r;
}

void TCaptionBar::DrawText(TCanvas& canvas, const RECT& c) {
  const HDC dc = canvas.Handle();
  const TSkinElements& skin = form_.SkinData()->Skin();
  const WideString text = CaptionTextOf(form_.Handle(), form_.Window().UnicodeWindow);
  MeasureRightButtons();
  const TDataSkinTitle& skinTitle = *skin.Title;
  // The skin's shifts and strip ends, never wider than the band they move in.
  const TCaptionShifts title =
      FitCaptionShifts({skinTitle.LeftWidth, skinTitle.RightWidth, skinTitle.TopHeight,
                        skinTitle.TXTBackleft, skinTitle.TXTBackRight},
                       c.right - c.left, c.bottom - c.top);
  const TSelection font(dc, Font());
  RECT r = PlaceText(dc, text, c, title, skinTitle.TextAlignment);
  titleRect_ = r;

  const bool active = form_.Window().Active;
  // The strip behind the text is drawn only across the caption band.
  const RECT strip{std::max(r.left, c.left), c.top, std::min(r.right, c.right), c.bottom};
  if (!skinTitle.Image->Empty() && strip.right >= strip.left) {
    DrawHorzBand(canvas, strip, *skinTitle.Image, true, true, 2, active ? 1 : 2,
                 RECT{title.StripLeft, 0, title.StripRight, 0});
  }
  r.left += title.StripLeft;
  r.right -= title.StripRight;
  // Set only now: drawing the strip through the canvas gives the DC the
  // canvas's own text colour and an opaque background again.
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(
                       ColorToRGB(skin.Colour(active ? scTitleTextActive : scTitleTextNoActive))));
  DrawSkinText(dc, text, r, form_.Window().RightToLeft ? kCaptionFormatRtl : kCaptionFormat);
  textRect_ = r;
  SetBkMode(dc, oldMode);
}
