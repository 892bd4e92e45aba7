// Looking controls up never makes windows: hooks ask about windows while
// they are being made, and a form that has none yet must keep it that way.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/core/TypInfo.h"

namespace {

int windowsCreated = 0;
std::function<void(HWND)> onCreate;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    // Wine adds the thread's default IME window to its first top-level one.
    wchar_t cls[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16);
    if (lstrcmpiW(cls, L"IME") == 0) return CallNextHookEx(nullptr, code, wParam, lParam);
    ++windowsCreated;
    if (onCreate) std::exchange(onCreate, nullptr)(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class LookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    // A form with one control of each kind, none of them with a window yet.
    unshown = std::make_unique<TForm>(nullptr);
    auto* pages = Add<TPageControl>(unshown.get());
    auto* sheet = new TTabSheet(unshown.get());
    sheet->SetPageControl(pages);
    Add<TButton>(sheet);
    Add<TCheckBox>(sheet);
    Add<TRadioButton>(sheet);
    Add<TEdit>(sheet);
    Add<TListBox>(sheet)->Items()->Add("one");
    Add<TComboBox>(sheet)->Items()->Add("two");
    Add<TLabel>(Add<TGroupBox>(sheet));
    Add<TImage>(Add<TPanel>(sheet));
    Add<TStatusBar>(unshown.get())->Panels()->Add("three");
    windowsCreated = 0;
    hook = SetWindowsHookExW(WH_CBT, CountingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
  }
  void TearDown() override {
    onCreate = nullptr;
    UnhookWindowsHookEx(hook);
  }

  template <typename T>
  T* Add(TWinControl* parent) {
    auto* control = new T(unshown.get());
    control->SetParent(parent);
    return control;
  }

  bool AnyWindow() const {
    if (unshown->HandleAllocated()) return true;
    for (int i = 0; i < unshown->ComponentCount(); ++i) {
      auto* control = dynamic_cast<TWinControl*>(unshown->Components(i));
      if (control && control->HandleAllocated()) return true;
    }
    return false;
  }

  std::unique_ptr<TForm> unshown;
  HHOOK hook = nullptr;
};

// What the skin engine does with controls: read their properties by name.
void ReadEveryPublishedProperty(TObject* object) {
  for (const TPropInfo* prop : GetPropList(object)) {
    switch (prop->Kind) {
      case tkInteger:
        GetOrdProp(object, prop->Name);
        break;
      case tkEnumeration:
        GetEnumProp(object, prop->Name);
        break;
      case tkString:
      case tkWideString:
        GetStrProp(object, prop->Name);
        break;
      case tkSet:
        GetSetProp(object, prop->Name);
        break;
      case tkClass:
        if (auto* strings = dynamic_cast<TStrings*>(GetObjectProp(object, prop->Name))) {
          for (int i = 0; i < strings->Count(); ++i) strings->Strings(i);
        }
        break;
      default:
        break;
    }
  }
}

TEST_F(LookupTest, ReadingEveryPublishedPropertyMakesNoWindow) {
  ReadEveryPublishedProperty(unshown.get());
  for (int i = 0; i < unshown->ComponentCount(); ++i) {
    ReadEveryPublishedProperty(unshown->Components(i));
  }
  EXPECT_EQ(0, windowsCreated);
  EXPECT_FALSE(AnyWindow());
}

TEST_F(LookupTest, FindingTheFormOfAWindowBeingMadeMakesNoOtherWindow) {
  TForm made(nullptr);
  TCustomForm* foundWhileCreating = &made;
  TWinControl* controlWhileCreating = &made;
  onCreate = [&](HWND window) {
    foundWhileCreating = Screen->FindForm(window);
    controlWhileCreating = TWinControl::FindControl(window);
  };
  made.HandleNeeded();
  // Not attached yet while its creation is announced; found afterwards.
  EXPECT_EQ(nullptr, foundWhileCreating);
  EXPECT_EQ(nullptr, controlWhileCreating);
  EXPECT_EQ(&made, Screen->FindForm(made.Handle()));
  EXPECT_EQ(nullptr, Screen->FindForm(nullptr));
  EXPECT_EQ(nullptr, Screen->FindForm(GetDesktopWindow()));
  EXPECT_EQ(1, windowsCreated);
  EXPECT_FALSE(AnyWindow());
}

}  // namespace
