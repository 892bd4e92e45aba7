// The window decision by class name: the classes the manager leaves alone,
// and what an OnFormSkin handler may change of its verdict.
#include <optional>
#include <string>

#include "SkinFormSupport.h"
#include "toolkit/controls/Application.h"

namespace {

// A top-level window of this module of the named (ASCII) class.
// A class already registered (the application window's) is used as it is.
HWND MakeWindowOfClass(const std::string& name) {
  if (Application) Application->Handle();
  const std::wstring wide(name.begin(), name.end());
  const wchar_t* className = wide.c_str();
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

struct TClassCase {
  const char* className;
  bool skinned;
};

// Names matched whole, inside, or without regard to case, each beside a
// near miss that is skinned.
TEST_F(SkinManagerTest, ClassNamesTheManagerLeavesUnskinned) {
  data->SetSkinControls(data->SkinControls() + TSkinControlTypes{xcFastReport});
  const TClassCase cases[] = {
      {"TApplication", false},
      {"TApplicationHost", true},
      {"XTcxPopupEditPopupWindow2", false},
      {"TCXPOPUPEDITPOPUPWINDOW", true},
      {"TTERenderWindow1", false},
      {"TPopupDBTreeView", false},
      {"TPopupDBTreeViews", true},
      {"TfrDesignerForm", false},
      {"TFrameForm", true},
      {"SysMonthCal32", false},
      {"TPlainToolForm", true},
  };
  for (const TClassCase& c : cases) {
    SCOPED_TRACE(c.className);
    const HWND window = MakeWindowOfClass(c.className);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(c.skinned, Manager().SkinWindow(window));
    EXPECT_EQ(c.skinned, Manager().FindFormObject(window) != nullptr);
    DestroyWindow(window);
  }
}

struct THandlerCase {
  const char* className;
  std::optional<bool> answer;  // none: the handler leaves the verdict
  bool skinned;
  std::optional<bool> offered;  // none: the handler is not asked
};

// The handler hears the manager's own verdict and has the last word over
// the rules that come after it; the skin data's own rules no longer apply.
TEST_F(SkinManagerTest, OnFormSkinOverridesTheRules) {
  data->SetOptions(data->Options() - TSkinOptions{xoPreview});
  data->SetSkinControls(data->SkinControls() + TSkinControlTypes{xcFastReport});
  const THandlerCase cases[] = {
      {"SysMonthCal32", std::nullopt, true, true}, {"TfrReportForm", std::nullopt, true, true},
      {"TPrintPreviewForm", true, true, false},    {"TPopupDBTreeView", true, true, false},
      {"TPlainToolForm", false, false, true},      {"TApplication", true, false, std::nullopt},
  };
  for (const THandlerCase& c : cases) {
    SCOPED_TRACE(c.className);
    std::optional<bool> offered;
    TObject* sender = nullptr;
    String heardName;
    data->OnFormSkin = [&](TObject* s, const String& name, bool& doSkin) {
      sender = s;
      heardName = name;
      offered = doSkin;
      if (c.answer) doSkin = *c.answer;
    };
    const HWND window = MakeWindowOfClass(c.className);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(c.skinned, Manager().SkinWindow(window));
    EXPECT_EQ(c.offered, offered);
    if (offered) {
      EXPECT_EQ(data.get(), sender);
      EXPECT_EQ(c.className, heardName);
    }
    DestroyWindow(window);
  }
  data->OnFormSkin = nullptr;
}

}  // namespace
