// Menus made, changed, opened with owner drawing and freed many times, and a
// form's window remade under its menu, leave no menu, window or GDI handle
// behind.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// A popup with a submenu, changed in ways that lay its entries down again,
// then opened and closed with Escape while its items are owner-drawn.
void MakeChangeOpenAndFreePopup() {
  TPopupMenu popup(nullptr);
  TMenuItem* file = AddItem(&popup, popup.Items(), "&File");
  TMenuItem* open = AddItem(&popup, file, "&Open");
  AddItem(&popup, file, "-");
  AddItem(&popup, popup.Items(), "Plain");
  open->SetShortCut(ShortCut('O', {ssCtrl}));
  open->SetVisible(false);
  open->SetVisible(true);
  popup.SetOwnerDraw(true);
  PostMessageW(PopupListWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
  popup.Popup(100, 100);
  delete open;  // the submenu keeps one entry
}

TEST(MenuHygiene, MenusMadeOpenedAndFreedLeaveNoHandles) {
  EnsureToolkit();
  MakeChangeOpenAndFreePopup();  // one-time costs: classes, fonts
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 60; ++i) MakeChangeOpenAndFreePopup();
  {
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    AddItem(&form, AddItem(&form, menu->Items(), "&Edit"), "&Copy");
    form.SetMenu(menu);
    form.HandleNeeded();
    for (int i = 0; i < 20; ++i) form.SetBorderStyle(i % 2 ? bsSizeable : bsSingle);
  }
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
