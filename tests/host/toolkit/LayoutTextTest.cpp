#include <gtest/gtest.h>

#include "tests/host/toolkit/LayoutSupport.h"
#include "tools/layoutc/LayoutText.h"

namespace {

String SyntaxError(const String& text, const TLayoutTextOptions& options = {}) {
  try {
    CompileLayoutText(text, options);
  } catch (const ELayoutSyntaxError& e) {
    return e.Message;
  }
  return "no error";
}

TEST(LayoutText, StringsJoinQuotesCodePointsAndPlus) {
  RegisterTestComponents();
  TTestForm form(nullptr);
  ReadLayout(CompileLayoutText("object F: TTestForm\n"
                               "  Caption = 'a''b'#13#10'c' + #$4E2D\n"
                               "    + ''\n"
                               "end\n",
                               {}),
             &form);
  EXPECT_EQ(form.Caption, "a'b\r\nc中");
}

TEST(LayoutText, NumbersInEveryForm) {
  RegisterTestComponents();
  TTestForm form(nullptr);
  ReadLayout(
      CompileLayoutText(
          "object F: TTestForm Left = -2147483648 Top = $7FFFFFFF Color = $FFFFFFFF end", {}),
      &form);
  EXPECT_EQ(form.Left, INT32_MIN);
  EXPECT_EQ(form.Top, INT32_MAX);
  EXPECT_EQ(form.Color, -1);
}

TEST(LayoutText, ErrorsNameTheLine) {
  EXPECT_EQ(SyntaxError("object F: TTestForm\n  Left = =\nend"), "<layout>:2: value expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm\n  Left =\nend"), "<layout>:3: value expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm\n  Caption = 'open\nend"),
            "<layout>:2: unterminated string");
  EXPECT_EQ(SyntaxError("object F TTestForm end"), "<layout>:1: ':' expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm\n  Left = 1"), "<layout>:2: 'end' expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm end end"), "<layout>:1: text after the last 'end'");
  EXPECT_EQ(SyntaxError("object F: TTestForm B = {ABC} end"),
            "<layout>:1: odd number of hexadecimal digits");
  EXPECT_EQ(SyntaxError("object F: TTestForm B = {AZ} end"),
            "<layout>:1: hexadecimal digit expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm L = 99999999999999999999 end"),
            "<layout>:1: number out of range");
  EXPECT_EQ(SyntaxError("object F: TTestForm S = [a b] end"), "<layout>:1: ',' expected");
  EXPECT_EQ(SyntaxError("object F: TTestForm L = (1) end"), "<layout>:1: string expected in list");
  EXPECT_EQ(SyntaxError("object F: TTestForm C = #1114112 end"),
            "<layout>:1: code point out of range");
  EXPECT_EQ(SyntaxError("object F: TTestForm\n object A: T end\n X = 1 end"),
            "<layout>:3: properties come before nested objects");
  EXPECT_EQ(SyntaxError("object F: TTestForm ; end"), "<layout>:1: unexpected character ';'");
  EXPECT_EQ(SyntaxError("// only a comment\n"), "<layout>:2: 'object' expected");
}

TEST(LayoutText, FilesNextToTheLayoutThenInIncludeFolders) {
  TLayoutTextOptions options;
  options.SourceName = "x.layout";
  options.BaseFolder = TAPVANE_TEST_DATA;
  EXPECT_EQ(SyntaxError("object F: TTestForm B = @file 'extra.bin' end", options),
            "x.layout:1: cannot find file 'extra.bin'");
  options.IncludeFolders.push_back(String(TAPVANE_TEST_DATA) + "/inc");
  const std::vector<uint8_t> bytes =
      CompileLayoutText("object F: TTestForm B = @file 'extra.bin' end", options);
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
  TReader reader(s);
  reader.ReadSignature();
  EXPECT_EQ(reader.ReadStr(), "TTestForm");
  EXPECT_EQ(reader.ReadStr(), "F");
  EXPECT_EQ(reader.ReadStr(), "B");
  EXPECT_EQ(reader.ReadBinary(), (std::vector<uint8_t>{2, 0, 0, 0, 0xAB, 0xCD}));
  EXPECT_EQ(SyntaxError("object F: TTestForm B = @url 'x' end", options),
            "x.layout:1: '@file' or '@sizedfile' expected");
}

TEST(LayoutText, SizedFileCarriesItsLength) {
  TLayoutTextOptions options;
  options.BaseFolder = TAPVANE_TEST_DATA;
  const std::vector<uint8_t> bytes =
      CompileLayoutText("object F: T B = @sizedfile 'inc/extra.bin' end", options);
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(4 + 4 + 1 + 4 + 1 + 4 + 1);
  TReader reader(s);
  EXPECT_EQ(reader.ReadBinary(), (std::vector<uint8_t>{6, 0, 0, 0, 2, 0, 0, 0, 0xAB, 0xCD}));
}

}  // namespace
