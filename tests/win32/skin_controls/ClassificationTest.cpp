// Controls of other libraries, known to the skin only by their class name:
// a stand-in control under each class name of the default class-to-kind
// rows (its window class registered under that name) is skinned by the
// row's kind in one full pass, and the toolkit's own glyph, speed and
// scroll bar controls get their objects.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "ChoiceRecordingTest.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/data/Skin3rdDefaults.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/core/ClassBuilder.h"

namespace {

// A windowed control that answers to any class name; with a client edge so
// that the "edit" kind, which wants a border, takes it, and a scroll bar of
// its own when asked.
class TStandIn : public TCustomControl {
 public:
  TStandIn(TComponent* owner, const TClassInfo* info, bool scrolling = false)
      : TCustomControl(owner), info_(info), scrolling_(scrolling) {}
  const TClassInfo* ClassType() const override { return info_; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
    if (scrolling_) params.Style |= WS_VSCROLL;
  }

 private:
  const TClassInfo* info_;
  bool scrolling_;
};

// What each kind makes for the control that has it ("" for nothing), and
// for a member of a group of that kind: a member of a group of one library
// ("TRZ" in its name) is drawn as that library's image control.
struct TExpected {
  const char* Own;
  const char* Member = "";
  const char* ForeignMember = "";
};

const std::map<String, TExpected>& ExpectedByKind() {
  static const std::map<String, TExpected> expected = {
      {"scrollbar", {"TSkinScrollbar"}},
      {"pngspeedbutton", {"TSkinSpeedButton"}},
      {"pngbitbtn", {"TSkinBitButton"}},
      {"panel", {"TSkinBox"}},
      {"combobox", {"TSkinComBox"}},
      {"speedbutton", {"TSkinSpeedButton"}},
      {"button", {"TSkinButton"}},
      {"bitbtn", {"TSkinBitButton"}},
      {"menubtn", {"TSkinMenuButton"}},
      {"checkgroup", {"TSkinGroupBox", "TSkinCheckBox", "TSkinObjImage"}},
      {"radiogroup", {"TSkinGroupBox", "TSkinRadioButton", "TSkinObjImage"}},
      {"edit", {"TSkinEdit"}},
      {"radiobutton", {"TSkinRadioButton"}},
      {"groupbox", {"TSkinGroupBox"}},
      {"checkbox", {"TSkinCheckBox"}},
      {"nil", {""}},
  };
  return expected;
}

String KindOf(std::string_view row) { return LowerCase(String(row.substr(row.find('=') + 1))); }
String ClassOf(std::string_view row) { return String(row.substr(0, row.find('='))); }

class ClassificationTest : public ChoiceRecordingTest {
 protected:
  TStandIn* StandIn(const String& name, TWinControl* parent, int index, bool scrolling = false) {
    infos.push_back(std::make_unique<TClassInfo>(
        TClassBuilder<TCustomControl>(name, &TCustomControl::StaticClass()).Build()));
    auto* control = new TStandIn(form.get(), infos.back().get(), scrolling);
    control->SetParent(parent);
    control->SetBounds(4 + (index % 12) * 50, 4 + (index / 12) * 40, 46, 36);
    return control;
  }
  // The classes chosen for a control, each once: a class that is not built
  // makes nothing, so the tab-order pass asks for it again.
  String ChosenFor(const TControl* control) const {
    String names;
    for (const TSkinChoice& choice : chosen) {
      const String name = SkinClassName(choice.Class);
      if (choice.Control == control && names.find(name) == String::npos) names += name;
    }
    return names;
  }
  // The class of the attached object on a control, "" without one.
  static String ObjectOn(const TControl* control) {
    for (int i = 0; i < control->ComponentCount(); ++i) {
      if (auto* object = dynamic_cast<TSkinControl*>(control->Components(i))) {
        return object->ClassName();
      }
    }
    return "";
  }

