#include "gallery/GalleryForm.h"

#include <commdlg.h>
#include <windows.h>

#include "gallery/FolderWatch.h"
#include "gallery/GalleryMdiFrame.h"
#include "gallery/SampleForm.h"
#include "gallery/SkinPackageSwitch.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

TGalleryForm* GalleryForm = nullptr;

namespace {

// Posted to itself by FormCreate: the start package is loaded from the loop.
constexpr UINT WM_LOADSTARTPACKAGE = WM_APP + 1;

constexpr int kMenuImageSize = 16;

template <typename T>
T* Part(TComponent& owner, const char* name) {
  auto* part = dynamic_cast<T*>(owner.FindComponent(name));
  if (!part) throw Exception(String("The gallery's layout has no ") + name);
  return part;
}

struct TSampleStyle {
  TFormBorderStyle style;
  const char* caption;
};
constexpr TSampleStyle kSampleStyles[] = {
    {bsSizeable, "可调边框窗体"}, {bsSingle, "单线边框窗体"}, {bsDialog, "对话框窗体"},
    {bsToolWindow, "工具窗口"},   {bsNone, "无标题窗体"},
};

}  // namespace

const TClassInfo& TGalleryForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGalleryForm>("TGalleryForm", &TForm::StaticClass())
          .Method("FormCreate", &TGalleryForm::FormCreate)
          .Method("FormDestroy", &TGalleryForm::FormDestroy)
          .Method("MenuOpenSkinClick", &TGalleryForm::MenuOpenSkinClick)
          .Method("MenuOpenFolderClick", &TGalleryForm::MenuOpenFolderClick)
          .Method("MenuExitClick", &TGalleryForm::MenuExitClick)
          .Method("MenuSizeableClick", &TGalleryForm::MenuSizeableClick)
          .Method("MenuSingleClick", &TGalleryForm::MenuSingleClick)
          .Method("MenuDialogClick", &TGalleryForm::MenuDialogClick)
          .Method("MenuToolWindowClick", &TGalleryForm::MenuToolWindowClick)
          .Method("MenuNoCaptionClick", &TGalleryForm::MenuNoCaptionClick)
          .Method("MenuMessageBoxClick", &TGalleryForm::MenuMessageBoxClick)
          .Method("MenuMdiClick", &TGalleryForm::MenuMdiClick)
          .Method("MenuStatusBarClick", &TGalleryForm::MenuStatusBarClick)
          .Method("MenuCloseAllClick", &TGalleryForm::MenuCloseAllClick)
          .Method("MenuAboutClick", &TGalleryForm::MenuAboutClick)
          .Build();
  return info;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
  RegisterSkinDataClasses();
  LoadFormLayout(this);
}

TGalleryForm::~TGalleryForm() = default;

void TGalleryForm::Loaded() {
  TForm::Loaded();
  SkinData1 = Part<TSkinData>(*this, "SkinData1");
  PopupMenu1 = Part<TPopupMenu>(*this, "PopupMenu1");
  StatusBar1 = Part<TStatusBar>(*this, "StatusBar1");
  ListUnreadable = Part<TListBox>(*this, "ListUnreadable");
  MenuStatusBar = Part<TMenuItem>(*this, "MenuStatusBar");
  MenuCloseAll = Part<TMenuItem>(*this, "MenuCloseAll");
  MenuImages = Part<TImageList>(*this, "MenuImages");
}

void TGalleryForm::SetStartPackage(const String& path) { startPackage_ = path; }

void TGalleryForm::FormCreate(TObject*) {
  FillMenuImages();
  SizeStatusPanels();
  ListUnreadableImages();
  PostMessageW(Handle(), WM_LOADSTARTPACKAGE, 0, 0);
}

void TGalleryForm::FormDestroy(TObject*) {
  StopWatching();
  mdi_.reset();
}

void TGalleryForm::WndProc(TMessage& message) {
  if (message.Msg == WM_LOADSTARTPACKAGE) {
    if (!startPackage_.empty()) OpenSource(startPackage_);
    return;
  }
  if (message.Msg == WM_SKINFOLDERCHANGED) {
    FolderChanged();
    return;
  }
  if (message.Msg == WM_TIMER && message.WParam == kReloadTimer) {
    ReloadFolder();
    return;
  }
  if (message.Msg == WM_CONTEXTMENU) {
    ContextMenu(message);
    return;
  }
  TForm::WndProc(message);
}

