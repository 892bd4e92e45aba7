// The main window: the click list editor, the run controls, the live cursor
// coordinates, the about page with its web links, and the global hotkeys.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ClickEngine.h"
#include "app/ClickListFields.h"
#include "app/HotkeyAtoms.h"
#include "toolkit/controls/Forms.h"

class TImage;
class TPageControl;
class TGroupBox;
class TEdit;
class TRadioButton;
class TListBox;
class TStatusBar;
class TTimer;
class TSkinData;
class TPopupMenu;

namespace app {
class TClickListMenu;
class TClickListKeeper;
}  // namespace app

class TForm1 : public TForm {
  TAPVANE_CLASS(TForm1)
 public:
  // Reads the stored layout "TFORM1" and runs FormCreate.
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  // The controls of the layout; the form owns them.
  TImage* Image1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TEdit* EditClickTime = nullptr;
  TEdit* Edit_X = nullptr;
  TEdit* Edit_Y = nullptr;
  TRadioButton* RadioButton_C1 = nullptr;
  TRadioButton* RadioButton_C2 = nullptr;
  TRadioButton* RadioButton_C3 = nullptr;
  TRadioButton* RadioButton_C4 = nullptr;
  TListBox* ListBoxXY = nullptr;
  TEdit* EditVer = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TTimer* Timer_Click = nullptr;
  TTimer* TimerGetXY = nullptr;
  TSkinData* SkinData1 = nullptr;
  TPopupMenu* ListMenu = nullptr;

  // Handlers the layout binds by name.
  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void Button_AddXYClick(TObject* Sender);
  void Button_DelXYClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Image1Click(TObject* Sender);
  void Label6Click(TObject* Sender);
  void Timer_ClickTimer(TObject* Sender);
  void TimerGetXYTimer(TObject* Sender);
  void GroupBox1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);

  // Where passes send their input; tests put a recorder here.
  void SetClickInput(app::TClickInput* input) { clickInput_ = input; }
  const app::THotkeyAtoms& HotkeyAtoms() const { return hotkeyAtoms_; }

  // The list, the period and the action are kept in that file from now on:
  // read now, written after every change.
  void KeepClickListIn(const std::wstring& path);
  // Writes what is not written yet (at exit).
  void FlushClickList();
  app::TClickListFields ClickListFields() const;
  app::TClickListMenu& ListCommands() { return *listMenu_; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  // Builds the window without reading "TFORM1", for a copy read from another
  // layout stream (a layout written back, for instance).
  struct TNoLayout {};
  TForm1(TComponent* owner, TNoLayout);

 private:
  void WMHotKey(TMessage& message);
  // What Ctrl+A does: the click timer off, its interval 0, "stopped" shown.
  void StopRun();
  // Whether a pass may go on: the click timer still armed, the program not closing.
  bool RunGoingOn() const;
  void OpenWebLink();
  void ShowInfo(const String& text);

  app::THotkeyAtoms hotkeyAtoms_;
  std::unique_ptr<app::TClickInput> systemInput_;
  app::TClickInput* clickInput_ = nullptr;
  // The position the capture timer last wrote, for as long as Edit_X and
  // Edit_Y still show it: a tick with the cursor at rest then sends the
  // fields no message at all (under Wine each costs a server round trip).
  std::optional<POINT> shownCursor_;
  bool writingCursor_ = false;
  // The keeper hooks the list box after the menu: it must go first.
  std::unique_ptr<app::TClickListMenu> listMenu_;
  std::unique_ptr<app::TClickListKeeper> listKeeper_;
};

extern TForm1* Form1;
