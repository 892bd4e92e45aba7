// Control discovery on forms and plain windows built for each rule: the
// disable tag, the Skin3rd list before the table, and no second object.
#include <map>

#include "ChoiceRecordingTest.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControl.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/core/ClassBuilder.h"

// A group of radio buttons of another library, known only by its class name.
class TTestRadioGroup : public TCustomControl {
  TAPVANE_CLASS(TTestRadioGroup)
 public:
  using TCustomControl::TCustomControl;
};

const TClassInfo& TTestRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestRadioGroup>("TTestRadioGroup", &TCustomControl::StaticClass()).Build();
  return info;
}

namespace {

class DiscoveryTest : public ChoiceRecordingTest {
 protected:
  void RunFullPass() { TControlDiscovery(*formObject, *data).SkinAllControls(form.get()); }
  // The skin class chosen for a control or window ("" when none).
  String ChosenFor(const TControl* control, HWND window = nullptr) const {
    String names;
    for (const TSkinChoice& choice : chosen) {
      if ((control && choice.Control == control) || (window && choice.Window == window)) {
        names += SkinClassName(choice.Class);
      }
    }
    return names;
  }
  static int ObjectsOn(const TControl* control) {
    int count = 0;
    for (int i = 0; i < control->ComponentCount(); ++i) {
      count += dynamic_cast<TSkinControl*>(control->Components(i)) != nullptr;
    }
    return count;
  }
  void PrependSkin3rd(const char* line) { data->Skin3rd()->Insert(0, line); }
};

TEST_F(DiscoveryTest, DisableTagKeepsControlsAndGroupMembersOut) {
  auto* kept = Make<TButton>(form.get(), 10, 10, 80, 25);
  auto* skinned = Make<TButton>(form.get(), 100, 10, 80, 25);
  kept->SetTag(data->DisableTag());
  auto* group = Make<TTestRadioGroup>(form.get(), 10, 50, 200, 100);
  group->SetTag(data->DisableTag());
  auto* first = Make<TRadioButton>(group, 10, 10, 100, 20);
  auto* second = Make<TRadioButton>(group, 10, 40, 100, 20);
  RunFullPass();
  EXPECT_EQ(0, ObjectsOn(kept));
  EXPECT_EQ(1, ObjectsOn(skinned));
  EXPECT_EQ(data->DisableTag(), first->Tag());
  EXPECT_EQ(data->DisableTag(), second->Tag());
  EXPECT_EQ(0, ObjectsOn(first) + ObjectsOn(second));
  EXPECT_EQ("", ChosenFor(first) + ChosenFor(second));
}

TEST_F(DiscoveryTest, Skin3rdNilWinsOverTheTable) {
  auto* button = Make<TButton>(form.get(), 10, 10, 80, 25);
  auto* radio = Make<TRadioButton>(form.get(), 10, 50, 100, 20);
  PrependSkin3rd("tBuTtOn=Nil");
  PrependSkin3rd("TRadioButton=nosuchkind");
  RunFullPass();
  EXPECT_EQ(0, ObjectsOn(button));
  EXPECT_EQ(0, ObjectsOn(radio)) << "an unknown kind also ends the classification";
  EXPECT_TRUE(chosen.empty());
}

TEST_F(DiscoveryTest, Skin3rdNamesMatchOnlyWhenFollowedByEquals) {
  auto* button = Make<TButton>(form.get(), 10, 10, 80, 25);
  PrependSkin3rd("TButtonX=nil");
  PrependSkin3rd("TButton =nil");
  PrependSkin3rd("TButto=nil");
  RunFullPass();
  EXPECT_EQ("TSkinButton", ChosenFor(button));
  EXPECT_EQ(1, ObjectsOn(button));
}

TEST_F(DiscoveryTest, Skin3rdKindNeedsItsFlag) {
  auto* edit = Make<TEdit>(form.get(), 10, 10, 80, 25);
  auto* button = Make<TButton>(form.get(), 10, 50, 80, 25);
  PrependSkin3rd("TEdit=checkbox");
  PrependSkin3rd("TButton=radiobutton");
  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcRadioButton});
  RunFullPass();
  EXPECT_EQ("TSkinCheckBox", ChosenFor(edit));
  EXPECT_EQ(1, ObjectsOn(edit));
  EXPECT_EQ("", ChosenFor(button)) << "the table's push button row is never reached";
}

TEST_F(DiscoveryTest, AnsweringSkinQueryOrHavingAnObjectMeansNoSecondOne) {
  auto* claimed = Make<TButton>(form.get(), 10, 10, 80, 25);
  auto* once = Make<TButton>(form.get(), 100, 10, 80, 25);
  const TWndMethod own = claimed->WindowProc;
  claimed->WindowProc = [own](TMessage& message) {
    if (message.Msg == SKIN_QUERY) {
      message.Result = 1;  // someone else's skin already has it
      return;
    }
    own(message);
  };
  RunFullPass();
  RunFullPass();
  EXPECT_EQ(0, ObjectsOn(claimed));
  EXPECT_EQ(1, ObjectsOn(once));
  EXPECT_EQ(1, formObject->SkinObjects().Count());
  claimed->WindowProc = own;
}

