// Menus: a main menu shown in a form's menu bar, popup menus opened at a
// point, and their items. Every item is an entry of a native menu with a
// command id of its own; an item with children carries its own submenu.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/core/Classes.h"
#include "toolkit/core/Events.h"
#include "toolkit/core/ShortCuts.h"
#include "toolkit/graphics/ScopedHandles.h"

class TCanvas;
class TImageList;
class TMenu;

// The window a main menu shows in (a form), as the menu sees it.
class TMainMenuHost {
 public:
  // The menu leaves the window: the window must not keep its handle.
  virtual void DropMainMenu() = 0;
  // The menu's items changed; the window rebuilds its bar.
  virtual void MainMenuChanged() = 0;

 protected:
  ~TMainMenuHost() = default;
};

enum TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Owner drawing of one item: the size it asks for, and its painting into
// ARect of a canvas bound to the menu's DC.
using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, RECT ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, RECT ARect, TOwnerDrawState State)>;

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenuItem : public TComponent {
  TAPVANE_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* owner);
  // Frees the children too, as a menu frees its whole tree.
  ~TMenuItem() override;

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;  // EListError when out of range
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the child out without freeing it.
  void Remove(TMenuItem* item);
  void Clear();  // frees every child
  TMenuItem* Parent() const { return parent_; }
  TMenu* GetParentMenu() const;
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  // The picture in the menu's Images (-1: none), drawn by owner drawing.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  // The id WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM carry for this item;
  // unique in the process while the item lives.
  UINT Command() const { return command_; }
  // The native menu of the children (made on demand); nullptr for an item
  // without children, except a menu's root item which always has one.
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  // OnClick, when the item is enabled.
  virtual void Click();
  // The handlers when assigned, else the toolkit's own measuring and drawing.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  void DrawItem(TCanvas& canvas, RECT rect, TOwnerDrawState state);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TMenu;
  void Changed();
  void RebuildHandle();
  void AppendEntry(HMENU menu);
  bool OwnerDrawn() const;
  bool IsTopLevel() const;
  bool IsBarItem() const;  // a top-level item of a main menu
  void DefaultMeasure(TCanvas& canvas, int& width, int& height);
  void DefaultDraw(TCanvas& canvas, RECT rect, TOwnerDrawState state);
  TImageList* Images() const;

  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  TMenuHandle handle_;
  UINT command_ = 0;
  String caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool default_ = false;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
};

class TMenu : public TComponent {
  TAPVANE_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item: its children are the menu's top-level items.
  TMenuItem* Items() const { return items_.get(); }
  HMENU Handle() const { return items_->Handle(); }
  // By command id, by the native handle of an item's submenu (the menu's
  // own handle gives the root), or by shortcut; nullptr when none matches.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Clicks the item with that command; false when it is not in this menu.
  bool DispatchCommand(UINT command);
  // Clicks the enabled item with that shortcut; false when there is none.
  bool IsShortCut(TShortCut shortCut);
  // Answers WM_MEASUREITEM and WM_DRAWITEM of an item of this menu; false
  // when the message is about something else.
  bool OwnerDrawMessage(UINT msg, LPARAM lParam);

  // Every item is drawn through WM_MEASUREITEM and WM_DRAWITEM.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  // Not owned: dropped when the list is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  // After any item or setting of the menu changed.
  TNotifyEvent OnChange;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Loaded() override;

 protected:
  friend class TMenuItem;
  virtual HMENU CreateMenuHandle() = 0;
  virtual void MenuChanged();
  TMenuItem* OwnerDrawnItem(UINT itemID) const;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::unique_ptr<TMenuItem> items_;
  bool ownerDraw_ = false;
  TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
  TAPVANE_CLASS(TMainMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  // Tells the form showing the menu, with SendMessage so that whoever
  // subclassed its window hears it too.
  void MenuChanged() override;

 private:
  friend class TCustomForm;
  TMainMenuHost* host_ = nullptr;  // the form whose Menu this is
};

class TPopupMenu : public TMenu {
  TAPVANE_CLASS(TPopupMenu)
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Opens the menu with its top-left corner at the screen point and returns
  // when it closes; the chosen item's OnClick runs when the posted command
  // is dispatched by the message loop.
  void Popup(int x, int y);
  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
};

// The hidden window that owns opened popup menus and hands their commands
// and owner drawing to the popup menus alive.
HWND PopupListWindow();

const TEnumInfo& OwnerDrawStateInfo();
