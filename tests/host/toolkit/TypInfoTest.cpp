#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/TestComponents.h"
#include "toolkit/core/TypInfo.h"

namespace {

class TypInfoTest : public ::testing::Test {
 protected:
  TTestForm form{nullptr};
  TTestControl* control = new TTestControl(&form);
  TTestData* data = new TTestData(&form);
};

TEST_F(TypInfoTest, FindsPropertiesOfEveryKind) {
  EXPECT_EQ(PropType(control, "Left"), tkInteger);
  EXPECT_EQ(PropType(control, "visible"), tkEnumeration);
  EXPECT_EQ(PropType(control, "Align"), tkEnumeration);
  EXPECT_EQ(PropType(control, "Caption"), tkString);
  EXPECT_EQ(PropType(control, "WideCaption"), tkWideString);
  EXPECT_EQ(PropType(data, "Options"), tkSet);
  EXPECT_EQ(PropType(control, "Font"), tkClass);
  EXPECT_EQ(PropType(data, "Lines"), tkClass);
  EXPECT_EQ(PropType(control, "OnClick"), tkMethod);
  EXPECT_EQ(PropType(control, "Missing"), tkUnknown);
  EXPECT_EQ(PropType(nullptr, "Left"), tkUnknown);
  EXPECT_TRUE(IsPublishedProp(control, "Tag"));
  EXPECT_FALSE(IsPublishedProp(nullptr, "Tag"));
  EXPECT_EQ(GetPropList(nullptr).size(), 0u);
  EXPECT_EQ(GetPropList(control).size(), 12u);
}

TEST_F(TypInfoTest, OrdinalOnlyForIntegers) {
  control->Left = 42;
  EXPECT_EQ(GetOrdProp(control, "Left"), 42);
  EXPECT_EQ(GetOrdProp(control, "left"), 42);
  EXPECT_TRUE(SetOrdProp(control, "Left", -7));
  EXPECT_EQ(control->Left, -7);
  // Neutral results: nothing to read, or not of integer kind.
  EXPECT_EQ(GetOrdProp(nullptr, "Left"), -1);
  EXPECT_EQ(GetOrdProp(control, "Nope"), -1);
  EXPECT_EQ(GetOrdProp(control, "Visible"), -1);
  EXPECT_EQ(GetOrdProp(control, "Caption"), -1);
  EXPECT_EQ(GetOrdProp(data, "Options"), -1);
  EXPECT_FALSE(SetOrdProp(control, "Caption", 1));
  EXPECT_FALSE(SetOrdProp(nullptr, "Left", 1));
  EXPECT_FALSE(SetOrdProp(control, "Left", int64_t{1} << 40));  // out of int range
  EXPECT_EQ(control->Left, -7);
}

TEST_F(TypInfoTest, EnumerationsByIdentifier) {
  control->Visible = true;
  EXPECT_EQ(GetEnumProp(control, "Visible"), "True");
  EXPECT_EQ(GetEnumProp(control, "Align"), "taNone");
  EXPECT_TRUE(SetEnumProp(control, "Align", "TACLIENT"));
  EXPECT_EQ(control->Align, taClient);
  EXPECT_TRUE(SetEnumProp(control, "Visible", "false"));
  EXPECT_FALSE(control->Visible);
  EXPECT_FALSE(SetEnumProp(control, "Align", "taNowhere"));
  EXPECT_EQ(control->Align, taClient);
  EXPECT_EQ(GetEnumProp(control, "Left"), "");
  EXPECT_EQ(GetEnumProp(nullptr, "Align"), "");
  EXPECT_EQ(GetEnumProp(control, "Missing"), "");
}

TEST_F(TypInfoTest, StringsConvertBetweenUtf8AndUtf16) {
  control->Caption = "开始点击";
  control->WideCaption = u"检测更新";
  EXPECT_EQ(GetStrProp(control, "Caption"), "开始点击");
  EXPECT_EQ(GetStrProp(control, "WideCaption"), "检测更新");
  EXPECT_EQ(GetWideStrProp(control, "WideCaption"), u"检测更新");
  EXPECT_EQ(GetWideStrProp(control, "Caption"), u"开始点击");
  EXPECT_EQ(GetWideStrProp(control, "Left"), u"");
  EXPECT_EQ(GetWideStrProp(nullptr, "Caption"), u"");
  EXPECT_EQ(GetStrProp(control, "Missing"), "");
  EXPECT_TRUE(SetStrProp(control, "WideCaption", "退出"));
  EXPECT_EQ(control->WideCaption, u"退出");
  EXPECT_TRUE(SetWideStrProp(control, "Caption", u"添加"));
  EXPECT_EQ(control->Caption, "添加");
  EXPECT_FALSE(SetStrProp(control, "Left", "5"));
  EXPECT_EQ(control->Left, 0);
}

TEST_F(TypInfoTest, SetsAsIdentifiersAndBits) {
  EXPECT_EQ(GetSetProp(data, "Options"), "toAlpha,toGamma");
  EXPECT_EQ(GetSetBits(data, "Options"), 0b101u);
  EXPECT_TRUE(SetSetProp(data, "Options", "[toBeta, toDelta]"));
  EXPECT_EQ(data->Options, (TTestOptions{toBeta, toDelta}));
  EXPECT_TRUE(SetSetProp(data, "Options", ""));
  EXPECT_TRUE(data->Options.Empty());
  EXPECT_FALSE(SetSetProp(data, "Options", "toBeta,toOmega"));
  EXPECT_FALSE(SetSetProp(data, "Options", "toBeta,,toGamma"));
  EXPECT_TRUE(data->Options.Empty());
  EXPECT_TRUE(SetSetBits(data, "Options", 0b1000));
  EXPECT_TRUE(data->Options.Contains(toDelta));
  EXPECT_FALSE(SetSetBits(data, "Options", 0b10000));  // no such member
  EXPECT_EQ(GetSetProp(control, "Left"), "");
  EXPECT_EQ(GetSetBits(nullptr, "Options"), 0u);
}

TEST_F(TypInfoTest, ObjectsOnlyOfTheAskedClass) {
  EXPECT_EQ(GetObjectProp(control, "Font"), &control->Font);
  EXPECT_EQ(GetObjectProp(control, "Font", &TTestFont::StaticClass()), &control->Font);
  EXPECT_EQ(GetObjectProp(control, "Font", &TPersistent::StaticClass()), &control->Font);
  EXPECT_EQ(GetObjectProp(control, "Font", &TStrings::StaticClass()), nullptr);
  EXPECT_EQ(GetObjectProp(data, "Lines", &TStrings::StaticClass()), &data->Lines);
  EXPECT_EQ(GetObjectProp(control, "Caption"), nullptr);
  EXPECT_EQ(GetObjectProp(nullptr, "Font"), nullptr);
  EXPECT_EQ(GetObjectProp(data, "Link"), nullptr);             // holds nothing yet
  EXPECT_FALSE(SetObjectProp(control, "Font", &data->Lines));  // read-only sub-object
  EXPECT_FALSE(SetObjectProp(data, "Link", data));             // wrong class
  EXPECT_TRUE(SetObjectProp(data, "Link", control));
  EXPECT_EQ(GetObjectProp(data, "Link", &TTestControl::StaticClass()), control);
  TStringList lines{"a=b"};
  EXPECT_TRUE(SetObjectProp(data, "Lines", &lines));  // the setter copies
  EXPECT_EQ(data->Lines.Text(), "a=b\r\n");
}

TEST_F(TypInfoTest, MethodsAssignedByHandler) {
  EXPECT_FALSE(IsMethodAssigned(control, "OnClick"));
  int clicks = 0;
  EXPECT_TRUE(SetMethodProp(control, "OnClick", TNotifyEvent([&](TObject*) { ++clicks; })));
  EXPECT_TRUE(IsMethodAssigned(control, "OnClick"));
  control->OnClick(control);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(SetMethodProp(control, "OnClick", std::function<void(int)>()));  // wrong shape
  EXPECT_TRUE(IsMethodAssigned(control, "OnClick"));
  EXPECT_TRUE(SetMethodProp(control, "OnClick", std::any()));
  EXPECT_FALSE(IsMethodAssigned(control, "OnClick"));
  EXPECT_FALSE(SetMethodProp(control, "Left", std::any()));
}

TEST_F(TypInfoTest, SetFromTextByKind) {
  EXPECT_TRUE(SetPropFromText(control, "Left", " 120 "));
  EXPECT_EQ(control->Left, 120);
  EXPECT_FALSE(SetPropFromText(control, "Left", "12x"));
  EXPECT_EQ(control->Left, 120);
  EXPECT_TRUE(SetPropFromText(control, "Align", "taBottom"));
  EXPECT_EQ(control->Align, taBottom);
  EXPECT_TRUE(SetPropFromText(control, "Visible", "False"));
  EXPECT_FALSE(control->Visible);
  EXPECT_TRUE(SetPropFromText(control, "Caption", "12x"));
  EXPECT_EQ(control->Caption, "12x");
  EXPECT_TRUE(SetPropFromText(control, "WideCaption", "宽"));
  EXPECT_EQ(control->WideCaption, u"宽");
  // Other kinds are left alone.
  EXPECT_FALSE(SetPropFromText(data, "Options", "[toBeta]"));
  EXPECT_EQ(data->Options, (TTestOptions{toAlpha, toGamma}));
  EXPECT_FALSE(SetPropFromText(data, "Lines", "x"));
  EXPECT_EQ(data->Lines.Count(), 0);
  EXPECT_FALSE(SetPropFromText(nullptr, "Left", "1"));
  EXPECT_FALSE(SetPropFromText(control, "Missing", "1"));
}

TEST_F(TypInfoTest, SubObjectPropertiesByName) {
  auto* font = GetObjectProp(control, "Font", &TTestFont::StaticClass());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetStrProp(font, "Name"), "Tahoma");
  EXPECT_TRUE(SetOrdProp(font, "Height", -12));
  EXPECT_EQ(control->Font.Height, -12);
}

// Redeclares an inherited property with other accessors.
class TUpperControl : public TTestControl {
  TAPVANE_CLASS(TUpperControl)
 public:
  using TTestControl::TTestControl;
};

const TClassInfo& TUpperControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TUpperControl>("TUpperControl", &TTestControl::StaticClass())
          .Str(
              "Caption", [](TUpperControl& c) { return c.Caption; },
              [](TUpperControl& c, const String& v) { c.Caption = UpperCase(v); })
          .Build();
  return info;
}

TEST(TypInfoRedeclared, KeepsItsPlaceAndTakesTheNewAccessors) {
  TUpperControl control(nullptr);
  EXPECT_TRUE(SetStrProp(&control, "Caption", "abc"));
  EXPECT_EQ(control.Caption, "ABC");
  const auto props = GetPropList(&control);
  ASSERT_EQ(props.size(), 12u);
  EXPECT_EQ(props[5]->Name, "Caption");
  EXPECT_EQ(props[5], &TUpperControl::StaticClass().Properties[0]);
  const std::unique_ptr<TComponent> made(control.ClassType()->Create(nullptr));
  EXPECT_EQ(made->ClassName(), "TUpperControl");
}

}  // namespace
