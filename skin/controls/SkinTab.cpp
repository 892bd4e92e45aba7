#include "skin/controls/SkinTab.h"

#include <commctrl.h>

#include <utility>

#include "skin/controls/SkinDrawing.h"
#include "skin/core/SkinControlHost.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

enum TTabFrame : int { tfUnselected = 1, tfSelected = 2 };

// The page frame's margins when the skin gives no "Tab.Pane" to take them from.
constexpr RECT kFixedPaneMargins{4, 5, 4, 4};

// Margins (left, top, right, bottom widths) of an image after FlipVert,
// RotateLeft or RotateRight: each edge's width goes where the edge went.
RECT FlippedMargins(const RECT& m) { return RECT{m.left, m.bottom, m.right, m.top}; }
RECT RotatedLeftMargins(const RECT& m) { return RECT{m.top, m.right, m.bottom, m.left}; }
RECT RotatedRightMargins(const RECT& m) { return RECT{m.bottom, m.left, m.top, m.right}; }

bool Vertical(TTabOrientation orientation) {
  return orientation == toLeft || orientation == toRight;
}

// The part of the control beside the pane, where the tabs stand.
RECT StripArea(TTabOrientation orientation, const RECT& rect, const RECT& display) {
  RECT area = rect;
  switch (orientation) {
    case toTop:
      area.bottom = display.top;
      break;
    case toBottom:
      area.top = display.bottom;
      break;
    case toLeft:
      area.right = display.left;
      break;
    case toRight:
      area.left = display.right;
      break;
  }
  return area;
}

// A tab's rectangle in the strip, which is composed lying horizontally
// (length long) and turned afterwards.
RECT TabInStrip(TTabOrientation orientation, const RECT& item, const RECT& display, int length,
                int windowWidth) {
  RECT tab = item;
  switch (orientation) {
    case toTop:
      OffsetRect(&tab, 0, 1);
      break;
    case toBottom:
      OffsetRect(&tab, 0, -(display.bottom + 1));
      break;
    case toLeft:
      tab = RECT{length - item.bottom, item.left, length - item.top, item.right};
      break;
    case toRight:
      tab = RECT{item.top - 1, windowWidth - item.right, item.bottom - 1, windowWidth - item.left};
      break;
  }
  return tab;
}

}  // namespace

const TClassInfo& TSkinTab::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTab>("TSkinTab", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinTab::TSkinTab(TControl* control)
    : TSkinControl(control),
      TabImage(std::make_unique<TBitmap>()),
      PaneImage(std::make_unique<TBitmap>()),
      Strip(std::make_unique<TBitmap>()) {}

TSkinTab::~TSkinTab() = default;

void TSkinTab::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                        TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  if (Attached) AfterAttach();
}

void TSkinTab::InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                          TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitWindow(handle, skinData, form, canvas);
  Focused = GetFocus() == Handle;
  Caption = ReadWindowText();
  AfterAttach();
}

void TSkinTab::AfterAttach() {
  Enabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
  Orientation = TabOrientationOf(WindowLong(GWL_STYLE));
  CloseButtons = dynamic_cast<TPageControl*>(Control) && Control->Tag() == kCloseBoxTag &&
                 Orientation == toTop;
  PrepareImages();
  FindScrollArrows();
  Active = true;
  Unicode = IsWindowUnicode(Handle) != FALSE;
}

// The images first, so that the repaint of the base already uses them.
void TSkinTab::SkinChange() {
  PrepareImages();
  TSkinControl::SkinChange();
}

void TSkinTab::PrepareImages() {
  TabImage->Clear();
  PaneImage->Clear();
  tabMargins_ = paneMargins_ = RECT{};
  if (!SkinData) return;
  const TSkinElements& skin = SkinData->Skin();
  const TDataSkinBorder* tabs = skin.Tabs.get();
  if (!tabs) return;
  TabImage->Assign(tabs->Image.get());
  tabMargins_ = tabs->Margins();
  paneMargins_ = kFixedPaneMargins;
  if (tabs->Style == 0) {
    PaneImage->Assign(tabs->Image2.get());
  } else if (tabs->Style == 1 && skin.TabPane) {
    PaneImage->Assign(skin.TabPane->Image.get());
    paneMargins_ = skin.TabPane->Margins();
  }
  if (!TabImage->Empty()) TabImage->SetPixelFormat(pf24bit);
  if (!PaneImage->Empty()) PaneImage->SetPixelFormat(pf24bit);
  switch (Orientation) {
    case toBottom:
      if (!TabImage->Empty()) FlipVert(*TabImage);
      if (!PaneImage->Empty()) FlipVert(*PaneImage);
      tabMargins_ = FlippedMargins(tabMargins_);
      paneMargins_ = FlippedMargins(paneMargins_);
      break;
    case toLeft:
      if (!PaneImage->Empty()) RotateLeft(*PaneImage);
      paneMargins_ = RotatedLeftMargins(paneMargins_);
      break;
    case toRight:
      if (!PaneImage->Empty()) RotateRight(*PaneImage);
      paneMargins_ = RotatedRightMargins(paneMargins_);
      break;
    case toTop:
      break;
  }
}

RECT TSkinTab::PaneMargins() const { return paneMargins_; }

void TSkinTab::FindScrollArrows() { SkinArrowsChild(ArrowsWindow); }

