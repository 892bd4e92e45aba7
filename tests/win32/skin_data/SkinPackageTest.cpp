// Our own skin package read through the component, checked against its
// description text.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

class OurSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto package = ReadWholeFile(TAPVANE_SKIN_PACKAGE);
    data.SkinStoreStream().WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
    ASSERT_TRUE(data.LoadSkinStore());
  }
  TSkinData data{nullptr};
  const TSkinElements& skin = data.Skin();
};

TEST_F(OurSkin, IsParsed) { EXPECT_FALSE(data.SkinPending()); }

}  // namespace
