// Check and radio controls of other libraries that draw from a glyph strip
// of their own: stand-ins under the class names the skin knows get strips
// assembled from the skin's check and radio cells, read back pixel by
// pixel, again when the skin changes, and give them back when unskinned.
#include <memory>
#include <utility>
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinObjImage.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/core/ClassBuilder.h"

namespace {

constexpr int kCell = 13;
using TCellMap = std::vector<std::pair<int, int>>;  // target cell <- source cell

// A control that paints its box from "CustomGlyphs" while "UseCustomGlyphs"
// is on; it keeps every value "UseCustomGlyphs" was given.
class TStripCheck : public TCustomControl {
 public:
  TStripCheck(TComponent* owner, const TClassInfo* info) : TCustomControl(owner), info_(info) {}
  const TClassInfo* ClassType() const override { return info_; }

  TBitmap* CustomGlyphs() { return &glyphs_; }
  void SetCustomGlyphs(TBitmap* value) { glyphs_.Assign(value); }
  int TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(int value) { transparentColor_ = value; }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  void SetUseCustomGlyphs(bool value) {
    useCustomGlyphs_ = value;
    Switches.push_back(value);
  }

  static TClassInfo Named(const char* name) {
    return TClassBuilder<TStripCheck>(name, &TCustomControl::StaticClass())
        .Object("CustomGlyphs", &TStripCheck::CustomGlyphs, &TStripCheck::SetCustomGlyphs)
        .Integer("TransparentColor", &TStripCheck::TransparentColor,
                 &TStripCheck::SetTransparentColor)
        .Bool("UseCustomGlyphs", &TStripCheck::UseCustomGlyphs, &TStripCheck::SetUseCustomGlyphs)
        .Build();
  }

  std::vector<bool> Switches;

 private:
  const TClassInfo* info_;
  TBitmap glyphs_;
  int transparentColor_ = 0;
  bool useCustomGlyphs_ = false;
};

// The options object of a check control that keeps its glyph there.
class TCheckProperties : public TPersistent {
  TAPVANE_CLASS(TCheckProperties)
 public:
  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(TBitmap* value) { glyph_.Assign(value); }

 private:
  TBitmap glyph_;
};

const TClassInfo& TCheckProperties::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckProperties>("TCheckProperties", &TPersistent::StaticClass())
          .Object("Glyph", &TCheckProperties::Glyph, &TCheckProperties::SetGlyph)
          .Build();
  return info;
}

class TPropertiesCheck : public TCustomControl {
  TAPVANE_CLASS(TPropertiesCheck)
 public:
  using TCustomControl::TCustomControl;
  TCheckProperties* Properties() { return &properties_; }

 private:
  TCheckProperties properties_;
};

const TClassInfo& TPropertiesCheck::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPropertiesCheck>("TcxCheckBox", &TCustomControl::StaticClass())
          .Object("Properties", &TPropertiesCheck::Properties)
          .Build();
  return info;
}

// A plain windowed control under a group class name of the skin's list.
class TGroupStandIn : public TCustomControl {
 public:
  TGroupStandIn(TComponent* owner, const TClassInfo* info) : TCustomControl(owner), info_(info) {}
  const TClassInfo* ClassType() const override { return info_; }

 private:
  const TClassInfo* info_;
};

const TClassInfo& CheckBoxClass() {
  static const TClassInfo info = TStripCheck::Named("TRzCheckBox");
  return info;
}
const TClassInfo& RadioButtonClass() {
  static const TClassInfo info = TStripCheck::Named("TRzRadioButton");
  return info;
}
// Group members: a name no row of the skin's list or table takes by itself.
const TClassInfo& GroupMemberClass() {
  static const TClassInfo info = TStripCheck::Named("TGroupMemberOfLibrary");
  return info;
}

// Cell n of a strip of patterned cells: every pixel differs from its
// neighbours and from the pixels of every other cell, and none is magenta.
TColor PatternPixel(int cell, int x, int y) { return RGBColor(cell * 25, x * 17, y * 17); }

void MakePatternStrip(TBitmap& strip, int cells, int seed = 0) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(cells * kCell, kCell);
  for (int n = 1; n <= cells; ++n) {
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        pixels::Set(strip, (n - 1) * kCell + x, y, PatternPixel(n + seed, x, y));
      }
    }
  }
}

