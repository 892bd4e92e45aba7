#include <gtest/gtest.h>

#include <random>

#include "tests/host/toolkit/LayoutSupport.h"
#include "tools/layoutc/LayoutText.h"

namespace {

class LayoutErrors : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestComponents(); }

  static std::vector<uint8_t> Compile(const String& text) { return CompileLayoutText(text, {}); }

  // Reading must fail with a filer error and leave the root as it was.
  static String ReadError(const std::vector<uint8_t>& bytes) {
    TTestForm form(nullptr);
    String message = "no error";
    try {
      ReadLayout(bytes, &form);
    } catch (const EFilerError& e) {
      message = e.Message;
    }
    EXPECT_EQ(form.ComponentCount(), 0) << message;
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.ComponentState().Contains(csReading));
    return message;
  }

  const std::vector<uint8_t> valid = LoadBytes(TAPVANE_TEST_LAYOUT);
};

TEST_F(LayoutErrors, EveryTruncationIsRefusedCleanly) {
  for (size_t n = 0; n < valid.size(); ++n) {
    const std::vector<uint8_t> cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_NE(ReadError(cut), "no error") << "prefix of " << n << " bytes";
  }
}

TEST_F(LayoutErrors, GarbageIsRefusedCleanly) {
  std::mt19937 random(1234);
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> bytes = valid;
    // A few random bytes changed anywhere after the signature.
    for (int k = 0; k < 1 + round % 4; ++k)
      bytes[4 + random() % (bytes.size() - 4)] = static_cast<uint8_t>(random());
    TTestForm form(nullptr);
    try {
      ReadLayout(bytes, &form);
    } catch (const EFilerError&) {
      EXPECT_EQ(form.ComponentCount(), 0);
    }
  }
  std::vector<uint8_t> noise(500);
  for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
  EXPECT_EQ(ReadError(noise), "Invalid layout: signature missing");
}

TEST_F(LayoutErrors, LengthsBeyondTheDataAreRefused) {
  // Signature, then a class name claiming 4 GB.
  EXPECT_EQ(ReadError({'T', 'V', 'L', '1', 0xFF, 0xFF, 0xFF, 0xFF, 'T'}),
            "Invalid layout: length out of range");
  std::vector<uint8_t> bytes =
      Compile("object F: TTestForm\n object D: TTestData\n Lines = ('a')\n end\nend");
  // Patch the list count (the 4 bytes after the vaList tag) to a huge value.
  for (size_t i = 0; i + 5 < bytes.size(); ++i) {
    if (bytes[i] == vaList && bytes[i + 1] == 1 && bytes[i + 2] == 0) {
      bytes[i + 1] = 0xFF;
      bytes[i + 4] = 0x7F;
      break;
    }
  }
  EXPECT_EQ(ReadError(bytes), "Invalid layout: length out of range");
}

TEST_F(LayoutErrors, ContentsThatDoNotFitTheClasses) {
  EXPECT_EQ(ReadError(Compile("object F: TOtherForm end")),
            "Layout of a TOtherForm cannot be read into a TTestForm");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm object X: TNoSuchClass end end")),
            "Class TNoSuchClass not found");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Nope = 1 end")), "Property Nope does not exist");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Font.Nope = 1 end")),
            "Property Font.Nope does not exist");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Caption.X = 1 end")),
            "Property Caption.X does not exist");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Left = 'x' end")),
            "Invalid value for property Left");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Left = 4294967296 end")),
            "Invalid value for property Left");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Left = clNoSuchColour end")),
            "Invalid value for property Left");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Align = taSideways end")),
            "Invalid value for property Align");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Visible = 1 end")),
            "Invalid value for property Visible");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Font.Style = [toOmega] end")),
            "Invalid value for property Font.Style");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Font = ('x') end")),
            "Invalid value for property Font");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Font.Pitch = 'x' end")),
            "Invalid layout: integer expected");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm Font.Pitch = 2147483648 end")),
            "Pitch out of range");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm OnClick = NoSuchHandler end")),
            "Handler NoSuchHandler of property OnClick not found in TTestForm");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm OnClick = WrongShape end")),
            "Handler does not fit the event");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm OnClick = 5 end")),
            "Invalid value for property OnClick");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm object D: TTestData Blob = {0100} end end")),
            "Stream read error");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm object D: TTestData Blob = 'text' end end")),
            "Invalid layout: unexpected value type");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm object D: TTestData Link = Nobody end end")),
            "Invalid reference Nobody for property Link");
  EXPECT_EQ(ReadError(Compile("object F: TTestForm object D: TTestData Link = D end end")),
            "Invalid reference D for property Link");
  EXPECT_EQ(
      ReadError(Compile("object F: TTestForm object A: TTestData end object a: TTestData end end")),
      "A component named a already exists");
  // The compiler takes only identifiers as names; a hand-made stream can hold anything.
  TMemoryStream s;
  TWriter w(s);
  w.WriteSignature();
  w.WriteComponentHeader("TTestForm", "F");
  w.WritePropertiesEnd();
  w.WriteChildMarker();
  w.WriteComponentHeader("TTestData", "1st");
  w.WritePropertiesEnd();
  w.WriteChildrenEnd();
  w.WriteChildrenEnd();
  EXPECT_EQ(ReadError({s.Bytes().begin(), s.Bytes().end()}), "'1st' is not a valid component name");
}

TEST_F(LayoutErrors, NestingDeeperThanTheLimitIsRefused) {
  String text;
  for (int i = 0; i <= LayoutMaxDepth + 1; ++i)
    text += Format("object C%d: %s\n", i, i ? "TTestControl" : "TTestForm");
  for (int i = 0; i <= LayoutMaxDepth + 1; ++i) text += "end\n";
  // The compiler stops it first; a hand-made stream meets the reader's limit.
  EXPECT_THROW(Compile(text), ELayoutSyntaxError);
  TMemoryStream s;
  TWriter w(s);
  w.WriteSignature();
  for (int i = 0; i <= LayoutMaxDepth + 1; ++i) {
    if (i) w.WriteChildMarker();
    w.WriteComponentHeader(i ? "TTestControl" : "TTestForm", Format("C%d", i));
    w.WritePropertiesEnd();
  }
  for (int i = 0; i <= LayoutMaxDepth + 1; ++i) w.WriteChildrenEnd();
  EXPECT_EQ(ReadError({s.Bytes().begin(), s.Bytes().end()}),
            "Invalid layout: components nested too deep");
}

TEST_F(LayoutErrors, AFailedSecondReadKeepsWhatTheFirstMade) {
  TTestForm form(nullptr);
  ReadLayout(valid, &form);
  ASSERT_EQ(form.ComponentCount(), 7);
  TComponent* panel = form.FindComponent("Panel1");
  try {
    ReadLayout(valid, &form);
    FAIL() << "read twice";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message, "A component named Panel1 already exists");
  }
  EXPECT_EQ(form.ComponentCount(), 7);
  EXPECT_EQ(form.FindComponent("Panel1"), panel);
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

TEST_F(LayoutErrors, ReferenceToTheRootAndNilAreAccepted) {
  TTestForm form(nullptr);
  ReadLayout(Compile("object F: TTestForm object D: TTestData Link = nil end end"), &form);
  auto* d = dynamic_cast<TTestData*>(form.FindComponent("D"));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Link, nullptr);
}

}  // namespace
