#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/toolkit/LayoutSupport.h"
#include "toolkit/core/TypInfo.h"
#include "tools/layoutc/LayoutText.h"

namespace {

template <typename T>
T* Find(TComponent& root, const char* name) {
  auto* c = dynamic_cast<T*>(root.FindComponent(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

String BlobText(const TTestData& d) {
  return String(static_cast<const char*>(d.Blob.Memory()), d.Blob.Bytes().size());
}

// Everything the test layout says, checked on live components.
void ExpectTestLayout(TTestForm& form) {
  EXPECT_EQ(form.Name(), "MainForm");
  EXPECT_EQ(form.Left, 10);
  EXPECT_EQ(form.Top, 20);
  EXPECT_EQ(form.Caption, "Tapvane - 多功能版");
  EXPECT_EQ(form.Color, static_cast<int>(0xFF00000F));
  EXPECT_EQ(form.Font.Name, "宋体");
  EXPECT_EQ(form.Font.Height, -12);
  EXPECT_EQ(form.Font.Style, (TTestOptions{toAlpha, toDelta}));
  ASSERT_EQ(form.ComponentCount(), 7);

  auto* panel = Find<TTestControl>(form, "Panel1");
  auto* inner = Find<TTestControl>(form, "Inner");
  auto* button1 = Find<TTestControl>(form, "Button1");
  auto* button2 = Find<TTestControl>(form, "Button2");
  auto* data1 = Find<TTestData>(form, "Data1");
  auto* data2 = Find<TTestData>(form, "Data2");
  auto* data3 = Find<TTestData>(form, "Data3");
  ASSERT_TRUE(panel && inner && button1 && button2 && data1 && data2 && data3);

  // Owned by the form, parented by the enclosing block.
  EXPECT_EQ(button1->Owner(), &form);
  EXPECT_EQ(button1->Parent(), inner);
  EXPECT_EQ(inner->Parent(), panel);
  EXPECT_EQ(panel->Parent(), &form);
  EXPECT_EQ(button2->Parent(), &form);
  EXPECT_EQ(form.Controls(), (std::vector<TTestControl*>{panel, button2}));

  EXPECT_EQ(panel->Font.Pitch, 7);  // a property the sub-object defines itself
  EXPECT_EQ(form.Font.Pitch, 0);
  EXPECT_EQ(panel->Top, 81);
  EXPECT_EQ(panel->Align, taTop);
  EXPECT_EQ(panel->Color, 0x00FF8000);
  EXPECT_EQ(panel->Caption, "It's a panel");
  EXPECT_EQ(inner->Caption, "软件设置");
  EXPECT_EQ(inner->WideCaption, u"宽 \U0001F600 wide");
  EXPECT_FALSE(inner->Visible);
  EXPECT_TRUE(panel->Visible);
  EXPECT_EQ(button1->Left, 176);
  EXPECT_EQ(button1->Caption, "添加");
  EXPECT_EQ(button2->Left, -5);
  EXPECT_EQ(button2->Color, 0xFF);

  // Handlers bound to the root's methods.
  ASSERT_TRUE(button1->OnClick && button2->OnClick && panel->OnMouseMove);
  EXPECT_FALSE(inner->OnClick);
  button1->OnClick(button1);
  panel->OnMouseMove(panel, TShiftState{ssShift}, 3, 4);
  EXPECT_EQ(form.Log, (std::vector<String>{"click Button1", "move Panel1 3,4 shift=1"}));
  form.Log.clear();

  EXPECT_TRUE(data1->Active);
  EXPECT_EQ(data1->DisableTag, 99);
  EXPECT_EQ(data1->Options, (TTestOptions{toBeta, toDelta}));
  EXPECT_EQ(data1->Kind, taClient);
  EXPECT_EQ(data1->Lines.CommaText(),
            "TCategoryButtons=scrollbar,TPngSpeedbutton=pngspeedbutton,\"\",quote's=x");
  EXPECT_EQ(data1->Version, "1.0");  // writes ignored
  EXPECT_EQ(data1->Link, button1);
  EXPECT_EQ(BlobText(*data1), String("Tapvane\0\1\2\xff\xfe payload\n", 21));
  EXPECT_TRUE(data2->Options.Empty());
  EXPECT_EQ(data2->Lines.Count(), 0);
  EXPECT_EQ(BlobText(*data2), "\xDE\xAD\xBE\xEF");
  EXPECT_EQ(BlobText(*data3), "\xAB\xCD");
}

class LayoutRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestComponents(); }
  const std::vector<uint8_t> compiled = LoadBytes(TAPVANE_TEST_LAYOUT);
};

TEST_F(LayoutRoundTrip, CompiledLayoutReadsIntoLiveComponents) {
  TTestForm form(nullptr);
  ReadLayout(compiled, &form);
  ExpectTestLayout(form);
}

TEST_F(LayoutRoundTrip, WrittenBackAndReadAgainGivesTheSameComponents) {
  TTestForm first(nullptr);
  ReadLayout(compiled, &first);
  const std::vector<uint8_t> written = WriteLayout(&first);
  TTestForm second(nullptr);
  ReadLayout(written, &second);
  ExpectTestLayout(second);
  // The writer is stable: the second generation writes the same bytes.
  EXPECT_EQ(WriteLayout(&second), written);
}

TEST_F(LayoutRoundTrip, LoadedRunsOnceOnEveryComponentAfterReading) {
  TTestForm form(nullptr);
  ReadLayout(compiled, &form);
  EXPECT_EQ(form.Loads, (std::vector<String>{"MainForm", "Panel1", "Inner", "Button1", "Button2",
                                             "Data1", "Data2", "Data3"}));
  auto* data1 = Find<TTestData>(form, "Data1");
  ASSERT_NE(data1, nullptr);
  // The binary property was read while reading, before Loaded.
  EXPECT_TRUE(data1->BlobRead);
  EXPECT_TRUE(data1->StateAtBlobRead.Contains(csReading));
  EXPECT_TRUE(data1->StateAtBlobRead.Contains(csLoading));
  EXPECT_FALSE(data1->StateAtBlobRead.Contains(csDesigning));
  EXPECT_TRUE(data1->StateAtLoaded.Contains(csLoading));
  EXPECT_FALSE(data1->StateAtLoaded.Contains(csReading));
  EXPECT_FALSE(data1->ComponentState().Contains(csLoading));
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
  EXPECT_TRUE(form.StateAtLoaded.Contains(csLoading));
}

TEST_F(LayoutRoundTrip, DesigningRootPassesItsStateToReadComponents) {
  TTestForm form(nullptr);
  form.SetDesigning(true);
  ReadLayout(compiled, &form);
  auto* data1 = Find<TTestData>(form, "Data1");
  ASSERT_NE(data1, nullptr);
  EXPECT_TRUE(data1->StateAtBlobRead.Contains(csDesigning));
}

TEST_F(LayoutRoundTrip, DefaultValuesAreLeftOut) {
  TTestForm form(nullptr);
  form.SetName("F");
  auto* c = new TTestControl(&form);
  c->SetName("C");
  c->SetParent(&form);
  const String text = DecompileLayout(WriteLayout(&form));
  EXPECT_EQ(text.find("Top ="), String::npos);  // Top declares 0 as its default
  EXPECT_NE(text.find("Left = 0"), String::npos);
  c->Top = 5;
  EXPECT_NE(DecompileLayout(WriteLayout(&form)).find("    Top = 5"), String::npos);
}

TEST_F(LayoutRoundTrip, LargeBinaryAndManyLines) {
  TTestForm form(nullptr);
  form.SetName("Big");
  auto* data = new TTestData(&form);
  data->SetName("Skin");
  std::vector<uint8_t> package(37416);
  for (size_t i = 0; i < package.size(); ++i) package[i] = static_cast<uint8_t>(i * 7 + 3);
  data->Blob.WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
  for (int i = 0; i < 118; ++i) data->Lines.Add(Format("TClass%d=kind", i));
  const std::vector<uint8_t> written = WriteLayout(&form);
  TTestForm back(nullptr);
  ReadLayout(written, &back);
  auto* copy = Find<TTestData>(back, "Skin");
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->Blob.Size(), 37416);
  EXPECT_EQ(std::memcmp(copy->Blob.Memory(), package.data(), package.size()), 0);
  EXPECT_TRUE(copy->Lines.Equals(data->Lines));
}

TEST_F(LayoutRoundTrip, DecompiledTextCompilesToTheSameBytes) {
  const String text = DecompileLayout(compiled);
  EXPECT_NE(text.find("object Button1: TTestControl"), String::npos);
  EXPECT_NE(text.find("OnClick = ButtonClick"), String::npos);
  EXPECT_EQ(CompileLayoutText(text, {}), compiled);
}

}  // namespace
