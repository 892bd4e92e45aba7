// Where the caption text goes: alignment from the skin, room left for the
// right-aligned caption buttons, right-to-left windows, the text strip.
#include <algorithm>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinBounds.h"
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

}  // namespace

void TWinSkinForm::DrawCaptionText(TCanvas& canvas, const RECT& c) {
  const HDC dc = canvas.Handle();
  const UINT format = RightToLeft ? kCaptionFormatRtl : kCaptionFormat;

  WideString text = CaptionPrefix;
  if (UnicodeWindow) {
    const int length = GetWindowTextLengthW(Handle);
    std::wstring buffer(static_cast<size_t>(std::max(0, length)) + 1, L'\0');
    const int copied = GetWindowTextW(Handle, buffer.data(), length + 1);
    text.append(buffer.begin(), buffer.begin() + std::max(0, copied));
  } else {
    std::string buffer(kAnsiTextLimit, '\0');
    const auto copied =
        SendMessageA(Handle, WM_GETTEXT, kAnsiTextLimit, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, kAnsiTextLimit)));
    text += AnsiToWide(buffer);
  }
  text += CaptionSuffix;

  RightButtonsWidth = 0;
  for (int i = 0; i < CaptionButtonCount(); ++i) {
    const TWinSysButton& button = *CaptionButton(i);
    const TDataSkinSysButton& element = *button.Element;
    if (button.Visible && element.Align == 1 && !element.Image->Empty()) {
      RightButtonsWidth = std::max(RightButtonsWidth, element.Xcoord);
    }
  }

  const TDataSkinTitle& skinTitle = *SkinData->Skin().Title;
  // The skin's shifts and strip ends, never wider than the band they move in.
  const TCaptionShifts title = FitCaptionShifts(
      {skinTitle.LeftWidth, skinTitle.RightWidth, skinTitle.TopHeight, skinTitle.TXTBackleft,
       skinTitle.TXTBackRight},
      c.right - c.left, c.bottom - c.top);
  const TSelection font(dc, CaptionFont());

  RECT r = c;
  DrawSkinText(dc, text, r, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  r.right += title.StripLeft + title.StripRight;
  const int cw = c.right - c.left;
  const int rw = r.right - r.left;
  int dx = 0;
  switch (skinTitle.TextAlignment) {
    case 0:
      dx = title.Left;
      break;
    case 1:
      dx = Half(cw - rw);
      break;
    case 2:
      dx = cw - title.Right - rw;
      break;
    default:
      break;
  }
  if (RightToLeft) {
    switch (skinTitle.TextAlignment) {
      case 0:
        dx = cw - RightButtonsWidth - rw;
        break;
      case 1:
        dx = Half(cw - rw - RightButtonsWidth);
        break;
      case 2:
        dx = title.Left;
        break;
      default:
        break;
    }
  }
  const int dy = Half((c.bottom - c.top) - (r.bottom - r.top)) + Half(title.Vertical);
  OffsetRect(&r, dx, dy);
  if (RightToLeft && dx <= 0) r.left = title.Left;

  if (RightToLeft) {
    OffsetRect(&r, kRtlShift, 0);
  } else if (Style & WS_POPUP) {
    if (c.right - RightButtonsWidth - kButtonGap < r.right && RightButtonsWidth > kButtonGap) {
      r.right = c.right - RightButtonsWidth - kButtonGap;
    }
  } else {
    r.right = std::min<LONG>(r.right, c.right - title.Right);
  }
  if (BorderKind == bkDialog && skinTitle.TextAlignment == 0) r.left -= kDialogIconRoom;
  TitleRect = r;

  // The strip behind the text is drawn only across the caption band.
  const RECT strip{std::max(r.left, c.left), c.top, std::min(r.right, c.right), c.bottom};
  if (!skinTitle.Image->Empty() && strip.right >= strip.left) {
    DrawHorzBand(canvas, strip, *skinTitle.Image, true, true, 2, Active ? 1 : 2,
                 RECT{title.StripLeft, 0, title.StripRight, 0});
  }
  r.left += title.StripLeft;
  r.right -= title.StripRight;
  // Set only now: drawing the strip through the canvas gives the DC the
  // canvas's own text colour and an opaque background again.
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(
                       SkinData->Skin().Colour(Active ? scTitleTextActive : scTitleTextNoActive))));
  DrawSkinText(dc, text, r, format);
  TextRect = r;
  SetBkMode(dc, oldMode);
}
