// The gallery's main window: a menu bar, a popup menu on right click, a page
// per control family, and the windows the "窗口" menu opens. A skin author
// loads a package and sees every element of it at once.
#pragma once

#include <array>
#include <memory>

#include "toolkit/controls/Forms.h"

class TGalleryMdiFrame;
class TImageList;
class TListBox;
class TMenuItem;
class TPopupMenu;
class TSkinData;
class TStatusBar;

class TGalleryForm : public TForm {
  TAPVANE_CLASS(TGalleryForm)
 public:
  // Reads the layout stored as RCDATA "TGALLERYFORM" and runs FormCreate.
  explicit TGalleryForm(TComponent* owner);
  ~TGalleryForm() override;

  // The package named on the command line; loaded once the message loop
  // runs, so that a refusal shows over the gallery and not before it.
  void SetStartPackage(const String& path);

  void Loaded() override;
  void WndProc(TMessage& message) override;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void MenuOpenSkinClick(TObject* Sender);
  void MenuExitClick(TObject* Sender);
  void MenuSizeableClick(TObject* Sender);
  void MenuSingleClick(TObject* Sender);
  void MenuDialogClick(TObject* Sender);
  void MenuToolWindowClick(TObject* Sender);
  void MenuNoCaptionClick(TObject* Sender);
  void MenuMessageBoxClick(TObject* Sender);
  void MenuMdiClick(TObject* Sender);
  void MenuStatusBarClick(TObject* Sender);
  void MenuCloseAllClick(TObject* Sender);
  void MenuAboutClick(TObject* Sender);

 private:
  enum TSampleKind { skSizeable, skSingle, skDialog, skToolWindow, skNoCaption, skCount };
  void ShowSample(TSampleKind kind);
  void LoadPackage(const String& path);
  void ShowSkinName(const String& name);
  void ListUnreadableImages();
  void FillMenuImages();
  void ContextMenu(TMessage& message);

  TSkinData* SkinData1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TListBox* ListUnreadable = nullptr;
  TMenuItem* MenuStatusBar = nullptr;
  TMenuItem* MenuCloseAll = nullptr;
  TImageList* MenuImages = nullptr;

  String startPackage_;
  // Owned by the form as components; kept here to show them again.
  std::array<TForm*, skCount> samples_{};
  std::unique_ptr<TGalleryMdiFrame> mdi_;
};

extern TGalleryForm* GalleryForm;
