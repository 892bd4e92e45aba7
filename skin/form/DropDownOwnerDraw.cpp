#include "skin/form/DropDownOwnerDraw.h"

namespace {

// Deeper than any menu a person opens; a menu that holds itself stops here.
constexpr int kDeepestSubmenu = 16;

}  // namespace

TOwnerDrawnDropDown::TOwnerDrawnDropDown(HMENU popup) { MakeOwnerDrawn(popup, 0); }

void TOwnerDrawnDropDown::MakeOwnerDrawn(HMENU menu, int depth) {
  if (!menu || depth > kDeepestSubmenu) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      // The type alone changes: the entry keeps its text for the measuring.
      MENUITEMINFOW set{};
      set.cbSize = sizeof set;
      set.fMask = MIIM_FTYPE;
      set.fType = info.fType | MFT_OWNERDRAW;
      if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set)) {
        changed_.push_back({menu, static_cast<UINT>(i), info.wID});
      }
    }
    MakeOwnerDrawn(info.hSubMenu, depth + 1);
  }
}

TOwnerDrawnDropDown::~TOwnerDrawnDropDown() {
  for (const TChanged& entry : changed_) {
    if (!IsMenu(entry.menu)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    // The owner may have rebuilt the menu meanwhile: only the same entry.
    if (!GetMenuItemInfoW(entry.menu, entry.position, TRUE, &info) || info.wID != entry.id)
      continue;
    info.fMask = MIIM_FTYPE;
    info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
    SetMenuItemInfoW(entry.menu, entry.position, TRUE, &info);
  }
}