bool TSkinTab::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintInPlace(message);
      return false;
    case WM_LBUTTONDOWN:
      if (CloseButtons && PressCloseBox(message)) {
        message.Result = 0;
        return false;
      }
      return TSkinControl::BeforeProc(message);
    default:
      return TSkinControl::BeforeProc(message);
  }
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
  if (!SkinData) return;
  Enabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
  RECT display = TabDisplayRect(Handle, rect);
  // The page frame reaches one pixel under the tabs.
  switch (Orientation) {
    case toTop:
      display.top += 1;
      break;
    case toBottom:
      display.bottom -= 1;
      break;
    case toLeft:
      display.left += 1;
      break;
    case toRight:
      display.right -= 1;
      break;
  }
  if (!TabImage->Empty() && SkinData->Skin().Tabs) DrawStrip(dc, rect, display);
  if (!PaneImage->Empty()) {
    DrawFramedImage(dc, display, *PaneImage, false, false, false, 1, 1, PaneMargins());
  }
  if (Mode == 2) PaintWindowlessChildren(dc);
}

void TSkinTab::DrawStrip(HDC dc, const RECT& rect, const RECT& display) {
  const RECT area = StripArea(Orientation, rect, display);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Tabs are composed lying horizontally and turned afterwards.
  const bool vertical = Vertical(Orientation);
  const int length = vertical ? height : width;
  Strip->SetPixelFormat(pf24bit);
  Strip->SetSize(length, vertical ? width : height);
  const HDC strip = Strip->PixelDC();
  if (!strip) return;
  FillParentColour(strip, RECT{0, 0, Strip->Width(), Strip->Height()}, Control, SkinData);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const TSelection selectedFont(strip, font);

  const auto count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  const int current = CurrentTab(Handle);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  const int windowWidth = rect.right - rect.left;
  TabCloseRects.assign(count > 0 ? static_cast<size_t>(count) : 0, RECT{});
  for (int i = 0; i < count; ++i) {
    TTabItem item;
    if (!ReadTabItem(Handle, Unicode != 0, i, item)) continue;
    const RECT tab = TabInStrip(Orientation, item.Rect, display, length, windowWidth);
    DrawTab(strip, item, tab, i == current, images);
    if (CloseButtons) DrawCloseBox(strip, tab, static_cast<size_t>(i));
  }
  if (Orientation == toRight) RotateRight(*Strip);
  if (Orientation == toLeft) RotateLeft(*Strip);
  CopyStrip(dc, area);
}

void TSkinTab::DrawTab(HDC dc, const TTabItem& item, const RECT& tab, bool current,
                       HIMAGELIST images) {
  const TDataSkinBorder& element = *SkinData->Skin().Tabs;
  const int frame = current ? tfSelected : tfUnselected;
  DrawFramedImage(dc, tab, *TabImage, false, element.Tile != 0, element.Trans == 1, element.Frame,
                  frame, tabMargins_);
  const TColor colour = current ? element.MouseOverColour2 : element.NormalColour2;
  DrawTabImageAndText(dc, tab, item, images, colour, !Enabled, TextFlags());
}

void TSkinTab::DrawCloseBox(HDC dc, const RECT& tab, size_t index) {
  const RECT box{tab.right - 8, tab.top + 2, tab.right - 2, tab.top + 8};
  const POINT outline[] = {{box.left, box.top},
                           {box.right, box.top},
                           {box.right, box.bottom},
                           {box.left, box.bottom},
                           {box.left, box.top}};
  Polyline(dc, outline, 5);
  MoveToEx(dc, box.left, box.top, nullptr);
  LineTo(dc, box.right, box.bottom);
  MoveToEx(dc, box.right, box.top, nullptr);
  LineTo(dc, box.left, box.bottom);
  TabCloseRects[index] = box;
}

void TSkinTab::CopyStrip(HDC dc, const RECT& area) {
  const HDC strip = Strip->PixelDC();
  if (!strip) return;
  FindScrollArrows();  // they appear once the tabs overflow
  const TSavedDC saved(dc);
  if (ArrowsWindow && (GetWindowLongPtrW(ArrowsWindow, GWL_STYLE) & WS_VISIBLE)) {
    // The arrows paint themselves; the strip must not cover them.
    RECT arrows{}, window{};
    GetWindowRect(ArrowsWindow, &arrows);
    GetWindowRect(Handle, &window);
    OffsetRect(&arrows, -window.left, -window.top);
    ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  }
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, strip, 0, 0,
         SRCCOPY);
}

bool TSkinTab::PressCloseBox(TMessage& message) {
  const POINT point{static_cast<short>(LOWORD(message.LParam)),
                    static_cast<short>(HIWORD(message.LParam))};
  for (size_t i = 0; i < TabCloseRects.size(); ++i) {
    if (!PtInRect(&TabCloseRects[i], point)) continue;
    const HWND formWindow = Form ? Form->HostWindow() : nullptr;
    const LRESULT answer =
        formWindow ? SendMessageW(formWindow, SKIN_CLOSETAB, reinterpret_cast<WPARAM>(Handle),
                                  static_cast<LPARAM>(i))
                   : 0;
    auto* pages = dynamic_cast<TPageControl*>(Control);
    if (answer == 0 && pages && static_cast<int>(i) < pages->PageCount()) {
      delete pages->Pages(static_cast<int>(i));
    }
    return true;
  }
  return false;
}

void TSkinTab::PaintWindowlessChildren(HDC dc) {
  if (auto* container = dynamic_cast<TWinControl*>(Control)) container->PaintControls(dc, nullptr);
}

// Without a usable Tabs picture the strip is left to the control itself.
bool TSkinTab::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Tabs.get());
}
