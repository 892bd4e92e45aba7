// The skin data's commands (skin, unskin, re-skin) carried out on the
// manager's timer, and the sweeps over the form objects.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"

void TSkinManage::PostCommand(TSkinCommand command, unsigned delayMs) {
  pendingCommand_ = command;
  commandTimer_->SetInterval(delayMs);
  if (runCount_ != 0) {
    commandTimer_->SetEnabled(true);
    return;
  }
  // Before any window was activated there is nothing to skin yet.
  if (command == scmSkin) skinning_ = true;
  if (command == scmUnskin) skinning_ = false;
}

void TSkinManage::RefreshAll() {
  for (TWinSkinForm* object : formObjects_) {
    if (object->SkinData() == currentSkinData_) object->Caption().ReleaseButtons();
  }
}

void TSkinManage::SkinForm(TComponent* component) {
  auto* form = dynamic_cast<TCustomForm*>(component);
  if (!form || !form->Visible() || !form->HandleAllocated()) return;
  if (GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CHILD) return;
  SkinWindow(form->Handle());
}

void TSkinManage::Purge() {
  if (runCount_ == kDestroying) return;
  for (auto i = formObjects_.size(); i-- > 0;) {
    TWinSkinForm* object = formObjects_[i];
    if (object->AttachState() == asGone && object->ManagerId() == ManagerId()) {
      formObjects_.erase(formObjects_.begin() + static_cast<std::ptrdiff_t>(i));
      delete object;
    }
  }
}

void TSkinManage::UnskinAndFree(TWinSkinForm* object) {
  const HWND window = object->Handle();
  const auto it = std::find(formObjects_.begin(), formObjects_.end(), object);
  if (it != formObjects_.end()) formObjects_.erase(it);
  object->Unskin();
  if (IsWindow(window)) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
  delete object;
}

void TSkinManage::ReskinAll(bool onlyFirst) {
  std::vector<TWinSkinForm*> chosen;
  for (TWinSkinForm* object : formObjects_) {
    if (object->SkinData() != currentSkinData_) continue;
    chosen.push_back(object);
    if (onlyFirst) break;
  }
  for (TWinSkinForm* object : chosen) {
    object->Caption().ReleaseButtons();
    object->ComputeFrame();
  }
  for (TWinSkinForm* object : chosen) object->RefreshSkin();
}

void TSkinManage::RunPendingCommand() {
  commandTimer_->SetEnabled(false);
  TSkinData* data = currentSkinData_;
  if (!data) return;
  // A skin data that covers only its own form touches that form alone.
  const bool onlyItsForm = data->SkinFormtype() == sfOnlyThisForm;
  switch (pendingCommand_) {
    case scmSkin:
      SkinFormsOf(*data, onlyItsForm);
      break;
    case scmUnskin:
      UnskinFormsOf(*data, onlyItsForm);
      break;
    case scmReskin:
      Purge();
      ReskinAll(onlyItsForm);
      break;
  }
  data->FireSkinChanged();
  currentSkinData_ = nullptr;
}

void TSkinManage::SkinFormsOf(const TSkinData& data, bool onlyItsForm) {
  skinning_ = true;
  scanning_ = true;
  if (!onlyItsForm) Purge();
  if (Screen) {
    for (int i = Screen->FormCount(); i-- > 0;) {
      if (!onlyItsForm) {
        SkinForm(Screen->Forms(i));
      } else if (Screen->Forms(i) == data.Owner()) {
        SkinForm(Screen->Forms(i));
        break;
      }
    }
  }
  scanning_ = false;
}

void TSkinManage::UnskinFormsOf(const TSkinData& data, bool onlyItsForm) {
  skinning_ = false;
  Purge();
  if (!onlyItsForm) {
    while (!formObjects_.empty()) UnskinAndFree(formObjects_.front());
    return;
  }
  const auto it = std::find_if(formObjects_.rbegin(), formObjects_.rend(),
                               [&data](TWinSkinForm* o) { return o->SkinData() == &data; });
  if (it != formObjects_.rend()) UnskinAndFree(*it);
}

void TSkinManage::TFormSession::MdiMaximisedChanged(bool maximised) {
  const TSkinData* main = manager_.mainSkinData_;
  if (main && main->Options().Contains(xoMDIChildBorder)) return;
  for (TWinSkinForm* object : manager_.formObjects_) {
    if (object->Window().MDIKind == mkChild) object->MDIMaximisedChanged(maximised);
  }
}
