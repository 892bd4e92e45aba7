// Which real windows the manager skins, and with which skin data.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/Forms.h"

namespace {

HWND MakeForeignWindow(const wchar_t* className) {
  // A class registered by another module, as a library's window would be.
  const HINSTANCE other = GetModuleHandleW(L"user32.dll");
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = other;
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                         other, nullptr);
}

HWND MakeDialogOfOtherModule(DWORD style) {
  // "#32770" made from a template in memory, owned by another module.
  struct alignas(4) {
    DLGTEMPLATE header;
    WORD menu, cls, title;
  } tpl{};
  tpl.header.style = style;
  tpl.header.cx = 120;
  tpl.header.cy = 60;
  return CreateDialogIndirectParamW(
      GetModuleHandleW(L"user32.dll"), &tpl.header, nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

TEST_F(SkinManagerTest, ActivatedFormIsSkinnedOnceAndAnswersTheQuery) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 300, 200);
  form.Show();
  SetForegroundWindow(form.Handle());
  FlushEvents();
  TWinSkinForm* object = Manager().FindFormObject(form.Handle());
  ASSERT_NE(nullptr, object);
  EXPECT_EQ(1, Manager().RunCount());
  EXPECT_EQ(asSkinned, object->AttachState());
  EXPECT_EQ(1, SendMessageW(form.Handle(), SKIN_QUERY, 0, 0));
  // A second activation, and a direct request, attach nothing more.
  SetForegroundWindow(GetDesktopWindow());
  SetForegroundWindow(form.Handle());
  FlushEvents();
  EXPECT_FALSE(Manager().SkinWindow(form.Handle()));
  EXPECT_EQ(1u, Manager().FormObjects().size());
}

TEST_F(SkinManagerTest, SizeGripMadeInASkinnedFormIsSkinnedOnceCreated) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 300, 200);
  form.Show();
  SetForegroundWindow(form.Handle());
  FlushEvents();
  TWinSkinForm* object = Manager().FindFormObject(form.Handle());
  ASSERT_NE(nullptr, object);
  const auto make = [&](DWORD style) {
    return CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 16, 16,
                           form.Handle(), nullptr, nullptr, nullptr);
  };
  const HWND grip = make(SBS_SIZEGRIP);
  const HWND bar = make(SBS_HORZ);
  const auto* sizer = dynamic_cast<const TObject*>(object->FindSkinObject(grip));
  ASSERT_NE(nullptr, sizer);
  EXPECT_EQ("TSkinSizer", sizer->ClassName());
  EXPECT_EQ(nullptr, object->FindSkinObject(bar));
  DestroyWindow(grip);
  DestroyWindow(bar);
}

TEST_F(SkinManagerTest, FormWithTheDisableTagStaysUnskinned) {
  TForm form(nullptr);
  form.SetTag(99);
  form.SetBounds(30, 30, 300, 200);
  form.Show();
  FlushEvents();
  EXPECT_FALSE(Manager().SkinWindow(form.Handle()));
  EXPECT_EQ(nullptr, Manager().FindFormObject(form.Handle()));
}

TEST_F(SkinManagerTest, ZeroSizeWindowStaysUnskinned) {
  const HWND window = MakeRecordingWindow(WS_POPUP, 0, nullptr, 0, 0);
  EXPECT_FALSE(Manager().SkinWindow(window));
  const HWND sized = MakeRecordingWindow();
  EXPECT_TRUE(Manager().SkinWindow(sized));
  DestroyWindow(window);
  DestroyWindow(sized);
}

TEST_F(SkinManagerTest, ForeignWindowsOnlyWhenTheyAreDialogs) {
  const HWND foreign = MakeForeignWindow(L"ForeignFrame");
  EXPECT_FALSE(Manager().SkinWindow(foreign));
  INITCOMMONCONTROLSEX init{sizeof init, ICC_DATE_CLASSES};
  InitCommonControlsEx(&init);
  // Made by this module, so only its class keeps it unskinned.
  const HWND calendar = CreateWindowExW(0, L"SysMonthCal32", L"", WS_POPUP | WS_CAPTION, 0, 0, 250,
                                        200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, calendar);
  EXPECT_FALSE(Manager().SkinWindow(calendar));
  const HWND dialog = MakeDialogOfOtherModule(WS_POPUP | WS_CAPTION | WS_SYSMENU);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(Manager().SkinWindow(dialog));
  // A dialog with the 0x200 style bit is left alone.
  const HWND marked = MakeDialogOfOtherModule(WS_POPUP | WS_CAPTION | 0x200);
  EXPECT_FALSE(Manager().SkinWindow(marked));
  for (const HWND w : {foreign, calendar, dialog, marked}) DestroyWindow(w);
}

TEST_F(SkinManagerTest, PreviewWindowsOnlyWithThePreviewOption) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TPrintPreviewForm";
  RegisterClassW(&wc);
  const auto make = [] {
    return CreateWindowExW(0, L"TPrintPreviewForm", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  };
  data->SetOptions(data->Options() - TSkinOptions{xoPreview});
  const HWND refused = make();
  EXPECT_FALSE(Manager().SkinWindow(refused));
  data->SetOptions(data->Options() + TSkinOptions{xoPreview});
  const HWND allowed = make();
  EXPECT_TRUE(Manager().SkinWindow(allowed));
  DestroyWindow(refused);
  DestroyWindow(allowed);
}

TEST_F(SkinManagerTest, MessageBoxTakesTheLaterDialogSkinData) {
  const auto first = MakeSkinData(nullptr, sfDialog);
  const auto later = MakeSkinData(nullptr, sfDialog);
  Manager().RegisterSkinData(first.get());
  Manager().RegisterSkinData(later.get());
  static TSkinData* chosen = nullptr;
  static TSkinData* mainChosen = nullptr;
  chosen = mainChosen = nullptr;
  // Looked at from inside the box's own modal loop, then closed.
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const HWND box = FindWindowW(L"#32770", L"Decision");
    if (TWinSkinForm* object = TSkinManage::Instance()->FindFormObject(box)) {
      chosen = object->SkinData();
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(nullptr, L"Which skin?", L"Decision", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_EQ(later.get(), chosen);
  // A window that is not a dialog still takes the main skin data.
  const HWND window = MakeRecordingWindow();
  mainChosen = Manager().ChooseSkinData(window);
  EXPECT_EQ(data.get(), mainChosen);
  DestroyWindow(window);
  Manager().UnregisterSkinData(first.get());
  Manager().UnregisterSkinData(later.get());
}

}  // namespace