TEST_F(DiscoveryTest, OnSkinControlDecidesFirst) {
  auto* button = Make<TButton>(form.get(), 10, 10, 80, 25);
  auto* edit = Make<TEdit>(form.get(), 10, 50, 80, 25);
  auto* radio = Make<TRadioButton>(form.get(), 10, 90, 100, 20);
  TComponent notASkinObject(nullptr);
  std::vector<String> asked;
  data->OnSkinControl = [&](TComponent* sender, TSkinData*, TControl* owner, TControl* control,
                            const String& controlClass, TComponent*& made) {
    EXPECT_EQ(formObject.get(), sender);
    EXPECT_EQ(form.get(), owner);
    asked.push_back(controlClass);
    if (control == button) made = new TSkinButton(control);
    if (control == edit) made = &notASkinObject;
  };
  TControlDiscovery(*formObject, *data).SkinOwnedComponents(form.get());
  data->OnSkinControl = nullptr;
  EXPECT_EQ((std::vector<String>{"TBUTTON", "TEDIT", "TRADIOBUTTON"}), asked);
  EXPECT_EQ(1, ObjectsOn(button)) << "the event's object, attached";
  EXPECT_EQ(button->Handle(), formObject->SkinObjects().At(0)->Window());
  EXPECT_EQ("", ChosenFor(button) + ChosenFor(edit)) << "whatever the event made ends it";
  EXPECT_EQ("TSkinRadioButton", ChosenFor(radio));
}

TEST_F(DiscoveryTest, GroupBoxChildrenComeFirst) {
  auto* box = Make<TGroupBox>(form.get(), 10, 10, 200, 120);
  auto* radio = Make<TRadioButton>(box, 10, 20, 100, 20);
  auto* button = Make<TButton>(box, 10, 50, 80, 25);
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  ASSERT_EQ(3u, chosen.size());
  EXPECT_EQ(radio, chosen[0].Control);
  EXPECT_EQ(button, chosen[1].Control);
  EXPECT_EQ(box, chosen[2].Control);
  EXPECT_EQ("TSkinGroupBox", ChosenFor(box));
}

TEST_F(DiscoveryTest, PlainChildWindowsByClassAndStyle) {
  const HWND parent = form->Handle();
  const auto child = [parent](const wchar_t* cls, DWORD style) {
    return CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 20, parent,
                           nullptr, nullptr, nullptr);
  };
  const std::map<HWND, String> expected = {
      {child(L"BUTTON", BS_PUSHBUTTON), "TSkinButton"},
      {child(L"BUTTON", BS_DEFPUSHBUTTON), "TSkinButton"},
      {child(L"BUTTON", BS_AUTOCHECKBOX), "TSkinCheckBox"},
      {child(L"BUTTON", BS_3STATE), "TSkinCheckBox"},
      {child(L"BUTTON", BS_AUTORADIOBUTTON), "TSkinRadioButton"},
      {child(L"BUTTON", BS_RADIOBUTTON), "TSkinRadioButton"},
      {child(L"BUTTON", BS_GROUPBOX), ""},
      {child(L"BUTTON", BS_OWNERDRAW), ""},
      {child(L"BUTTON", BS_PUSHBUTTON | BS_BITMAP), ""},
      {child(L"EDIT", 0), "TSkinEdit"},
      {child(L"COMBOBOX", CBS_SIMPLE), ""},
      {child(L"COMBOBOX", CBS_DROPDOWNLIST), "TSkinComBox"},
      {child(L"SCROLLBAR", SBS_SIZEGRIP), "TSkinSizer"},
      {child(L"SCROLLBAR", WS_TABSTOP), ""}};
  TControlDiscovery discovery(*formObject, *data);
  discovery.SkinChildWindows(parent);
  for (const auto& [window, cls] : expected) {
    EXPECT_EQ(cls, ChosenFor(nullptr, window)) << "window " << window;
  }
  const int objects = formObject->SkinObjects().Count();
  // Buttons, checks, radios, the edit and the grip, then the drop-down
  // combo and the scroll bar object of its list.
  EXPECT_EQ(10, objects) << "every window with a built class is attached";
  discovery.SkinChildWindows(parent);
  EXPECT_EQ(objects, formObject->SkinObjects().Count()) << "attached windows are passed over";
  for (const auto& entry : expected) DestroyWindow(entry.first);
  formObject->SweepGoneSkinObjects();
  EXPECT_EQ(0, formObject->SkinObjects().Count());
}

}  // namespace
