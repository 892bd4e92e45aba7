// The gallery's main window: a menu bar, a popup menu on right click, a page
// per control family, and the windows the "窗口" menu opens. A skin author
// loads a package and sees every element of it at once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "toolkit/controls/Forms.h"

class TFolderWatch;
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

  // The package or skin folder named on the command line; loaded once the
  // message loop runs, so that a refusal shows over the gallery and not
  // before it.
  void SetStartPackage(const String& path);

  void Loaded() override;
  void WndProc(TMessage& message) override;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void MenuOpenSkinClick(TObject* Sender);
  void MenuOpenFolderClick(TObject* Sender);
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
  // Posted by the folder watch on every change in the folder shown.
  static constexpr UINT WM_SKINFOLDERCHANGED = WM_APP + 2;
  // Restarted by every change: the folder is read once it has been quiet
  // this long, so an editor's several writes of one save give one reload.
  static constexpr UINT_PTR kReloadTimer = 0x5F01;
  static constexpr UINT kQuietMs = 250;
  enum TSampleKind { skSizeable, skSingle, skDialog, skToolWindow, skNoCaption, skCount };
  void ShowSample(TSampleKind kind);
  void OpenSource(const String& path);
  void LoadPackage(const String& path);
  // A skin folder is shown and watched: every save in it is applied after a
  // short quiet time, and a save the check refuses keeps the skin shown.
  void OpenFolder(const String& folder);
  void FolderChanged();
  void ReloadFolder();
  void StopWatching();
  // Packs the folder in memory and wears it; why it was not applied, or "".
  std::string ApplyFolder(bool& readFailed);
  // The status bar: the skin worn, where it came from and when it was
  // loaded; or why the last load was not applied.
  void SizeStatusPanels();
  void ShowWorn(const String& source);
  void ShowNotApplied(const std::string& reason);
  void ShowFindings(std::span<const std::uint8_t> package);
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
  String folder_;
  std::unique_ptr<TFolderWatch> watch_;
  // Tries left at a folder whose files could not be read (still being written).
  int readRetries_ = 0;
  // Owned by the form as components; kept here to show them again.
  std::array<TForm*, skCount> samples_{};
  std::unique_ptr<TGalleryMdiFrame> mdi_;
};

extern TGalleryForm* GalleryForm;
