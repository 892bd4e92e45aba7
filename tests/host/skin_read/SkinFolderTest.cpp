// An unpacked skin folder packed in memory: what the package holds, in
// which order, what is left out, and each folder that cannot make one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "TestBytes.h"
#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/SkinFolderFiles.h"

namespace fs = std::filesystem;

namespace {

class SkinFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tapvane_skin_folder_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  fs::path folder_;
};

TEST_F(SkinFolderTest, HoldsTheDescriptionFirstThenTheBitmapsByNameAndNothingElse) {
  const std::vector<uint8_t> description = Bytes("[Personality]\r\nTop=top.bmp\r\n");
  const std::vector<uint8_t> top = RandomBytes(5000, 1), left = RandomBytes(300, 2);
  Write("top.bmp", top);
  Write("Left.BMP", left);
  Write("skin.ini", description);
  Write("skin.ini~", Bytes("an editor's backup"));
  Write("notes.txt", Bytes("not part of the skin"));
  fs::create_directory(folder_ / "old.bmp");

  const TSkinFolderPackage packed = PackSkinFolder(TSkinFolderFiles(folder_));
  ASSERT_EQ("", packed.refusal);
  EXPECT_FALSE(packed.readFailed);
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(packed.package));
  EXPECT_EQ((std::vector<std::string>{"skin.ini", "left.bmp", "top.bmp"}), reader.Names());
  std::vector<uint8_t> entry;
  reader.GetEntry("skin.ini", entry);
  EXPECT_EQ(description, entry);
  reader.GetEntry("top.bmp", entry);
  EXPECT_EQ(top, entry);
  reader.GetEntry("left.bmp", entry);
  EXPECT_EQ(left, entry);
}

// Each folder a package cannot be made of, refused with a reason naming
// what is wrong before anything past the listing is read.
TEST_F(SkinFolderTest, FoldersThatMakeNoPackageAreRefusedWithTheirReason) {
  struct TCase {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* reason;
  } cases[] = {
      {"no description", [](const fs::path&) {}, "没有皮肤描述"},
      {"two descriptions",
       [](const fs::path& f) {
         std::ofstream(f / "a.ini") << "[Personality]";
         std::ofstream(f / "b.ini") << "[Personality]";
       },
       "2 个 .ini"},
      {"more files than a package holds",
       [](const fs::path& f) {
         std::ofstream(f / "skin.ini") << "[Personality]";
         for (int i = 0; i < TSkinReader::kMaxEntries; ++i)
           std::ofstream(f / ("i" + std::to_string(i) + ".bmp")) << "BM";
       },
       "1001"},
      {"more bytes than a package holds",
       [](const fs::path& f) {
         std::ofstream(f / "skin.ini") << "[Personality]";
         std::ofstream(f / "huge.bmp") << "BM";
         fs::resize_file(f / "huge.bmp", static_cast<uintmax_t>(kLzhMaxExpandedSize) + 1);
       },
       "超过皮肤包的上限"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    c.make(folder_);
    const TSkinFolderPackage packed = PackSkinFolder(TSkinFolderFiles(folder_));
    EXPECT_TRUE(packed.package.empty());
    EXPECT_NE(std::string::npos, packed.refusal.find(c.reason)) << packed.refusal;
    EXPECT_FALSE(packed.readFailed);
  }
  const TSkinFolderPackage missing = PackSkinFolder(TSkinFolderFiles(folder_ / "not_there"));
  EXPECT_TRUE(missing.package.empty());
  EXPECT_NE(std::string::npos, missing.refusal.find("not_there")) << missing.refusal;
}

}  // namespace
