// The form skin object's side of the menu bar: taking the window's menu at
// attach, giving it back, following menu changes (toolkit and MDI), and the
// ways a bar item gets opened.
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"

void TMenuBtn::MouseDown() {
  TNCObject::MouseDown();
  // Nothing of this item is touched afterwards: the menu loop may free it.
  Bar.OpenItem(this);
}

void TWinSkinForm::AttachMenuBar() {
  if (MDIKind == mkChild || !SkinData || MenuBar) return;
  if (!GetMenu(Handle)) return;
  MenuBar = std::make_unique<TWinSkinMenu>(*this, *SkinData);
  // A menu without items shows no bar, but is still given back on unskin.
  MenuBarHeight = MenuBar->BuildItems() ? GetSystemMetrics(SM_CYMENU) : 0;
}

void TWinSkinForm::ReleaseMenuBar(bool destroying) {
  if (!MenuBar) return;
  const HMENU menu = MenuBar->MenuHandle;
  MenuBar.reset();
  caption_.SetHotObject(nullptr);
  if (!menu || !IsMenu(menu)) return;
  if (!destroying) {
    SetMenu(Handle, menu);
  } else if (!Form) {
    // The window would have destroyed its own menu; a toolkit form keeps
    // its menu past its window.
    DestroyMenu(menu);
  }
}

// The toolkit has put a changed menu on the window: the bar takes it again.
void TWinSkinForm::MenuChanged() {
  const HMENU menu = GetMenu(Handle);
  const int oldHeight = MenuBarHeight;
  if (menu) {
    if (!MenuBar) {
      AttachMenuBar();
    } else if (SkinData->MenuUpdate()) {
      MenuBar->MenuHandle = menu;
      MenuBarHeight = MenuBar->BuildItems() ? GetSystemMetrics(SM_CYMENU) : 0;
    }
    SetMenu(Handle, nullptr);
  } else if (MenuBar && Form && !Form->Menu()) {
    // The form has no menu any more: no bar either.
    MenuBar.reset();
    caption_.SetHotObject(nullptr);
    MenuBarHeight = 0;
  }
  if (MenuBarHeight != oldHeight) {
    // The client area gives room to the bar, as the system's own would.
    ForceFrameChange();
  } else {
    PaintFrame(nullptr);
  }
}

void TWinSkinForm::MdiMenuSet(WPARAM newFrameMenu) {
  if (!SkinFrame) return;
  if (newFrameMenu && MenuBar) {
    MenuBar->MenuHandle = reinterpret_cast<HMENU>(newFrameMenu);
    MenuBar->BuildItemsForMDI();
  }
  SetMenu(Handle, nullptr);
  PaintFrame(nullptr);
}

// A caption button under the point keeps it; otherwise the bar item there
// opens. The form may be gone on return.
bool TWinSkinForm::OpenMenuBarAt(LPARAM screenPoint) {
  const POINT p = ScreenToWindow(screenPoint);
  if (caption_.ButtonAt(p) || !MenuBar) return false;
  TMenuBtn* item = MenuBar->ItemAt(p);
  return item && MenuBar->OpenItem(item);
}
