#include "skin/form/MenuItemPainter.h"

#include <algorithm>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/form/MenuText.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kMenuItemFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;
constexpr int kMinimumGlyphBox = 16;
constexpr int kTextGap = 3;
constexpr int kShortCutRightMargin = 10;
constexpr int kEtchedLineTop = 4;
constexpr int kSeparatorHeight = 8;
constexpr int kNativeTextRoom = 26;
// OBM_CHECK, which windows.h hides without OEMRESOURCE.
constexpr WORD kCheckMarkBitmap = 32760;
// Where a check mark goes over a picture: pixels of the source that are 0
// take the brush, the rest keep what is there.
constexpr DWORD kRopPatternWhereSourceIsBlack = 0x00B8074A;

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

const TDataSkinObject* MenuItemElement(const TSkinData& data) {
  const TDataSkinObject* element = data.Skin().MenuItem.get();
  return element && !element->Image->Empty() ? element : nullptr;
}

TFontHandle MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return TFontHandle(nullptr);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

// The pattern the system fills a checked picture's box with: face and
// highlight pixels alternating.
TBrushHandle CheckedBoxBrush() {
  TBitmap pattern(8, 8, pf24bit);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const HDC dc = pattern.Canvas().Handle();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) SetPixel(dc, x, y, (x + y) % 2 ? light : face);
  return TBrushHandle(CreatePatternBrush(pattern.Handle()));
}

