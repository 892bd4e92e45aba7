// Menus seen from outside: the native entries the system shows, the
// notifications a form's window receives, commands reaching OnClick, the
// menu handle surviving its window, and menus stored in layouts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"

namespace {

struct Entry {
  std::wstring text;
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  HMENU submenu = nullptr;
};

Entry ReadEntry(HMENU menu, int position) {
  wchar_t text[128]{};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 128;
  EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
  return Entry{text, info.fType, info.fState, info.wID, info.hSubMenu};
}

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 320, 200);
    menu = new TMainMenu(form.get());
    file = Add(menu->Items(), "&File");
    open = Add(file, "&Open...");
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    save = Add(file, "&Save");
    hidden = Add(file, "Hidden");
    Add(file, "-");
    recent = Add(file, "&Recent");
    first = Add(recent, "first.txt");
  }

  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  std::unique_ptr<TForm> form;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *open = nullptr, *save = nullptr, *hidden = nullptr;
  TMenuItem *recent = nullptr, *first = nullptr;
};

TEST_F(MenusTest, NativeEntriesShowTheItemsState) {
  open->SetDefault(true);
  save->SetChecked(true);
  save->SetEnabled(false);
  hidden->SetVisible(false);
  file->SetShortCut(ShortCut('F', {ssAlt}));  // a menu bar shows no shortcut texts

  ASSERT_EQ(1, GetMenuItemCount(menu->Handle()));
  EXPECT_EQ(L"&File", ReadEntry(menu->Handle(), 0).text);
  const HMENU popup = file->Handle();
  EXPECT_EQ(popup, ReadEntry(menu->Handle(), 0).submenu);
  ASSERT_EQ(4, GetMenuItemCount(popup));  // the hidden item has no entry
  const Entry openEntry = ReadEntry(popup, 0);
  EXPECT_EQ(L"&Open...\tCtrl+O", openEntry.text);
  EXPECT_TRUE(openEntry.state & MFS_DEFAULT);
  EXPECT_EQ(open->Command(), openEntry.id);
  const Entry saveEntry = ReadEntry(popup, 1);
  EXPECT_TRUE(saveEntry.state & MFS_CHECKED);
  EXPECT_EQ(static_cast<UINT>(MFS_GRAYED), saveEntry.state & MFS_GRAYED);
  EXPECT_TRUE(ReadEntry(popup, 2).type & MFT_SEPARATOR);
  EXPECT_EQ(recent->Handle(), ReadEntry(popup, 3).submenu);
  EXPECT_EQ(L"first.txt", ReadEntry(recent->Handle(), 0).text);

  // Shown again, it comes back in its place; changes reach the entry.
  hidden->SetVisible(true);
  save->SetEnabled(true);
  open->SetShortCut(ShortCut(VK_F5, {ssCtrl, ssShift}));
  ASSERT_EQ(5, GetMenuItemCount(popup));
  EXPECT_EQ(L"Hidden", ReadEntry(popup, 2).text);
  EXPECT_EQ(0u, ReadEntry(popup, 1).state & MFS_GRAYED);
  EXPECT_EQ(L"&Open...\tShift+Ctrl+F5", ReadEntry(popup, 0).text);
}

TEST_F(MenusTest, ItemsAreFoundByCommandHandleAndShortCut) {
  EXPECT_EQ(first, menu->FindItem(first->Command(), fkCommand));
  EXPECT_EQ(recent, menu->FindItem(reinterpret_cast<UINT_PTR>(recent->Handle()), fkHandle));
  EXPECT_EQ(menu->Items(), menu->FindItem(reinterpret_cast<UINT_PTR>(menu->Handle()), fkHandle));
  EXPECT_EQ(open, menu->FindItem(ShortCut('O', {ssCtrl}), fkShortCut));
  // Ids are the process's own: another menu's item is not found here.
  TPopupMenu other(nullptr);
  auto* stranger = new TMenuItem(&other);
  other.Items()->Add(stranger);
  EXPECT_NE(stranger->Command(), first->Command());
  EXPECT_EQ(nullptr, menu->FindItem(stranger->Command(), fkCommand));
  // An item cannot sit in two places, nor inside itself.
  EXPECT_THROW(other.Items()->Add(first), EComponentError);
  EXPECT_THROW(first->Add(menu->Items()), EComponentError);
  EXPECT_EQ(recent, first->Parent());
}

