#include <gtest/gtest.h>

#include "toolkit/core/SysUtils.h"

namespace {

String ConvertMessage(const String& text) {
  try {
    StrToInt(text);
  } catch (const EConvertError& e) {
    return e.Message;
  }
  return "no exception";
}

TEST(StrToInt, AcceptsSignsBlanksAndHexadecimal) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-0"), 0);
  EXPECT_EQ(StrToInt("+17"), 17);
  EXPECT_EQ(StrToInt("-17"), -17);
  EXPECT_EQ(StrToInt("  42 "), 42);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, LimitsOfThirtyTwoBits) {
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(ConvertMessage("2147483648"), "'2147483648' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("-2147483649"), "'-2147483649' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("99999999999999999999999"),
            "'99999999999999999999999' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("$100000000"), "'$100000000' is not a valid integer value");
}

TEST(StrToInt, RefusesWhatIsNoNumber) {
  for (const char* text :
       {"", " ", "+", "-", "--1", "+-1", "- 5", "12a", "1 2", "1.5", "$", "0x", "abc", "１"})
    EXPECT_EQ(ConvertMessage(text), String("'") + text + "' is not a valid integer value") << text;
}

TEST(StrToInt, DefaultAndTryForms) {
  EXPECT_EQ(StrToIntDef("x", -3), -3);
  EXPECT_EQ(StrToIntDef("12", -3), 12);
  int value = 5;
  EXPECT_FALSE(TryStrToInt("", value));
  EXPECT_EQ(value, 5);
  EXPECT_TRUE(TryStrToInt("-9", value));
  EXPECT_EQ(value, -9);
}

TEST(SysUtils, IntegerTextAndFormat) {
  EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
  EXPECT_EQ(IntToStr(1234567890123LL), "1234567890123");
  EXPECT_EQ(IntToHex(0xAB, 4), "00AB");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(Format("%s=%d", "x", 5), "x=5");
  EXPECT_EQ(Format("%s", String(300, 'a').c_str()).size(), 300u);
}

TEST(SysUtils, Utf8AndUtf16RoundTrip) {
  const String text = "Tapvane - 多功能版 \xF0\x9F\x98\x80";  // with a character outside the BMP
  const WideString wide = Utf8ToWide(text);
  EXPECT_EQ(wide, u"Tapvane - 多功能版 \U0001F600");
  EXPECT_EQ(WideToUtf8(wide), text);
  EXPECT_EQ(Utf8ToWide(""), u"");
}

TEST(SysUtils, BrokenUnicodeBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xFF"
                       "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8"), u"\uFFFD");        // cut short
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80x"), u"\uFFFDx");  // encoded surrogate
  EXPECT_EQ(WideToUtf8(WideString(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(SysUtils, AsciiCaseOnly) {
  EXPECT_EQ(UpperCase("abc-Xyz 多"), "ABC-XYZ 多");
  EXPECT_EQ(LowerCase("TButton"), "tbutton");
  EXPECT_TRUE(SameText("tEdit", "TEDIT"));
  EXPECT_FALSE(SameText("TEdit", "TEdit2"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
}

}  // namespace
