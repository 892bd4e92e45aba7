// The main window skinned by the manager as at program start: the control
// pass of its initialisation decides a skin class for exactly the windowed
// controls, and makes the objects of the classes there are.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <set>

#include "app/Unit1.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinObjectFactory.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "tests/win32/support/FlushEvents.h"
#include "tests/win32/support/HandleExpectations.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

class Form1SkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The handle counter patches imports at its first snapshot; taken
    // before anything is made, it sees every object.
    wintest::Snapshot();
    Application->Initialize();
    InstallSkinManager();
  }
  void SetUp() override {
    SkinObjectFactory() = [this](const TSkinChoice& choice) {
      const TComponent* control = choice.Control;
      choices[control ? control->Name() : "?"].insert(SkinClassName(choice.Class));
      return CreateSkinObject(choice);
    };
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    const DWORD start = GetTickCount();
    while (!Skinned() && GetTickCount() - start < 3000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      wintest::FlushEvents();
    }
  }
  void TearDown() override {
    form.reset();
    wintest::FlushEvents();
    SkinObjectFactory() = &CreateSkinObject;
  }
  TWinSkinForm* FormObject() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager ? manager->FindFormObject(form->Handle()) : nullptr;
  }
  bool Skinned() const { return FormObject() && FormObject()->AttachState() == asSkinned; }

  // Control name -> the skin object it carries, by class name.
  std::map<String, String> Objects() const {
    std::map<String, String> objects;
    for (int i = 0; i < form->ComponentCount(); ++i) {
      TComponent* control = form->Components(i);
      for (int j = 0; j < control->ComponentCount(); ++j) {
        if (auto* object = dynamic_cast<TSkinControl*>(control->Components(j))) {
          objects[control->Name()] += object->ClassName();
        }
      }
    }
    return objects;
  }

  std::map<String, std::set<String>> choices;
  std::unique_ptr<TForm1> form;
};

TEST_F(Form1SkinTest, FullPassChoosesAClassForEachWindowedControl) {
  ASSERT_TRUE(Skinned());
  const std::map<String, std::set<String>> expected = {{"PageControl1", {"TSkinTab"}},
                                                       {"TabSheet1", {"TSkinTabSheet"}},
                                                       {"TabSheet3", {"TSkinTabSheet"}},
                                                       {"GroupBox1", {"TSkinGroupBox"}},
                                                       {"GroupBox2", {"TSkinGroupBox"}},
                                                       {"RadioButton_C1", {"TSkinRadioButton"}},
                                                       {"RadioButton_C2", {"TSkinRadioButton"}},
                                                       {"RadioButton_C3", {"TSkinRadioButton"}},
                                                       {"RadioButton_C4", {"TSkinRadioButton"}},
                                                       {"ListBoxXY", {"TSkinScrollbar"}},
                                                       {"Button_AddXY", {"TSkinButton"}},
                                                       {"Button_DelXY", {"TSkinButton"}},
                                                       {"Button1", {"TSkinButton"}},
                                                       {"Button2", {"TSkinButton"}},
                                                       {"Button3", {"TSkinButton"}},
                                                       {"Button4", {"TSkinButton"}},
                                                       {"Edit_X", {"TSkinEdit"}},
                                                       {"Edit_Y", {"TSkinEdit"}},
                                                       {"EditClickTime", {"TSkinEdit"}},
                                                       {"EditVer", {"TSkinEdit"}},
                                                       {"StatusBar1", {"TSkinStatusBar"}}};
  EXPECT_EQ(expected, choices);
  // The classes that exist made their objects, one per control.
  const std::map<String, String> objects = {{"PageControl1", "TSkinTab"},
                                            {"TabSheet1", "TSkinTabSheet"},
                                            {"TabSheet3", "TSkinTabSheet"},
                                            {"GroupBox1", "TSkinGroupBox"},
                                            {"GroupBox2", "TSkinGroupBox"},
                                            {"RadioButton_C1", "TSkinRadioButton"},
                                            {"RadioButton_C2", "TSkinRadioButton"},
                                            {"RadioButton_C3", "TSkinRadioButton"},
                                            {"RadioButton_C4", "TSkinRadioButton"},
                                            {"ListBoxXY", "TSkinScrollbar"},
                                            {"Button_AddXY", "TSkinButton"},
                                            {"Button_DelXY", "TSkinButton"},
                                            {"Button1", "TSkinButton"},
                                            {"Button2", "TSkinButton"},
                                            {"Button3", "TSkinButton"},
                                            {"Button4", "TSkinButton"},
                                            {"Edit_X", "TSkinEdit"},
                                            {"Edit_Y", "TSkinEdit"},
                                            {"EditClickTime", "TSkinEdit"},
                                            {"EditVer", "TSkinEdit"},
                                            {"StatusBar1", "TSkinStatusBar"}};
  EXPECT_EQ(objects, Objects());
  EXPECT_EQ(21, FormObject()->SkinObjects().Count());
}

TEST_F(Form1SkinTest, SecondPassMakesNoSecondObject) {
  ASSERT_TRUE(Skinned());
  TControlDiscovery(*FormObject(), *form->SkinData1).SkinAllControls(form.get());
  EXPECT_EQ(21, FormObject()->SkinObjects().Count());
  EXPECT_EQ(21u, Objects().size());
}

