// Switching skinning on and off: Loaded, the Active setter and ApplySkin.
// Everything that involves other windows goes through the skin manager.
#include "skin/data/SkinManagerLink.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {
constexpr unsigned kCommandDelayMs = 250;
}  // namespace

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!HasGetScrollBarInfo()) skinControls_.Exclude(xcScrollbar);

  ISkinManager* manager = CreateSkinManager();
  if (manager) manager->RegisterSkinData(this);

  if (skinFormtype_ != sfMainform) {
    if (manager) {
      manager->SetSkinning(true);
      manager->SetRunCount(manager->RunCount() + 1);
      if (active_ && dynamic_cast<TCustomForm*>(Owner())) manager->SkinForm(Owner());
    }
    return;
  }

  if (manager) manager->InstallHook();
  if (active_) {
    if (skinPending_) {
      active_ = false;
    } else if (manager) {
      manager->PostCommand(scmSkin, kCommandDelayMs);
    }
  }
  // Menu items are skinned with the menu bar; the system menu only with it.
  if (skinControls_.Contains(xcMainMenu)) {
    skinControls_.Exclude(xcMenuItem);
  } else {
    skinControls_.Exclude(xcSystemMenu);
  }
  FillAppIconBitmap();
}

// The application's small icon on magenta, for the caption's icon button.
void TSkinData::FillAppIconBitmap() {
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  const HWND application = Application ? Application->Handle() : nullptr;
  HICON icon = application
                   ? reinterpret_cast<HICON>(SendMessageW(application, WM_GETICON, ICON_SMALL, 0))
                   : nullptr;
  if (!icon && application)
    icon = reinterpret_cast<HICON>(SendMessageW(application, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  const TIconHandle copy(
      static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE)));
  if (!copy) return;
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  TCanvas& canvas = bitmap->Canvas();
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, width, height});
  DrawIconEx(canvas.Handle(), 0, 0, copy.Get(), width, height, 0, nullptr, DI_NORMAL);
  bitmap->SetTransparentColor(clFuchsia);
  bitmap->SetTransparent(true);
  appIcon_ = std::move(bitmap);
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (DesigningOrReading()) return;
  ISkinManager* manager = SkinManager();
  if (!manager) return;  // nothing to tell until a manager exists
  switch (skinFormtype_) {
    case sfMainform:
      if (value) {
        if (skinPending_) return;
        manager->SetCurrentSkinData(this);
        manager->PostCommand(scmSkin, kCommandDelayMs);
        manager->SetRunCount(1);
      } else {
        manager->SetCurrentSkinData(this);
        manager->PostCommand(scmUnskin, kCommandDelayMs);
      }
      break;
    case sfOnlyThisForm:
      manager->SetCurrentSkinData(this);
      if (value && skinPending_) return;
      manager->PostCommand(value ? scmSkin : scmUnskin, kCommandDelayMs);
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::ApplySkin() {
  if (DesigningOrReading()) return;
  if (!SkinManager()) Loaded();
  ISkinManager* manager = SkinManager();
  if (!manager) return;
  manager->SetCurrentSkinData(this);
  manager->RefreshAll();
  // The refresh took every form's caption buttons; only the re-skin gives
  // them back, so it follows whenever windows were activated (a second skin
  // data of one form counts the run up past 1).
  if (manager->RunCount() != 0) manager->PostCommand(scmReskin, kCommandDelayMs);
}