TEST_F(MenusTest, TheFormsWindowHearsOfEveryChange) {
  form->SetMenu(menu);
  form->HandleNeeded();
  ASSERT_EQ(menu->Handle(), GetMenu(form->Handle()));
  wintest::MessageLog log;
  log.Only({CM_MENUCHANGED});
  const wintest::WindowProcRecorder recorder(log, form->Handle());

  save->SetCaption("Save &as...");
  EXPECT_EQ(1, log.Count(CM_MENUCHANGED));
  delete hidden;
  hidden = nullptr;
  EXPECT_EQ(2, log.Count(CM_MENUCHANGED));
  Add(recent, "second.txt");
  EXPECT_EQ(3, log.Count(CM_MENUCHANGED));
  EXPECT_EQ(2, GetMenuItemCount(recent->Handle()));

  // Whoever took the menu out of the window gets it back with the change.
  SetMenu(form->Handle(), nullptr);
  first->SetChecked(true);
  EXPECT_EQ(4, log.Count(CM_MENUCHANGED));
  EXPECT_EQ(menu->Handle(), GetMenu(form->Handle()));
}

TEST_F(MenusTest, CommandsReachTheClickedItem) {
  form->SetMenu(menu);
  TObject* clicked = nullptr;
  int clicks = 0;
  const auto record = [&](TObject* sender) {
    clicked = sender;
    ++clicks;
  };
  first->OnClick = record;
  save->OnClick = record;
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(first->Command(), 0), 0);
  EXPECT_EQ(first, clicked);
  save->SetEnabled(false);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(save->Command(), 0), 0);
  EXPECT_EQ(1, clicks);  // a disabled item does not click
}

TEST_F(MenusTest, AShortCutKeyClicksItsItemInsteadOfReachingTheControl) {
  form->SetMenu(menu);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->HandleNeeded();
  int clicks = 0;
  open->OnClick = [&clicks](TObject*) { ++clicks; };
  wintest::MessageLog editKeys;
  const wintest::ControlRecorder editRecorder(editKeys, *edit);
  BYTE saved[256]{}, keys[256]{};
  GetKeyboardState(saved);
  const auto press = [&](bool control) {
    std::copy(std::begin(saved), std::end(saved), std::begin(keys));
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(edit->Handle(), WM_KEYDOWN, 'O', 1);
    Application->ProcessMessages();
    SetKeyboardState(saved);
  };
  press(true);
  EXPECT_EQ(1, clicks);
  EXPECT_FALSE(editKeys.Saw(WM_KEYDOWN));
  press(false);  // a plain O is typing
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(editKeys.Saw(WM_KEYDOWN));
}

TEST_F(MenusTest, TheMenuOutlivesItsWindow) {
  form->SetMenu(menu);
  form->HandleNeeded();
  const HMENU handle = menu->Handle();
  form->SetBorderStyle(bsSingle);  // a new window in place of the old one
  EXPECT_TRUE(IsMenu(handle));
  EXPECT_EQ(handle, GetMenu(form->Handle()));
  delete menu;
  EXPECT_EQ(nullptr, form->Menu());
  EXPECT_EQ(nullptr, GetMenu(form->Handle()));
}

TEST_F(MenusTest, AFormWithAMainMenuRoundTripsThroughALayout) {
  form->SetName("Source");
  menu->SetName("MainMenu1");
  const char* names[] = {"File1", "Open1", "Save1", "Hidden1", "Line1", "Recent1", "First1"};
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (i > 0) form->Components(i)->SetName(names[i - 1]);
  form->SetMenu(menu);
  save->SetChecked(true);
  hidden->SetVisible(false);
  first->SetTag(42);

  TMemoryStream stream;
  TWriter(stream).WriteRootComponent(form.get());
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader(stream).ReadRootComponent(&target);

  TMainMenu* menu2 = target.Menu();
  ASSERT_NE(nullptr, menu2);
  EXPECT_EQ(target.FindComponent("MainMenu1"), menu2);
  ASSERT_EQ(1, menu2->Items()->Count());
  TMenuItem* file2 = menu2->Items()->Items(0);
  ASSERT_EQ(5, file2->Count());
  EXPECT_EQ("&Open...", file2->Items(0)->Caption());
  EXPECT_EQ(open->ShortCut(), file2->Items(0)->ShortCut());
  EXPECT_TRUE(file2->Items(1)->Checked());
  EXPECT_FALSE(file2->Items(2)->Visible());
  EXPECT_TRUE(file2->Items(3)->IsLine());
  ASSERT_EQ(1, file2->Items(4)->Count());
  EXPECT_EQ(42, file2->Items(4)->Items(0)->Tag());
  target.HandleNeeded();
  EXPECT_EQ(menu2->Handle(), GetMenu(target.Handle()));
  EXPECT_EQ(4, GetMenuItemCount(file2->Handle()));
}

}  // namespace