TEST_F(Form1SkinTest, ListWithANewWindowGetsANewScrollObjectOverIt) {
  ASSERT_TRUE(Skinned());
  TListBox* list = form->ListBoxXY;
  const HWND before = list->Handle();
  auto* object = dynamic_cast<TSkinScrollbar*>(FormObject()->FindSkinObject(before));
  ASSERT_NE(nullptr, object);
  EXPECT_FALSE(object->DrawBorder) << "the list has no border of its own";
  list->SetBorderStyle(bsSingle);  // the window is made anew
  ASSERT_NE(before, list->Handle());
  wintest::FlushEvents();
  auto* fresh = dynamic_cast<TSkinScrollbar*>(FormObject()->FindSkinObject(list->Handle()));
  ASSERT_NE(nullptr, fresh);
  EXPECT_EQ(list->Handle(), fresh->Covers.VertBar->Target);
  EXPECT_TRUE(fresh->DrawBorder);
  EXPECT_EQ(21, FormObject()->SkinObjects().Count());
  EXPECT_EQ("TSkinScrollbar", Objects()["ListBoxXY"]) << "one object, the old one freed";
}

TEST_F(Form1SkinTest, SkinnedButtonsStillClick) {
  ASSERT_TRUE(Skinned());
  const int before = form->ListBoxXY->Items()->Count();
  form->Edit_X->SetText("12");
  form->Edit_Y->SetText("34");
  auto* add = dynamic_cast<TWinControl*>(form->FindComponent("Button_AddXY"));
  ASSERT_NE(nullptr, add);
  SendMessageW(add->Handle(), BM_CLICK, 0, 0);
  wintest::FlushEvents();
  EXPECT_EQ(before + 1, form->ListBoxXY->Items()->Count());
}

TEST_F(Form1SkinTest, LabelsOfTheSkinnedGroupBoxShowOnScreen) {
  ASSERT_TRUE(Skinned());
  RedrawWindow(form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::FlushEvents();
  auto* label = dynamic_cast<TControl*>(form->FindComponent("Label4"));
  ASSERT_NE(nullptr, label);
  ASSERT_EQ(form->GroupBox1, label->Parent());
  const RECT bounds = label->BoundsRect();
  const COLORREF face =
      static_cast<COLORREF>(ColorToRGB(form->SkinData1->Skin().Colour(scButtonFace)));
  const HDC dc = GetDC(form->GroupBox1->Handle());
  int ink = 0, faced = 0;
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    for (int x = bounds.left; x < bounds.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      ink += pixel != face;
      faced += pixel == face;
    }
  }
  ReleaseDC(form->GroupBox1->Handle(), dc);
  EXPECT_GT(ink, 20) << "the caption's strokes";
  EXPECT_GT(faced, ink) << "on the skin's face colour";
}

// The program skins its menu bar but not the system menu's window: the
// system menu opened from the caption keeps the system's frame, and its
// items are the skin's owner-drawn copies.
TEST_F(Form1SkinTest, SystemMenuKeepsTheSystemsFrameWithSkinDrawnItems) {
  ASSERT_TRUE(Skinned());
  ASSERT_FALSE(form->SkinData1->SkinControls().Contains(xcSystemMenu));
  TWinSkinForm& object = *FormObject();
  TSkinManage& manager = *TSkinManage::Instance();
  TBitmap& skinFrame = *form->SkinData1->Skin().MenuBackground->Image;
  const wintest::TOpenMenuWatch watch([&](HWND menu) {
    EXPECT_FALSE(manager.IsPopupMenuTracked(menu));
    constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
    const auto shown = reinterpret_cast<HMENU>(SendMessageW(menu, kGetMenuHandle, 0, 0));
    ASSERT_NE(nullptr, object.MenuHost().SystemMenuPopup());
    ASSERT_EQ(object.MenuHost().SystemMenuPopup()->Handle(), shown);
    ASSERT_GT(GetMenuItemCount(shown), 0);
    for (int i = 0; i < GetMenuItemCount(shown); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      ASSERT_TRUE(GetMenuItemInfoW(shown, static_cast<UINT>(i), TRUE, &info));
      EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    }
    UpdateWindow(menu);
    const HDC dc = GetWindowDC(menu);
    EXPECT_NE(GetPixel(skinFrame.Canvas().Handle(), 0, 0), GetPixel(dc, 0, 0));
    ReleaseDC(menu, dc);
  });
  RECT rect{};
  GetWindowRect(form->Handle(), &rect);
  object.MenuHost().ShowSystemMenu(rect.left + 40, rect.top + 20);
  EXPECT_TRUE(watch.Seen()) << "the system menu never showed";
}

TEST_F(Form1SkinTest, RepaintsAndReskinsHoldNoMoreObjects) {
  ASSERT_TRUE(Skinned());
  const HWND window = form->Handle();
  const auto repaint = [window] {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint();
  wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) repaint();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());

  TSkinManage& manager = *TSkinManage::Instance();
  const auto cycle = [&] {
    manager.SetCurrentSkinData(form->SkinData1);
    manager.PostCommand(scmUnskin, 1);
    manager.RunPendingCommand();
    manager.SetCurrentSkinData(form->SkinData1);
    manager.PostCommand(scmSkin, 1);
    manager.RunPendingCommand();
    wintest::FlushEvents();
    repaint();
  };
  cycle();
  ASSERT_TRUE(Skinned());
  before = wintest::Snapshot();
  for (int i = 0; i < 100; ++i) cycle();
  ASSERT_TRUE(Skinned());
  EXPECT_EQ(21, FormObject()->SkinObjects().Count());
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
