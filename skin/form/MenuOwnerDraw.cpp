// Owner-drawn menu items that reach the skinned window: toolkit items are
// measured and drawn by their own measuring and the skin's painter, native
// entries through a temporary item made from the entry.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/MenuItemPainter.h"
#include "skin/form/MenuSkinHandlers.h"
#include "skin/form/MenuText.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// Below this the ids are the application's own commands that the toolkit
// does not know: their owner knows how to draw them.
constexpr UINT kLastApplicationId = 4095;

bool ApplicationId(UINT id) { return id >= 1 && id <= kLastApplicationId; }

TMenuItem* FindInMenu(const TMenu* menu, UINT id) {
  if (!menu) return nullptr;
  if (TMenuItem* item = menu->FindItem(id, fkCommand)) return item;
  TMenuItem* item = menu->FindItem(id, fkHandle);
  return item != menu->Items() ? item : nullptr;
}

// A canvas on a DC of the window, in the menu font.
class TMenuFontCanvas {
 public:
  explicit TMenuFontCanvas(HWND window) : dc_(window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      const TFontHandle font(CreateFontIndirectW(&metrics.lfMenuFont));
      canvas_.Font().SetHandle(font.Get());
    }
    canvas_.SetHandle(dc_.Get());
  }
  ~TMenuFontCanvas() { canvas_.SetHandle(nullptr); }
  TMenuFontCanvas(const TMenuFontCanvas&) = delete;
  TMenuFontCanvas& operator=(const TMenuFontCanvas&) = delete;
  TCanvas& Canvas() { return canvas_; }

 private:
  TWindowDC dc_;
  TCanvas canvas_;
};

}  // namespace

TMenuItem* TMenuBarHost::ToolkitMenuItem(UINT id) const {
  if (const TCustomForm* form = form_.ToolkitForm()) {
    if (TMenuItem* item = FindInMenu(form->Menu(), id)) return item;
    for (int i = 0; i < form->ComponentCount(); ++i) {
      if (TMenuItem* item = FindInMenu(dynamic_cast<TPopupMenu*>(form->Components(i)), id))
        return item;
    }
  }
  return FindInMenu(systemMenuPopup_.get(), id);
}

// Only menus of a window that had a menu when it was attached, and the
// system menu's copy, are ours; everything else keeps its owner's sizes.
bool TMenuBarHost::MeasureMenuItem(LPARAM lParam, LRESULT& result) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  TSkinData* skinData = form_.SkinData();
  if (!measure || measure->CtlType != ODT_MENU || !skinData) return false;
  const UINT id = measure->itemID;
  // The copy's commands are the toolkit's own numbers, which a plain
  // window's entries may use too; only the copy on screen is measured.
  TMenuItem* systemItem = systemMenuShowing_ ? FindInMenu(systemMenuPopup_.get(), id) : nullptr;
  if (!windowMenu_ && !systemItem) return false;
  const bool toolkitForm = form_.ToolkitForm() != nullptr;
  TMenuItem* item = systemItem ? systemItem : (toolkitForm ? ToolkitMenuItem(id) : nullptr);
  if (item) {
    TMenuFontCanvas canvas(form_.Handle());
    int width = static_cast<int>(measure->itemWidth);
    int height = static_cast<int>(measure->itemHeight);
    MeasureSkinToolkitItem(*item, *skinData, canvas.Canvas(), width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    result = TRUE;
    return true;
  }
  // A plain window's entries are drawn by us whatever their id, so they are
  // measured by us too.
  if (toolkitForm && ApplicationId(id)) return false;
  const String text = NativeMenuText(trackedPopup_ ? trackedPopup_ : windowMenu_, id, false);
  MeasureSkinMenuText(text, *skinData, measure->itemWidth, measure->itemHeight);
  result = TRUE;
  return true;
}

bool TMenuBarHost::DrawMenuItem(LPARAM lParam, LRESULT& result) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  TSkinData* skinData = form_.SkinData();
  if (!draw || draw->CtlType != ODT_MENU || !skinData) return false;
  const UINT id = draw->itemID;
  // The same numbers again: the menu drawn in tells them apart.
  const bool inSystemCopy =
      systemMenuPopup_ && draw->hwndItem == reinterpret_cast<HWND>(systemMenuPopup_->Handle());
  TMenuItem* systemItem = inSystemCopy ? FindInMenu(systemMenuPopup_.get(), id) : nullptr;
  if (!windowMenu_ && !systemItem) return false;
  const bool selected = (draw->itemState & ODS_SELECTED) != 0;
  const bool toolkitForm = form_.ToolkitForm() != nullptr;
  TMenuItem* item = systemItem ? systemItem : (toolkitForm ? ToolkitMenuItem(id) : nullptr);
  TSkinSession* session = form_.Session();
  if (item) {
    DrawSkinToolkitItem(*item, *skinData, session, draw->hDC, draw->rcItem, selected,
                        form_.Window().RightToLeft);
  } else {
    if (toolkitForm && ApplicationId(id)) return false;
    const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
    TSkinMenuItem look = SkinMenuItemOfNative(menu, id);
    look.RightToLeft = look.RightToLeft || form_.Window().RightToLeft;
    DrawSkinMenuItem(draw->hDC, draw->rcItem, look, selected, *skinData,
                     MenuBackgroundOf(session, menu));
  }
  result = TRUE;
  return true;
}