void DrawCheckBitmap(HDC dc, const RECT& box, COLORREF colour) {
  const TBitmapHandle check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  BITMAP info{};
  if (!check || !GetObjectW(check.Get(), sizeof info, &info)) return;
  const TMemoryDC source(dc);
  const TSelection selected(source.Get(), check.Get());
  const TBrushHandle brush(CreateSolidBrush(colour));
  const TSelection brushIn(dc, brush.Get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2;
  const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2;
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, kRopPatternWhereSourceIsBlack);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

COLORREF TextColour(const TSkinMenuItem& item, bool selected, const TSkinData& data) {
  const TSkinElements& skin = data.Skin();
  if (item.Enabled) return Rgb(skin.Colour(selected ? scHilightText : scMenuText));
  // A disabled text in the normal text's colour would not look disabled.
  if (skin.Colour(scButtonShadow) == skin.Colour(scMenuText)) return GetSysColor(COLOR_GRAYTEXT);
  return Rgb(skin.Colour(scButtonShadow));
}

// A right-to-left item is laid out as a left-to-right one seen in a mirror.
RECT MirroredIn(const RECT& whole, const RECT& part, bool mirrored) {
  if (!mirrored) return part;
  return RECT{whole.left + whole.right - part.right, part.top,
              whole.left + whole.right - part.left, part.bottom};
}

void DrawContent(TCanvas& canvas, const RECT& rect, const TSkinMenuItem& item, bool selected,
                 const TSkinData& data) {
  const HDC dc = canvas.Handle();
  const TDataSkinObject* element = MenuItemElement(data);
  const int glyph = std::max(kMinimumGlyphBox, item.Images ? item.Images->Width() : 0);
  const int left = rect.left + 1 + (element ? element->LeftWidth : 0);
  const bool rtl = item.RightToLeft;
  const RECT box = MirroredIn(rect,
                              RECT{left, rect.top + 1, left + glyph,
                                   std::min<LONG>(rect.top + 1 + glyph, rect.bottom - 1)},
                              rtl);
  const COLORREF colour = TextColour(item, selected, data);
  if (item.HasImage()) {
    if (item.Checked) {
      const TBrushHandle pattern = CheckedBoxBrush();
      FillRect(dc, &box, pattern.Get());
      RECT edge = box;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    const int x = box.left + (glyph - item.Images->Width()) / 2;
    const int y = box.top + (box.bottom - box.top - item.Images->Height()) / 2;
    item.Images->Draw(canvas, x, y, item.ImageIndex, item.Enabled);
  } else if (item.Checked) {
    DrawCheckBitmap(dc, box, colour);
  }
  const TFontHandle font = MenuFont(item.Default);
  const TSelection fontIn(dc, font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const UINT toTheEnd = rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  const UINT toTheStart = rtl ? DT_LEFT | DT_RTLREADING : DT_RIGHT;
  const int textLeft = left + glyph + kTextGap;
  RECT text = MirroredIn(rect, RECT{textLeft, rect.top, rect.right - 1, rect.bottom}, rtl);
  const std::wstring caption = ToWide(item.Caption);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            toTheEnd | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  const std::wstring keys = ToWide(item.ShortCutText);
  if (keys.empty()) return;
  RECT keysRect = MirroredIn(
      rect, RECT{textLeft, rect.top, rect.right - kShortCutRightMargin, rect.bottom}, rtl);
  DrawTextW(dc, keys.c_str(), static_cast<int>(keys.size()), &keysRect,
            toTheStart | DT_VCENTER | DT_SINGLELINE);
}

// Frame 2 of the element, ends kept and middle stretched, bottom-aligned
// when the image is taller than the item, magenta left out.
void DrawSkinSeparator(TCanvas& canvas, int width, int height, const TDataSkinObject& element) {
  TBitmap& image = *element.Image;
  const int imageHeight = image.Height();
  TBitmap band(width, imageHeight, pf24bit);
  if (band.Empty()) return;
  const RECT margins{element.LeftWidth, 0, element.RightWidth, 0};
  StretchHorzBand(band.PixelDC(), RECT{0, 0, width, imageHeight}, image, false, kMenuItemFrames,
                  kSeparatorFrame, margins);
  band.SetTransparentColor(clFuchsia);
  band.SetTransparent(true);
  canvas.Draw(0, imageHeight > height ? height - imageHeight : 0, band);
}

void FillWith(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(Rgb(colour)));
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

bool TSkinMenuItem::HasImage() const {
  return Images && ImageIndex >= 0 && ImageIndex < Images->Count();
}

TSkinMenuItem SkinMenuItemOf(TMenuItem& item) {
  TSkinMenuItem look;
  SplitMenuText(item.Caption(), look.Caption, look.ShortCutText);
  if (look.ShortCutText.empty()) look.ShortCutText = ShortCutToText(item.ShortCut());
  look.Enabled = item.Enabled();
  look.Checked = item.Checked();
  look.Default = item.Default();
  const TMenu* menu = item.GetParentMenu();
  look.Images = menu ? menu->Images() : nullptr;
  const auto* owner = menu ? dynamic_cast<const TControl*>(menu->Owner()) : nullptr;
  look.RightToLeft = owner && owner->UseRightToLeftScrollBar();
  look.ImageIndex = item.ImageIndex();
  return look;
}

TSkinMenuItem SkinMenuItemOfNative(HMENU menu, UINT command) {
  TSkinMenuItem look;
  const String text = NativeMenuText(menu, command, false);
  SplitMenuText(text.empty() ? String(1, '-') : text, look.Caption, look.ShortCutText);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  if (GetMenuItemInfoW(menu, command, FALSE, &info)) {
    look.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
    look.Enabled = (info.fState & MFS_GRAYED) == 0;
    look.Checked = (info.fState & MFS_CHECKED) != 0;
    look.Default = (info.fState & MFS_DEFAULT) != 0;
  }
  return look;
}

TMenuBackground MenuBackgroundOf(TSkinSession* session, HMENU menu) {
  return session ? session->MenuBackground(menu) : TMenuBackground{};
}

void DrawSkinMenuItem(HDC dc, const RECT& rect, const TSkinMenuItem& item, bool selected,
                      TSkinData& data, const TMenuBackground& background) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!dc || width <= 0 || height <= 0) return;
  TBitmap buffer(width, height, pf24bit);
  if (buffer.Empty()) return;
  TCanvas& canvas = buffer.Canvas();
  const HDC memory = canvas.Handle();
  const RECT whole{0, 0, width, height};
  const TDataSkinObject* element = MenuItemElement(data);
  if (element) {
    TBitmap* picture = background.Picture;
    if (picture && !picture->Empty()) {
      BitBlt(memory, 0, 0, width, height, picture->Canvas().Handle(),
             rect.left + background.ClientOffset.x, rect.top + background.ClientOffset.y, SRCCOPY);
    } else {
      FillWith(memory, whole, data.Skin().Colour(scMenu));
    }
    if (item.IsLine()) {
      DrawSkinSeparator(canvas, width, height, *element);
    } else {
      DrawFramedImage(memory, whole, *element->Image, false, element->Tile != 0,
                      element->Trans != 0, kMenuItemFrames,
                      selected ? kSelectedFrame : kNormalFrame, element->Margins());
      DrawContent(canvas, whole, item, selected, data);
    }
  } else {
    FillWith(memory, whole, data.Skin().Colour(selected && !item.IsLine() ? scHilight : scMenu));
    if (item.IsLine()) {
      RECT line{0, kEtchedLineTop, width, height};
      DrawEdge(memory, &line, EDGE_ETCHED, BF_TOP);
    } else {
      DrawContent(canvas, whole, item, selected, data);
    }
  }
  BitBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);
}

void MeasureSkinMenuText(const String& text, TSkinData& data, UINT& width, UINT& height) {
  if (text.empty() || text == "-") {
    height = kSeparatorHeight;
    return;
  }
  const TScreenDC screen;
  const TFontHandle font = MenuFont(false);
  const TSelection fontIn(screen.Get(), font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring wide = ToWide(text);
  RECT bounds{0, 0, 0, 0};
  DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &bounds,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  const TDataSkinObject* element = MenuItemElement(data);
  width = static_cast<UINT>(bounds.right - bounds.left + kNativeTextRoom +
                            (element ? element->LeftWidth : 0));
  height += 4;
}