// Every pixel of cell `target` of the strip against cell `from` of the
// source (from 0: the cell is to be magenta through and through).
::testing::AssertionResult CellMatches(TBitmap& strip, int target, TBitmap& source, int from) {
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const TColor want = from ? pixels::At(source, (from - 1) * kCell + x, y) : clFuchsia;
      const TColor got = pixels::At(strip, (target - 1) * kCell + x, y);
      if (got != want) {
        return ::testing::AssertionFailure()
               << "cell " << target << " at (" << x << ", " << y << ") is " << got
               << ", source cell " << from << " has " << want;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

void ExpectStrip(TBitmap& strip, int cells, TBitmap& source, const TCellMap& map) {
  ASSERT_EQ(cells * kCell, strip.Width());
  ASSERT_EQ(kCell, strip.Height());
  for (const auto& [target, from] : map) EXPECT_TRUE(CellMatches(strip, target, source, from));
}

const TCellMap kCheckFromFive = {{1, 1}, {2, 2}, {3, 5}, {4, 1}, {5, 2},
                                 {6, 5}, {7, 3}, {8, 4}, {9, 5}};
const TCellMap kCheckFromFour = {{1, 1}, {2, 2}, {3, 0}, {4, 1}, {5, 2},
                                 {6, 0}, {7, 3}, {8, 4}, {9, 0}};
const TCellMap kRadio = {{1, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 3}, {6, 4}};
const TCellMap kPropertiesFromFive = {{1, 1}, {2, 2}, {3, 5}, {4, 1}, {5, 2}, {6, 5}};
const TCellMap kPropertiesFromFour = {{1, 1}, {2, 2}, {3, 0}, {4, 1}, {5, 2}, {6, 0}};

class ObjImageTest : public SkinControlTest {
 protected:
  TDataSkinButton& Buttons() { return *data->Skin().Buttons; }
  void UseCells(int checkCells, int radioCells, int seed = 0) {
    MakePatternStrip(*Buttons().CheckImage, checkCells, seed);
    Buttons().CheckButtonFrame = checkCells;
    MakePatternStrip(*Buttons().RadioImage, radioCells, seed);
    Buttons().RadioButtonFrame = radioCells;
  }

  template <typename Control>
  Control* Place(Control* control, TWinControl* parent, int index) {
    control->SetParent(parent);
    control->SetBounds(10, 10 + index * 30, 120, 24);
    return control;
  }
  TStripCheck* Strip(const TClassInfo& info, TWinControl* parent, int index) {
    return Place(new TStripCheck(form.get(), &info), parent, index);
  }
  TPropertiesCheck* WithProperties(int index) {
    return Place(new TPropertiesCheck(form.get()), form.get(), index);
  }

  // The skin changed for the whole form, as the skin manager tells it.
  void ChangeSkin() {
    formObject->UseSkinData(data.get());
    formObject->RefreshSkin();
  }
  void SkinAll() {
    form->HandleNeeded();
    TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  }

  static String ObjectOn(const TControl* control) {
    for (int i = 0; i < control->ComponentCount(); ++i) {
      if (auto* object = dynamic_cast<TSkinControl*>(control->Components(i))) {
        return object->ClassName();
      }
    }
    return "";
  }
};

TEST_F(ObjImageTest, CheckControlGetsNineCellsFromAFiveCellSource) {
  UseCells(5, 4);
  TStripCheck* box = Strip(CheckBoxClass(), form.get(), 0);
  box->SetUseCustomGlyphs(true);  // a control that shows custom glyphs already
  box->Switches.clear();
  SkinAll();
  EXPECT_EQ("TSkinObjImage", ObjectOn(box));
  ExpectStrip(*box->CustomGlyphs(), 9, *Buttons().CheckImage, kCheckFromFive);
  EXPECT_EQ(0xFF00FF, box->TransparentColor());
  // Off and on again, so that the control reloads what it already uses.
  EXPECT_EQ((std::vector<bool>{false, true}), box->Switches);
  SkinAll();
  EXPECT_EQ(2u, box->Switches.size()) << "a second pass gives the control no second object";
}

TEST_F(ObjImageTest, CellsAFourCellSourceLacksStayTransparent) {
  UseCells(4, 4);
  TStripCheck* box = Strip(CheckBoxClass(), form.get(), 0);
  TPropertiesCheck* options = WithProperties(1);
  SkinAll();
  ExpectStrip(*box->CustomGlyphs(), 9, *Buttons().CheckImage, kCheckFromFour);
  ExpectStrip(*options->Properties()->Glyph(), 6, *Buttons().CheckImage, kPropertiesFromFour);
}

TEST_F(ObjImageTest, RadioControlAndPropertiesGlyphGetTheirStrips) {
  UseCells(5, 4);
  TStripCheck* radio = Strip(RadioButtonClass(), form.get(), 0);
  TPropertiesCheck* options = WithProperties(1);
  TBitmap* glyph = options->Properties()->Glyph();
  glyph->SetTransparent(true);
  SkinAll();
  EXPECT_EQ("TSkinObjImage", ObjectOn(radio));
  EXPECT_EQ("TSkinObjImage", ObjectOn(options));
  ExpectStrip(*radio->CustomGlyphs(), 6, *Buttons().RadioImage, kRadio);
  EXPECT_EQ(0xFF00FF, radio->TransparentColor());
  EXPECT_TRUE(radio->UseCustomGlyphs());
  ExpectStrip(*glyph, 6, *Buttons().CheckImage, kPropertiesFromFive);
  EXPECT_EQ(clFuchsia, glyph->TransparentColor());
  EXPECT_FALSE(glyph->Transparent());
}

TEST_F(ObjImageTest, SkinChangeReassemblesAndUnskinGivesTheGlyphsBack) {
  UseCells(5, 4);
  TStripCheck* box = Strip(CheckBoxClass(), form.get(), 0);
  TStripCheck* radio = Strip(RadioButtonClass(), form.get(), 1);
  TPropertiesCheck* options = WithProperties(2);
  SkinAll();
  UseCells(4, 4, 3);  // other cells, and no mixed one any more
  ChangeSkin();
  ExpectStrip(*box->CustomGlyphs(), 9, *Buttons().CheckImage, kCheckFromFour);
  ExpectStrip(*radio->CustomGlyphs(), 6, *Buttons().RadioImage, kRadio);
  ExpectStrip(*options->Properties()->Glyph(), 6, *Buttons().CheckImage, kPropertiesFromFour);

  formObject->Unskin();
  EXPECT_FALSE(box->UseCustomGlyphs());
  EXPECT_FALSE(radio->UseCustomGlyphs());
  EXPECT_TRUE(options->Properties()->Glyph()->Empty());
  EXPECT_EQ("", ObjectOn(box)) << "the object went with the form's list";
}

TEST_F(ObjImageTest, NothingIsHandedOverWhileTheSourceIsEmpty) {
  UseCells(5, 4);
  Buttons().CheckImage->Clear();
  TStripCheck* box = Strip(CheckBoxClass(), form.get(), 0);
  TPropertiesCheck* options = WithProperties(1);
  TStripCheck* radio = Strip(RadioButtonClass(), form.get(), 2);
  SkinAll();
  EXPECT_EQ("TSkinObjImage", ObjectOn(box));
  EXPECT_TRUE(box->CustomGlyphs()->Empty());
  EXPECT_TRUE(box->Switches.empty());
  EXPECT_EQ(0, box->TransparentColor());
  EXPECT_TRUE(options->Properties()->Glyph()->Empty());
  EXPECT_TRUE(radio->UseCustomGlyphs()) << "the radio strip is there";

  ChangeSkin();
  EXPECT_TRUE(box->Switches.empty()) << "a skin change with the source still empty";
  MakePatternStrip(*Buttons().CheckImage, 5);
  ChangeSkin();
  ExpectStrip(*box->CustomGlyphs(), 9, *Buttons().CheckImage, kCheckFromFive);
}

// The buttons of a radio or check group of the library get image strips.
TEST_F(ObjImageTest, GroupsOfTheLibraryHandStripsToTheirButtons) {
  UseCells(5, 4);
  static const TClassInfo radioGroup =
      TClassBuilder<TCustomControl>("TRzRadioGroup", &TCustomControl::StaticClass()).Build();
  static const TClassInfo checkGroup =
      TClassBuilder<TCustomControl>("TRzCheckGroup", &TCustomControl::StaticClass()).Build();
  auto* radios = new TGroupStandIn(form.get(), &radioGroup);
  radios->SetParent(form.get());
  radios->SetBounds(10, 10, 180, 100);
  auto* checks = new TGroupStandIn(form.get(), &checkGroup);
  checks->SetParent(form.get());
  checks->SetBounds(200, 10, 180, 100);
  std::vector<TStripCheck*> radioButtons, checkBoxes;
  for (int i = 0; i < 2; ++i) {
    radioButtons.push_back(Strip(GroupMemberClass(), radios, i));
    checkBoxes.push_back(Strip(GroupMemberClass(), checks, i));
  }
  SkinAll();
  EXPECT_EQ("TSkinGroupBox", ObjectOn(radios));
  EXPECT_EQ("TSkinGroupBox", ObjectOn(checks));
  for (TStripCheck* button : radioButtons) {
    EXPECT_EQ("TSkinObjImage", ObjectOn(button));
    ExpectStrip(*button->CustomGlyphs(), 6, *Buttons().RadioImage, kRadio);
  }
  for (TStripCheck* box : checkBoxes) {
    EXPECT_EQ("TSkinObjImage", ObjectOn(box));
    ExpectStrip(*box->CustomGlyphs(), 9, *Buttons().CheckImage, kCheckFromFive);
  }
}

}  // namespace
