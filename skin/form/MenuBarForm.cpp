// The menu bar host: taking the window's menu into the bar at attach, giving
// it back, following menu changes (toolkit and MDI), the ways a bar item gets
// opened, and the state of a bar drop-down's menu loop.
#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"

void TMenuBtn::MouseDown() {
  TNCObject::MouseDown();
  // Nothing of this item is touched afterwards: the menu loop may free it.
  Bar.OpenItem(this);
}

TMenuBarHost::TMenuBarHost(TWinSkinForm& form)
    : form_(form), doubleClickTime_(GetDoubleClickTime()) {}

TMenuBarHost::~TMenuBarHost() = default;

int TMenuBarHost::BuildBar() {
  return bar_ && bar_->BuildItems() ? GetSystemMetrics(SM_CYMENU) : 0;
}

void TMenuBarHost::Attach() {
  windowMenu_ = GetMenu(form_.Handle());
  if (windowMenu_ && form_.Window().MDIKind != mkChild) AttachBar();
}

void TMenuBarHost::AttachBar() {
  if (form_.Window().MDIKind == mkChild || !form_.SkinData() || bar_) return;
  if (!GetMenu(form_.Handle())) return;
  bar_ = std::make_unique<TWinSkinMenu>(form_, *form_.SkinData());
  // A menu without items shows no bar, but is still given back on unskin.
  form_.Frame().SetMenuBarHeight(BuildBar());
}

bool TMenuBarHost::HoldsMenu() const { return bar_ && bar_->MenuHandle; }

void TMenuBarHost::ReleaseBar(bool destroying) {
  if (!bar_) return;
  const HMENU menu = bar_->MenuHandle;
  bar_.reset();
  form_.Caption().SetHotObject(nullptr);
  if (!menu || !IsMenu(menu)) return;
  if (!destroying) {
    SetMenu(form_.Handle(), menu);
  } else if (!form_.ToolkitForm()) {
    // The window would have destroyed its own menu; a toolkit form keeps
    // its menu past its window.
    DestroyMenu(menu);
  }
}

// The toolkit has put a changed menu on the window: the bar takes it again.
void TMenuBarHost::MenuChanged() {
  const HWND window = form_.Handle();
  const HMENU menu = GetMenu(window);
  const int oldHeight = form_.Frame().MenuBarHeight();
  if (menu) {
    if (!bar_) {
      AttachBar();
    } else if (form_.SkinData()->MenuUpdate()) {
      bar_->MenuHandle = menu;
      form_.Frame().SetMenuBarHeight(BuildBar());
    }
    SetMenu(window, nullptr);
  } else if (bar_ && form_.ToolkitForm() && !form_.ToolkitForm()->Menu()) {
    // The form has no menu any more: no bar either.
    bar_.reset();
    form_.Caption().SetHotObject(nullptr);
    form_.Frame().SetMenuBarHeight(0);
  }
  if (form_.Frame().MenuBarHeight() != oldHeight) {
    // The client area gives room to the bar, as the system's own would.
    form_.ForceFrameChange();
  } else {
    form_.PaintFrame(nullptr);
  }
}

void TMenuBarHost::MdiMenuSet(WPARAM newFrameMenu) {
  if (!form_.Window().SkinFrame) return;
  if (newFrameMenu && bar_) {
    bar_->MenuHandle = reinterpret_cast<HMENU>(newFrameMenu);
    bar_->BuildItemsForMDI();
  }
  SetMenu(form_.Handle(), nullptr);
  form_.PaintFrame(nullptr);
}

void TMenuBarHost::MdiChildrenGone() {
  if (!bar_) return;
  bar_->BuildItems();
  form_.PaintFrame(nullptr);
}

// A caption button under the point keeps it; otherwise the bar item there
// opens.
bool TMenuBarHost::OpenAt(LPARAM screenPoint) {
  const POINT p = form_.Frame().ScreenToWindow(screenPoint);
  if (form_.Caption().ButtonAt(p) || !bar_) return false;
  TMenuBtn* item = bar_->ItemAt(p);
  return item && bar_->OpenItem(item);
}

bool TMenuBarHost::OpenAccelerator(wchar_t character) {
  TMenuBtn* item = bar_ ? bar_->FindAccelItem(character) : nullptr;
  if (!item) return false;
  bar_->OpenItem(item);
  return true;
}

bool TMenuBarHost::OpenForKey(wchar_t character) {
  TMenuBtn* item = nullptr;
  if (bar_) item = character == 0 ? bar_->FirstItem() : bar_->FindAccelItem(character);
  if (character != 0 && !item) return false;
  if (item) bar_->OpenItem(item);
  return true;
}

void TMenuBarHost::TrackingStarted(HMENU popup) {
  tracking_ = true;
  trackedPopup_ = popup;
}

void TMenuBarHost::TrackingEnded() {
  tracking_ = false;
  trackedPopup_ = nullptr;
}

// A drop-down still open goes with its hook.
void TMenuBarHost::EndTracking() {
  if (bar_) bar_->EndTracking();
}
