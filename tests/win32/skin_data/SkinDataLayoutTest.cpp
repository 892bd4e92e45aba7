// The skin data component in a stored layout: every property by name, the
// skin package as the "SkinStream" binary property, parsed while the
// layout is read, and written back byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "SkinDataLayoutBytes.h"
#include "SkinTestFiles.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ClassRegistry.h"
#include "toolkit/core/Filer.h"
#include "toolkit/graphics/Bitmap.h"

// A root offering a handler that the layout binds OnSkinChanged to.
class TSkinTestRoot : public TComponent {
  TAPVANE_CLASS(TSkinTestRoot)
 public:
  using TComponent::TComponent;
  void SkinChanged(TObject* sender) {
    ++Changes;
    LastSender = sender;
  }
  int Changes = 0;
  TObject* LastSender = nullptr;
};

const TClassInfo& TSkinTestRoot::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTestRoot>("TSkinTestRoot", &TComponent::StaticClass())
          .Method("SkinChanged", &TSkinTestRoot::SkinChanged)
          .Build();
  return info;
}

namespace {

std::vector<std::uint8_t> Write(TComponent& root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&root);
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}

std::unique_ptr<TSkinTestRoot> Read(const std::vector<std::uint8_t>& layout) {
  auto root = std::make_unique<TSkinTestRoot>(nullptr);
  TMemoryStream stream;
  stream.WriteBuffer(layout.data(), static_cast<int64_t>(layout.size()));
  stream.SetPosition(0);
  TReader reader(stream);
  reader.ReadRootComponent(root.get());
  return root;
}

TSkinData* SkinDataOf(TComponent& root) {
  return dynamic_cast<TSkinData*>(root.FindComponent("SkinData1"));
}

std::vector<std::uint8_t> StoreBytes(TSkinData& data) {
  const auto bytes = data.SkinStoreStream().Bytes();
  return {bytes.begin(), bytes.end()};
}

TEST(SkinDataLayout, TheMainWindowBlockReadsWithItsParsedSkin) {
  const auto root = Read(ReadWholeFile(TAPVANE_SKIN_LAYOUT));
  TSkinData* data = SkinDataOf(*root);
  ASSERT_NE(nullptr, data);
  EXPECT_TRUE(data->Active());  // parsed before Loaded, so it stays active
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(99, data->DisableTag());
  TSkinControlTypes expected = kDefaultSkinControls;
  expected.Exclude(xcSystemMenu);
  EXPECT_EQ(expected, data->SkinControls());
  EXPECT_EQ(kDefaultSkinOptions, data->Options());
  EXPECT_EQ(118, data->Skin3rd()->Count());
  EXPECT_EQ("TCategoryButtons=scrollbar", data->Skin3rd()->Strings(0));
  EXPECT_EQ("TOVCDBNUMERICFIELD=Edit", data->Skin3rd()->Strings(117));
  EXPECT_EQ("(none)", data->SkinStore());
  EXPECT_EQ(sfMainform, data->SkinFormtype());
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(data->MenuMerge());
  EXPECT_EQ(ReadWholeFile(TAPVANE_SKIN_PACKAGE), StoreBytes(*data));
  EXPECT_FALSE(data->Skin().Top->Image->Empty());
}

TEST(SkinDataLayout, WritingBackGivesTheSameBytes) {
  const auto first = Read(ReadWholeFile(TAPVANE_SKIN_LAYOUT));
  const std::vector<std::uint8_t> written = Write(*first);
  const auto second = Read(written);
  EXPECT_EQ(StoreBytes(*SkinDataOf(*first)), StoreBytes(*SkinDataOf(*second)));
  EXPECT_EQ(written, Write(*second));
}

TEST(SkinDataLayout, EveryPropertyRoundTrips) {
  TSkinTestRoot root(nullptr);
  root.SetName("Form1");
  auto* data = new TSkinData(&root);  // owned by root
  data->SetName("SkinData1");
  const auto package = ReadWholeFile(TAPVANE_SKIN_PACKAGE);
  data->SkinStoreStream().WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
  data->SetDisableTag(7);
  data->SetSkinControls({xcButton, xcTab, xcFastReport});
  data->SetOptions({xoMenuBG, xoFormScrollbar});
  TStringList rows{"TGrid=scrollbar", "TKnob=button"};
  data->SetSkin3rd(&rows);
  data->SetSkinFormtype(sfOnlyThisForm);
  data->SetMenuUpdate(false);
  data->SetMenuMerge(true);
  data->OnSkinChanged = [&root](TObject* s) { root.SkinChanged(s); };
  data->SetBoundMethodName("OnSkinChanged", "SkinChanged");

  const auto read = Read(Write(root));
  TSkinData* copy = SkinDataOf(*read);
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(7, copy->DisableTag());
  EXPECT_EQ((TSkinControlTypes{xcButton, xcTab, xcFastReport}), copy->SkinControls());
  EXPECT_EQ((TSkinOptions{xoMenuBG, xoFormScrollbar}), copy->Options());
  ASSERT_EQ(2, copy->Skin3rd()->Count());
  EXPECT_EQ("TKnob=button", copy->Skin3rd()->Strings(1));
  EXPECT_EQ(sfOnlyThisForm, copy->SkinFormtype());
  EXPECT_FALSE(copy->MenuUpdate());
  EXPECT_TRUE(copy->MenuMerge());
  EXPECT_EQ("5.40.07.15", copy->Version());
  EXPECT_EQ(package, StoreBytes(*copy));
  EXPECT_FALSE(copy->SkinPending());
  copy->FireSkinChanged();
  EXPECT_EQ(1, read->Changes);
  EXPECT_EQ(copy, read->LastSender);
}

TEST(SkinDataLayout, AnEmptySkinStreamLeavesTheStoreEmptyAndInactive) {
  TSkinTestRoot root(nullptr);
  root.SetName("Form1");
  auto* data = new TSkinData(&root);
  data->SetName("SkinData1");
  data->SetActive(true);
  const std::vector<std::uint8_t> layout = Write(root);
  // The value is the length alone: four zero bytes.
  const std::uint8_t value[] = {8 /* binary */, 4, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_NE(layout.end(),
            std::search(layout.begin(), layout.end(), std::begin(value), std::end(value)));

  const auto read = Read(layout);
  TSkinData* copy = SkinDataOf(*read);
  EXPECT_EQ(0, copy->SkinStoreStream().Size());
  EXPECT_TRUE(copy->SkinPending());
  EXPECT_FALSE(copy->Active());  // reset by Loaded: nothing to skin with
}

TEST(SkinDataLayout, ANegativeLengthLeavesTheStoreAsItWas) {
  const auto read = Read(SkinDataLayoutBytes("TSkinTestRoot", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}));
  TSkinData* data = SkinDataOf(*read);
  EXPECT_EQ(0, data->SkinStoreStream().Size());
  EXPECT_FALSE(data->Active());
}

TEST(SkinDataLayout, ALengthBeyondTheValueIsRefused) {
  EXPECT_THROW(Read(SkinDataLayoutBytes("TSkinTestRoot", {0x00, 0x00, 0x00, 0x40, 1, 2, 3})),
               EReadError);
  EXPECT_THROW(Read(SkinDataLayoutBytes("TSkinTestRoot", {0x10, 0x00})), EReadError);
}

}  // namespace

namespace {
const bool registered = (RegisterComponentClass(TSkinTestRoot::StaticClass()), true);
}  // namespace
