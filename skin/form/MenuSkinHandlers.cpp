#include "skin/form/MenuSkinHandlers.h"

#include "skin/data/WinSkinData.h"
#include "skin/form/MenuItemPainter.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/core/ScopeExit.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr int kMainMenuExtra = 10;
constexpr int kMainMenuExtraWithoutImages = 25;
constexpr int kPopupExtra = 12;
constexpr int kPopupExtraWithoutImages = 23;

// Our handlers are function objects of these types, so that they can be
// told apart from an application's own.
struct TSkinDrawHandler {
  TSkinData* Data;
  TSkinSession* Session;
  TAdvancedMenuDrawItemEvent Previous;  // an application's, given back later
  void operator()(TObject* sender, TCanvas* canvas, RECT rect, TOwnerDrawState state) const {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || !canvas) return;
    DrawSkinToolkitItem(*item, *Data, Session, canvas->Handle(), rect, state.Contains(odSelected),
                        false);
  }
};

struct TSkinMeasureHandler {
  TSkinData* Data;
  void operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (item && canvas) MeasureSkinToolkitItem(*item, *Data, *canvas, width, height);
  }
};

bool OwnDrawHandler(const TMenuItem& item) {
  return (item.OnAdvancedDrawItem && !item.OnAdvancedDrawItem.target<TSkinDrawHandler>()) ||
         item.OnDrawItem;
}

bool IsSkinMeasureHandler(const TMenuItem& item) {
  return item.OnMeasureItem.target<TSkinMeasureHandler>() != nullptr;
}

template <typename F>
void ForEachItem(TMenuItem& parent, int depth, const F& action) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& child = *parent.Items(i);
    action(child, depth);
    ForEachItem(child, depth + 1, action);
  }
}

void SetDrawHandler(TMenuItem& item, TSkinData& data, TSkinSession* session) {
  TAdvancedMenuDrawItemEvent previous;
  if (const auto* ours = item.OnAdvancedDrawItem.target<TSkinDrawHandler>())
    previous = ours->Previous;
  else
    previous = item.OnAdvancedDrawItem;
  item.OnAdvancedDrawItem = TSkinDrawHandler{&data, session, std::move(previous)};
}

void SkinMenu(TMenu& menu, TSkinData& data, TSkinSession* session) {
  menu.SetOwnerDraw(true);
  InstallSkinMenuHandlers(menu, data, session);
}

void SkinPopupsOf(TComponent& owner, TSkinData& data, TSkinSession* session) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* popup = dynamic_cast<TPopupMenu*>(owner.Components(i));
    if (popup && popup->Tag() != data.DisableTag()) SkinMenu(*popup, data, session);
  }
}

void UnskinMenu(TMenu& menu) {
  RemoveSkinMenuHandlers(menu);
  menu.SetOwnerDraw(false);
}

void UnskinPopupsOf(TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (auto* popup = dynamic_cast<TPopupMenu*>(owner.Components(i))) UnskinMenu(*popup);
  }
}

bool LeftAlone(const TCustomForm& form) { return form.ClassName() == "TwwRichEditForm"; }

}  // namespace

bool HasSkinDrawHandler(const TMenuItem& item) {
  return item.OnAdvancedDrawItem.target<TSkinDrawHandler>() != nullptr;
}

void InstallSkinMenuHandlers(TMenu& menu, TSkinData& data, TSkinSession* session) {
  if (dynamic_cast<TMainMenu*>(&menu)) {
    ForEachItem(*menu.Items(), 0, [&](TMenuItem& item, int depth) {
      if (depth == 0 || OwnDrawHandler(item)) return;
      SetDrawHandler(item, data, session);
      item.OnMeasureItem = TSkinMeasureHandler{&data};
    });
    return;
  }
  ForEachItem(*menu.Items(), 0, [&](TMenuItem& item, int) {
    SetDrawHandler(item, data, session);
    if (!item.OnMeasureItem || IsSkinMeasureHandler(item))
      item.OnMeasureItem = TSkinMeasureHandler{&data};
  });
}

void RemoveSkinMenuHandlers(TMenu& menu) {
  ForEachItem(*menu.Items(), 0, [](TMenuItem& item, int) {
    if (const auto* ours = item.OnAdvancedDrawItem.target<TSkinDrawHandler>())
      item.OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent(ours->Previous);
    if (IsSkinMeasureHandler(item)) item.OnMeasureItem = nullptr;
  });
}

void MeasureSkinToolkitItem(TMenuItem& item, TSkinData& data, TCanvas& canvas, int& width,
                            int& height) {
  {
    TMenuMeasureItemEvent own = IsSkinMeasureHandler(item) ? nullptr : item.OnMeasureItem;
    TRestoreOnExit<TMenuMeasureItemEvent> withoutSkin(item.OnMeasureItem, std::move(own));
    item.MeasureItem(canvas, width, height);
  }
  const TMenu* menu = item.GetParentMenu();
  const bool images = menu && menu->Images();
  const TDataSkinObject* element = data.Skin().MenuItem.get();
  const int left = element && !element->Image->Empty() ? element->LeftWidth : 0;
  if (dynamic_cast<const TMainMenu*>(menu))
    width += left + kMainMenuExtra + (images ? 0 : kMainMenuExtraWithoutImages);
  else
    width += left + kPopupExtra + (images ? 0 : kPopupExtraWithoutImages);
}

void DrawSkinToolkitItem(TMenuItem& item, TSkinData& data, TSkinSession* session, HDC dc,
                         const RECT& rect, bool selected, bool windowRightToLeft) {
  TMenuItem* parent = item.Parent();
  const HMENU menu = parent ? parent->Handle() : nullptr;
  TSkinMenuItem look = SkinMenuItemOf(item);
  look.RightToLeft = look.RightToLeft || windowRightToLeft;
  DrawSkinMenuItem(dc, rect, look, selected, data, MenuBackgroundOf(session, menu));
}

void SkinFormMenus(TCustomForm& form, TSkinData& data, TSkinSession* session) {
  if (LeftAlone(form)) return;
  const TSkinControlTypes controls = data.SkinControls();
  if (controls.Contains(xcMenuItem) && form.Menu()) SkinMenu(*form.Menu(), data, session);
  if (!controls.Contains(xcPopupMenu)) return;
  SkinPopupsOf(form, data, session);
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* owned = dynamic_cast<TCustomForm*>(form.Components(i));
    if (owned && !LeftAlone(*owned)) SkinPopupsOf(*owned, data, session);
  }
}

void UnskinFormMenus(TCustomForm& form) {
  if (LeftAlone(form)) return;
  if (form.Menu()) UnskinMenu(*form.Menu());
  UnskinPopupsOf(form);
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* owned = dynamic_cast<TCustomForm*>(form.Components(i))) UnskinPopupsOf(*owned);
  }
}