// Right clicks anywhere in the window's client area bubble up here from the
// child controls; the caption keeps its system menu.
void TGalleryForm::ContextMenu(TMessage& message) {
  POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  if (message.LParam == -1) {
    // From the keyboard (Shift+F10, the menu key): open at the window's corner.
    at = {0, 0};
    ::ClientToScreen(Handle(), &at);
  } else {
    const LRESULT hit = SendMessageW(Handle(), WM_NCHITTEST, 0, message.LParam);
    if (hit != HTCLIENT) {
      TForm::WndProc(message);
      return;
    }
  }
  PopupMenu1->Popup(at.x, at.y);
  message.Result = 0;
}

// Three small pictures: a skin package, a message and a question mark.
void TGalleryForm::FillMenuImages() {
  const TColor colours[] = {clNavy, clGreen, clRed};
  for (const TColor colour : colours) {
    TBitmap picture(kMenuImageSize, kMenuImageSize, pf24bit);
    TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(clFuchsia);
    canvas.FillRect(RECT{0, 0, kMenuImageSize, kMenuImageSize});
    canvas.Brush().SetColor(colour);
    canvas.Rectangle(2, 2, kMenuImageSize - 2, kMenuImageSize - 2);
    MenuImages->AddMasked(picture, clFuchsia);
  }
}

void TGalleryForm::MenuOpenSkinClick(TObject*) {
  wchar_t file[MAX_PATH] = L"";
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = Handle();
  open.lpstrFilter = L"皮肤包 (*.skin)\0*.skin\0所有文件 (*.*)\0*.*\0";
  open.lpstrFile = file;
  open.nMaxFile = MAX_PATH;
  open.lpstrTitle = L"打开皮肤";
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&open)) LoadPackage(FromWide(file));
}

// Images a package holds in a format no reader here understands leave their
// elements bare; the author sees which ones on the last page.
void TGalleryForm::ListUnreadableImages() {
  ListUnreadable->Items()->BeginUpdate();
  ListUnreadable->Clear();
  for (const std::string& image : SkinData1->Skin().UnreadableImages)
    ListUnreadable->Items()->Add(image);
  ListUnreadable->Items()->EndUpdate();
}

void TGalleryForm::MenuExitClick(TObject*) { Close(); }

void TGalleryForm::ShowSample(TSampleKind kind) {
  TForm*& sample = samples_[kind];
  if (!sample) {
    const int offset = 24 * static_cast<int>(kind);
    sample = CreateSampleForm(this, kSampleStyles[kind].style, kSampleStyles[kind].caption,
                              Left() + 40 + offset, Top() + 60 + offset);
  }
  sample->Show();
  SetForegroundWindow(sample->Handle());
  MenuCloseAll->SetEnabled(true);
}

void TGalleryForm::MenuSizeableClick(TObject*) { ShowSample(skSizeable); }
void TGalleryForm::MenuSingleClick(TObject*) { ShowSample(skSingle); }
void TGalleryForm::MenuDialogClick(TObject*) { ShowSample(skDialog); }
void TGalleryForm::MenuToolWindowClick(TObject*) { ShowSample(skToolWindow); }
void TGalleryForm::MenuNoCaptionClick(TObject*) { ShowSample(skNoCaption); }

void TGalleryForm::MenuMessageBoxClick(TObject*) {
  Application->MessageBox("这是一个消息框。\r它的边框和按钮也由皮肤绘制。", "消息框",
                          MB_OK | MB_ICONINFORMATION);
}

void TGalleryForm::MenuMdiClick(TObject*) {
  if (!mdi_ || !mdi_->Alive()) mdi_ = std::make_unique<TGalleryMdiFrame>(Left() + 60, Top() + 80);
  SetForegroundWindow(mdi_->Frame());
  MenuCloseAll->SetEnabled(true);
}

void TGalleryForm::MenuStatusBarClick(TObject*) {
  const bool shown = !MenuStatusBar->Checked();
  MenuStatusBar->SetChecked(shown);
  StatusBar1->SetVisible(shown);
}

void TGalleryForm::MenuCloseAllClick(TObject*) {
  for (TForm* sample : samples_) {
    if (sample) sample->Hide();
  }
  mdi_.reset();
  MenuCloseAll->SetEnabled(false);
}

void TGalleryForm::MenuAboutClick(TObject*) {
  Application->MessageBox(
      "皮肤画廊\r用 Tapvane 的皮肤引擎显示一个皮肤包的全部元素。\r"
      "在命令行上给出皮肤包或皮肤文件夹的路径, 或用 \"文件 > 打开皮肤…\" 载入。\r"
      "打开的皮肤文件夹中的文件一经保存, 画廊即显示改动。",
      "关于皮肤画廊", MB_OK | MB_ICONINFORMATION);
}
