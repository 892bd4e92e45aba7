// Control discovery: walks a skinned window's controls (toolkit controls by
// object, plain windows by handle), decides which skinned-control class
// takes each one and attaches it to the form skin object.
#pragma once

#include <windows.h>

#include "skin/controls/SkinObjectFactory.h"
#include "skin/data/Skin3rdDefaults.h"
#include "skin/data/SkinDataTypes.h"
#include "toolkit/core/SysUtils.h"

class TComponent;
class TControl;
class TCustomForm;
class TSkinData;
class TWinControl;
class TWinSkinForm;

class TControlDiscovery {
 public:
  TControlDiscovery(TWinSkinForm& form, TSkinData& skinData) : form_(form), data_(skinData) {}

  // The full pass of a form: its owned components, then every windowed
  // control in tab order that is still without a skin.
  void SkinAllControls(TCustomForm* form);
  void SkinOwnedComponents(TComponent* component);
  void SkinChildren(TWinControl* container);
  void ClassifyControl(TControl* control, TComponent* owner);
  // name: the control's class name in upper case. True when the Skin3rd
  // list names the class, whether or not an object was made.
  bool ApplySkin3rd(const String& name, TControl* control);
  void SkinChildWindow(HWND window);
  void SkinChildWindows(HWND window);
  bool AttachScroll(TControl* control, int mode = 0, TSkinClass cls = TSkinClass::Scrollbar);
  // The scroll bar object of a control whose window was made anew is freed
  // and a new one of the same class and mode attached to the new window.
  void ReskinScroll(HWND window);

 private:
  bool Has(TSkinControlType type) const;
  bool HasTabs() const;
  bool AlreadySkinned(TControl* control) const;
  // The classification rows in order, in parts; each part is true when one
  // of its rows decided the control.
  bool ClassifyByTable(const String& name, TControl* control);
  bool ClassifyTabsAndArrows(const String& name, const TForeignClassRow& foreign,
                             TControl* control);
  bool ClassifyBarsAndImages(const String& name, const TForeignClassRow& foreign,
                             TControl* control);
  bool ClassifyBoxesAndLists(const String& name, const TForeignClassRow& foreign,
                             TControl* control);
  bool ClassifyScrollingControl(TControl* control);
  bool ClassifyButtonsAndEdits(const TForeignClassRow& foreign, TControl* control);
  bool ClassifyToolkitButtonOrBar(TControl* control);
  // Attach for a row that decided: true whether or not an object came of it.
  bool Take(TControl* control, TSkinClass cls, bool changeColor = false);
  bool TakeScroll(TControl* control, int mode = 0, TSkinClass cls = TSkinClass::Scrollbar);
  void ApplyKind(const String& kind, const String& name, TControl* control);
  // The kinds beyond the one-class rows; false when the kind is none of them.
  bool ApplyScrollOrContainerKind(const String& kind, TControl* control);
  // Glyph buttons (a drop-down one is a menu button) and radio or check groups.
  void ApplyGroupKind(const String& kind, const String& name, TControl* control);
  // Makes and attaches the object of a choice; true when one was attached.
  bool Attach(const TSkinChoice& choice);
  bool AttachTo(TControl* control, TSkinClass cls, bool changeColor = false);
  bool AttachWindow(HWND window, TSkinClass cls);

  TWinSkinForm& form_;
  TSkinData& data_;
};

// Whether a windowed control shows scroll bars of its own (or is a list box).
bool HasOwnScrollBars(TControl* control);
