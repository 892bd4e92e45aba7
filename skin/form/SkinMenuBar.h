// The skinned menu bar: a skinned window with a menu loses the system's menu
// bar, keeps the menu handle, and draws a bar of its own under the caption.
// TWinSkinMenu holds one TMenuBtn per top-level item, paints the bar and
// opens an item's drop-down while a message hook lets the keyboard and the
// mouse move between the bar's items.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/form/CaptionButtons.h"
#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/ScopedHandles.h"

class TBitmap;
class TMainMenu;
class TMenuItem;
class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& form, TWinSkinMenu& bar) : TNCObject(form), Bar(bar) {}
  // Pressed, and its drop-down opened; the item may be gone on return.
  void MouseDown() override;
  void Paint() override;

  TWinSkinMenu& Bar;
  TMenuItem* MenuItem = nullptr;
  int Index = 0;
  std::wstring Caption;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
};

class TWinSkinMenu {
 public:
  // Longest item text read from a native menu, in characters.
  static constexpr int kItemTextLength = 80;

  TWinSkinMenu(TWinSkinForm& form, TSkinData& skinData);
  // Ends a drop-down of this bar that is still open.
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Reads the window's menu (and the toolkit menu that made it), then takes
  // the menu away from the window. False when there is no menu to show.
  bool BuildItems();
  // The same after WM_MDISETMENU: items with no text are not looked up in
  // the toolkit menu (they are the MDI child's buttons).
  bool BuildItemsForMDI();
  void LayoutItems();
  // Paints the bar into dc at r (window coordinates).
  void PaintBar(HDC dc, const RECT& r);
  TMenuBtn* ItemAt(POINT p) const;
  TMenuBtn* FindAccelItem(wchar_t c) const;
  TMenuBtn* FirstItem() const;
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TMenuBtn* Item(int index) const;

  // Opens the item's drop-down and returns once it closed; true when one
  // was tracked. The bar may have been destroyed by then: callers must not
  // touch it, nor the form, when Alive says so.
  bool OpenItem(TMenuBtn* item);
  // Has the window's mouse handler open the item, once the queue gets there.
  void PostOpenItem(const TMenuBtn& item) const;
  // Ends the drop-down of this bar, if one is open, and removes the hook.
  void EndTracking();

  // Shared with whoever must know, after OpenItem, whether the bar lives.
  std::shared_ptr<const bool> AliveToken() const { return alive_; }

  TMainMenu* Menu = nullptr;
  HMENU MenuHandle = nullptr;
  RECT BarRect{};

  TWinSkinForm& Form;
  TSkinData& SkinData;
  HFONT MenuFont() const { return menuFont_.Get(); }
  TBitmap& Background() { return *background_; }

 private:
  bool ReadItems(bool forMdi);
  void ClearItems();
  int StartOffset(int barWidth) const;
  int ItemWidth(const TMenuBtn& item) const;
  void DrawItemCaption(HDC dc, const std::wstring& caption, bool enabled, RECT rect) const;
  void PaintMdiButtons(HDC dc);

  std::vector<std::unique_ptr<TMenuBtn>> items_;
  std::unique_ptr<TBitmap> background_;
  std::unique_ptr<TBitmap> scratch_;
  TFontHandle menuFont_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  friend class TMenuBtn;
};

// Whether the menu loop's message hook is in place (one per process).
bool MenuBarHookInstalled();
// WM_MENUSELECT reaching a skinned window while its bar's drop-down is open.
void MenuBarMenuSelect(const TWinSkinForm& form, WPARAM wParam, LPARAM lParam);