  std::vector<std::unique_ptr<TClassInfo>> infos;
};

TEST_F(ClassificationTest, EveryDefaultRowSkinsItsClassByItsKind) {
  data->Skin3rd()->Insert(0, "TStandInOfNothing=nil");
  std::vector<std::string_view> rows(Skin3rdDefaultRows().begin(), Skin3rdDefaultRows().end());
  rows.insert(rows.begin(), "TStandInOfNothing=nil");
  // One control per class name; the first row that names it decides.
  std::map<String, String> kindOf;
  std::vector<std::pair<TStandIn*, String>> controls;
  std::map<TStandIn*, TStandIn*> memberOf;
  std::set<String> kindsSeen;
  for (const std::string_view row : rows) {
    const String upper = UpperCase(ClassOf(row));
    if (kindOf.count(upper)) continue;
    kindOf[upper] = KindOf(row);
    kindsSeen.insert(KindOf(row));
    TStandIn* control = StandIn(ClassOf(row), form.get(), static_cast<int>(controls.size()));
    controls.emplace_back(control, KindOf(row));
    if (!ExpectedByKind().at(KindOf(row)).Member[0]) continue;
    memberOf[control] = StandIn("TGroupMember", control, 0);
  }
  ASSERT_EQ(ExpectedByKind().size(), kindsSeen.size()) << "every kind of the rows is expected";
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());

  for (const auto& [control, kind] : controls) {
    const TExpected& expected = ExpectedByKind().at(kind);
    const String name = control->ClassName();
    EXPECT_EQ(expected.Own, ChosenFor(control)) << name << "=" << kind;
    // The chosen class is the object attached; a kind without one attaches nothing.
    EXPECT_EQ(expected.Own, ObjectOn(control)) << name;
    if (auto member = memberOf.find(control); member != memberOf.end()) {
      const bool foreign = UpperCase(name).find("TRZ") != String::npos;
      EXPECT_EQ(foreign ? expected.ForeignMember : expected.Member, ChosenFor(member->second))
          << "member of " << name;
    }
  }
}

// The kinds that no default row uses, each given a row of its own; the
// container kinds hand their children on.
TEST_F(ClassificationTest, KindsBeyondTheDefaultRowsMakeTheirObjects) {
  const std::vector<std::pair<const char*, const char*>> rows = {
      {"TStandInComboEx", "comboboxex"},
      {"TStandInTrack", "trackbar"},
      {"TStandInPicker", "datetimepicker"},
      {"TStandInPlayer", "mediaplayer"},
      {"TStandInTabs", "tab"},
      {"TStandInProgress", "progress"},
      {"TStandInSingle", "singlescrollbar"},
      {"TStandInEmbed", "embedscrollbar"},
      {"TStandInContainer", "container"},
      {"TStandInAdvPages", "advpagecontrol"}};
  const std::map<String, String> expected = {{"comboboxex", "TSkinComBox"},
                                             {"trackbar", "TSkinTrackBar"},
                                             {"datetimepicker", "TSkinDateTime"},
                                             {"mediaplayer", "TSkinMP"},
                                             {"tab", "TSkinTab"},
                                             {"progress", "TSkinProgress"},
                                             {"singlescrollbar", "TSkinScrollbar"},
                                             {"embedscrollbar", ""},
                                             {"container", ""},
                                             {"advpagecontrol", "TSkinAdvPage"}};
  ASSERT_NE(nullptr, data->Skin().Tabs) << "the tab kind needs the skin's tabs";
  std::vector<std::pair<TStandIn*, String>> controls;
  for (const auto& [name, kind] : rows) {
    data->Skin3rd()->Add(String(name) + "=" + kind);
    TStandIn* control = StandIn(name, form.get(), static_cast<int>(controls.size()));
    controls.emplace_back(control, kind);
  }
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  for (const auto& [control, kind] : controls) {
    EXPECT_EQ(expected.at(kind), ChosenFor(control)) << kind;
  }
  const auto single = std::find_if(chosen.begin(), chosen.end(), [&](const TSkinChoice& c) {
    return c.Control && c.Control->ClassName() == "TStandInSingle";
  });
  ASSERT_NE(chosen.end(), single);
  EXPECT_EQ(1, single->Mode) << "a single bar";
  const auto extended = std::find_if(chosen.begin(), chosen.end(), [&](const TSkinChoice& c) {
    return c.Control && c.Control->ClassName() == "TStandInComboEx";
  });
  ASSERT_NE(chosen.end(), extended);
  EXPECT_TRUE(extended->Extended);
}

