// Non-client objects: the caption buttons the skin describes (and, with the
// menus, the menu bar items). Each knows its rectangle in window coordinates
// and its state, and paints itself into the window DC.
#pragma once

#include <windows.h>

class TDataSkinSysButton;
class TWinSkinForm;

enum TNCState : int { nsNormal = 1, nsPressed = 2, nsHot = 3 };

// Caption button actions the skin can give.
enum TCaptionAction : int {
  cbClose = 0,
  cbMaximize = 1,
  cbMinimize = 2,
  cbIcon = 3,
  cbHelp = 4,
  cbMdiMinimize = 7,
  cbMdiRestore = 8,
  cbMdiClose = 9,
  cbIconAlt = 11,
  cbIconMenu = 12,
  cbMaximizeAlt = 22,
  cbMinimizeAlt = 23,
  cbMdiMinimizeAlt = 60,
  cbMdiRestoreAlt = 61,
  cbMdiCloseAlt = 62,
};

// Caption button image frames.
enum TButtonFrame : int { bfNormal = 1, bfPressed = 2, bfHot = 3, bfDisabled = 4 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& form) : Form(form) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm& Form;
  RECT Rect{};
  bool Visible = false;
  int State = nsNormal;
  bool Enabled = true;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& form, TDataSkinSysButton* element)
      : TNCObject(form), Element(element) {}
  void Paint() override;
  bool IsIcon() const;

  TDataSkinSysButton* Element;
};

// The hint text of a caption button action; empty for none.
const char* CaptionHintText(int action);
