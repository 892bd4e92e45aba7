// Which windows are skinned, and with which skin data.
#include <algorithm>
#include <cctype>
#include <memory>

#include "skin/core/SkinMessages.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SwallowedException.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/WideText.h"

namespace {

constexpr int kDisableTag = 99;
constexpr DWORD kDialogStyleBit = 0x200;

String ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return length > 0 ? FromWide(name, static_cast<size_t>(length)) : String();
}

String Lower(String text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool Contains(const String& text, const char* part) { return text.find(part) != String::npos; }

// The form on the screen whose window this is; else the toolkit control kept
// on the window (which may be none). Never creates a window.
TWinControl* FindToolkitControl(HWND window) {
  if (Screen) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* form = Screen->Forms(i);
      if (form->HandleAllocated() && form->Handle() == window) return form;
    }
  }
  return ControlOfWindow(window);
}

bool IsPlainChild(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD)) return false;
  return Lower(ClassNameOf(GetParent(window))) != "mdiclient";
}

}  // namespace

bool TSkinManage::SkinWindow(HWND window) {
  // 1-3: switched on, and not skinned already.
  if (!skinning_) return false;
  Purge();
  if (SendMessageA(window, SKIN_QUERY, 0, 0) == 1 || FindFormObject(window)) return false;
  // 4-5: the toolkit object behind it; plain children only while scanning.
  TWinControl* control = FindToolkitControl(window);
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (!scanning_ && IsPlainChild(window)) return false;
  // 6: a window of another module only when it is a dialog.
  const String className = ClassNameOf(window);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  if (!control && instance != GetModuleHandleW(nullptr) && className != "#32770") return false;
  // 7: nothing to draw on.
  RECT rect{};
  GetWindowRect(window, &rect);
  const bool mdiChild = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  if ((rect.right - rect.left) * (rect.bottom - rect.top) == 0 && !mdiChild) return false;
  // 8-10: forms and classes that ask to be left alone.
  if (control && control->Tag() == kDisableTag) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication") {
    return false;
  }
  if (!ClassAllowed(window, className)) return false;
  // 11: the skin to use.
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinPending()) return false;
  // 12-13: the form object, listed, and told to finish once the queue runs.
  auto object = std::make_unique<TWinSkinForm>(form, &session_);
  object->Bind(window, ManagerId(), className);
  try {
    if (form) {
      object->AttachForm(data, form);
    } else {
      object->AttachWindow(data);
    }
  } catch (...) {
    // A window that cannot be handled stays as it is.
    ReportSwallowedException("TSkinManage::SkinWindow");
    object->ReleaseWindow();
    return false;
  }
  formObjects_.push_back(object.release());  // the list owns its objects
  PostMessageA(window, SKIN_INIT, 0, kSkinInitParam);
  return true;
}

bool TSkinManage::ClassAllowed(HWND window, const String& className) const {
  bool verdict = true;
  if (!mainSkinData_) return verdict;
  const String lower = Lower(className);
  if (!mainSkinData_->Options().Contains(xoPreview) && Contains(lower, "preview")) {
    verdict = false;
  }
  if (className == "#32770" && (GetWindowLongPtrW(window, GWL_STYLE) & kDialogStyleBit)) {
    verdict = false;
  }
  if (lower == "tpopupdbtreeview") verdict = false;
  return mainSkinData_->DecideWindowSkin(window, className, verdict);
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  const auto last = [this](auto&& wanted) -> TSkinData* {
    for (auto it = skinDataList_.rbegin(); it != skinDataList_.rend(); ++it) {
      if (wanted(*it)) return *it;
    }
    return nullptr;
  };
  if (TSkinData* own = last([window](TSkinData* data) {
        auto* owner = dynamic_cast<TWinControl*>(data->Owner());
        return data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
               owner->Handle() == window;
      })) {
    return own;
  }
  const String lower = Lower(ClassNameOf(window));
  if (lower == "tmessageform" || lower == "#32770") {
    if (TSkinData* dialog =
            last([](TSkinData* data) { return data->SkinFormtype() == sfDialog; })) {
      return dialog;
    }
  }
  if (TSkinData* main = last([](TSkinData* data) { return data->SkinFormtype() == sfMainform; })) {
    return main;
  }
  return skinDataList_.empty() ? nullptr : skinDataList_.front();
}
