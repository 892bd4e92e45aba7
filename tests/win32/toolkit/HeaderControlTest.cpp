// Header controls: sections shown by the native header after they are set,
// one resize event per width the window gives a section, none for our own
// changes, and the sections with their widths kept by a layout.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

struct ShownSection {
  std::wstring text;
  int width = 0;
  int format = 0;
};

ShownSection Shown(HWND header, int index) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = 64;
  EXPECT_TRUE(SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item)));
  return {text, item.cxy, item.fmt};
}

THeaderControl* MakeHeader(TForm& form) {
  auto* header = new THeaderControl(&form);
  header->SetName("Columns");
  header->SetParent(&form);
  header->Sections()->Add("名称");
  header->Sections()->Add("Size");
  header->Sections()->Items(0)->SetWidth(120);
  header->Sections()->Items(1)->SetWidth(70);
  return header;
}

TEST(HeaderControl, SectionsSetByNameShowInTheWindow) {
  EnsureToolkit();
  TForm form(nullptr);
  THeaderControl* header = MakeHeader(form);
  THeaderSection* size = header->Sections()->Items(1);
  ASSERT_TRUE(SetEnumProp(size, "Alignment", "taRightJustify"));
  ASSERT_TRUE(SetStrProp(size, "Text", "Bytes"));
  header->Sections()->Insert(0, "#");

  ASSERT_EQ(3, SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"名称", Shown(header->Handle(), 1).text);
  EXPECT_EQ(120, Shown(header->Handle(), 1).width);
  const ShownSection bytes = Shown(header->Handle(), 2);
  EXPECT_EQ(L"Bytes", bytes.text);
  EXPECT_EQ(70, bytes.width);
  EXPECT_EQ(HDF_RIGHT, bytes.format & HDF_JUSTIFYMASK);

  header->Sections()->Delete(0);
  EXPECT_EQ(2, SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"名称", Shown(header->Handle(), 0).text);
}

TEST(HeaderControl, ResizeFiresOnceForAWidthTheWindowGets) {
  EnsureToolkit();
  TForm form(nullptr);
  THeaderControl* header = MakeHeader(form);
  std::vector<THeaderSection*> resized;
  header->OnSectionResize = [&resized](THeaderControl*, THeaderSection* s) {
    resized.push_back(s);
  };
  header->Sections()->Items(0)->SetWidth(90);  // ours: no event
  EXPECT_TRUE(resized.empty());

  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = 150;
  SendMessageW(header->Handle(), HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  ASSERT_EQ(1u, resized.size());
  EXPECT_EQ(header->Sections()->Items(1), resized[0]);
  EXPECT_EQ(150, resized[0]->Width());
  EXPECT_EQ("90,150", GetStrProp(header, "SectionWidths"));
}

TEST(HeaderControl, SectionsAndWidthsReadBackFromAWrittenLayout) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  MakeHeader(source);
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);

  auto* header = dynamic_cast<THeaderControl*>(target.FindComponent("Columns"));
  ASSERT_NE(nullptr, header);
  ASSERT_EQ(2, SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"Size", Shown(header->Handle(), 1).text);
  EXPECT_EQ(120, Shown(header->Handle(), 0).width);
  EXPECT_EQ(70, Shown(header->Handle(), 1).width);
}

TEST(HeaderControl, HandWrittenWidthsOutOfShapeAreSkipped) {
  EnsureToolkit();
  TForm form(nullptr);
  THeaderControl* header = MakeHeader(form);
  ASSERT_TRUE(SetStrProp(header, "SectionWidths", "x,-5,300,400"));
  EXPECT_EQ(120, Shown(header->Handle(), 0).width);
  EXPECT_EQ(0, Shown(header->Handle(), 1).width);
}

}  // namespace