// Classified alone, so that only the kind can reach the children.
TEST_F(ClassificationTest, ContainerKindsHandTheirChildrenOn) {
  data->Skin3rd()->Add("TStandInEmbed=embedscrollbar");
  data->Skin3rd()->Add("TStandInContainer=container");
  TStandIn* embed = StandIn("TStandInEmbed", form.get(), 0);
  TStandIn* container = StandIn("TStandInContainer", form.get(), 1);
  auto* list = Make<TListBox>(embed, 0, 0, 40, 30);
  auto* plain = Make<TButton>(embed, 0, 0, 40, 30);
  auto* child = Make<TButton>(container, 0, 0, 40, 30);
  form->HandleNeeded();
  TControlDiscovery discovery(*formObject, *data);
  discovery.ClassifyControl(embed, form.get());
  discovery.ClassifyControl(container, form.get());
  EXPECT_EQ("TSkinScrollbar", ObjectOn(list)) << "a child with scroll bars";
  EXPECT_EQ("", ObjectOn(plain)) << "a child without";
  EXPECT_EQ("", ObjectOn(embed));
  EXPECT_EQ("TSkinButton", ObjectOn(child)) << "the container's child by its own class";
  EXPECT_EQ("", ObjectOn(container));
}

// Classes of other libraries that discovery knows by name without a line of
// the class-to-kind list. The scrolling ones would be taken as scrolling
// controls by a later rule, were their own rule not to decide first.
TEST_F(ClassificationTest, ClassesKnownByNameTakeTheirRule) {
  struct TCase {
    const char* Name;
    const char* Own;
    int Variant;
    bool Scrolling;
  };
  const TCase cases[] = {
      {"TDBComboBoxEh", "", 0, true},
      {"TfrDesignerPage", "", 0, true},
      {"TfrPBox", "", 0, true},
      {"TMVCPanel", "", 0, true},
      {"TTabbedNotebook", "TSkinTab", 0, false},
      {"TSpinButton", "TSkinUpDown", 0, false},
      {"TDBNavigator", "TSkinBox", 0, true},
      {"TRzCheckBox", "TSkinObjImage", 1, false},
      {"TRzRadioButton", "TSkinObjImage", 2, false},
      {"TcxDBCheckBox", "TSkinObjImage", 3, false},
      {"TTntComboBox", "TSkinComBox", 0, true},
      {"TRichEdit", "TSkinScrollbar", 0, false},
      {"TdxDBGrid", "TSkinScrollbar", 0, false},
  };
  ASSERT_NE(nullptr, data->Skin().Tabs) << "the notebook needs the skin's tabs";
  std::vector<TStandIn*> controls;
  for (const TCase& c : cases) {
    controls.push_back(StandIn(c.Name, form.get(), static_cast<int>(controls.size()), c.Scrolling));
  }
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(cases[i].Own, ChosenFor(controls[i])) << cases[i].Name;
    if (!cases[i].Variant) continue;
    const auto choice = std::find_if(chosen.begin(), chosen.end(), [&](const TSkinChoice& c) {
      return c.Control == controls[i];
    });
    ASSERT_NE(chosen.end(), choice) << cases[i].Name;
    EXPECT_EQ(cases[i].Variant, choice->Variant) << cases[i].Name;
  }
}

TEST_F(ClassificationTest, ToolkitGlyphSpeedScrollBarAndTabControlsGetTheirObjects) {
  auto* glyph = Make<TBitBtn>(form.get(), 10, 10, 80, 25);
  auto* plain = Make<TButton>(form.get(), 100, 10, 80, 25);
  auto* speed = new TSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetBounds(190, 10, 40, 25);
  auto* bar = Make<TScrollBar>(form.get(), 10, 50, 150, 17);
  auto* tabs = Make<TTabControl>(form.get(), 10, 80, 150, 60);
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  EXPECT_EQ("TSkinBitButton", ObjectOn(glyph));
  EXPECT_EQ("TSkinButton", ObjectOn(plain));
  EXPECT_EQ("TSkinSpeedButton", ObjectOn(speed));
  EXPECT_EQ("TSkinScControl", ObjectOn(bar));
  EXPECT_EQ("TSkinTab", ObjectOn(tabs));
  // A tab control that is no page control paints its windowless children.
  auto* tabObject = dynamic_cast<TSkinControl*>(formObject->FindSkinObject(tabs->Handle()));
  ASSERT_NE(nullptr, tabObject);
  EXPECT_EQ(2, tabObject->Mode);
}

TEST_F(ClassificationTest, GlyphButtonLeftOutOfTheSetIsNotTakenAsAPushButton) {
  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcBitBtn});
  auto* glyph = Make<TBitBtn>(form.get(), 10, 10, 80, 25);
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  EXPECT_EQ("", ChosenFor(glyph));
}

}  // namespace
