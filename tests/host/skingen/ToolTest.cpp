// The generator as the build runs it: two runs write identical files, and
// the stream form is the length followed by the bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/host/skingen/BmpInfo.h"

namespace skingen::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunSkingen(const std::string& arguments) {
  return std::system((std::string(SKINGEN_PATH) + " " + arguments).c_str());
}

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("skingen-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ToolTest, TwoRunsWriteIdenticalFiles) {
  ASSERT_EQ(RunSkingen("skin " + (dir_ / "a").string()), 0);
  ASSERT_EQ(RunSkingen("skin " + (dir_ / "b").string()), 0);
  ASSERT_EQ(RunSkingen("bitmaps " + (dir_ / "a").string()), 0);
  ASSERT_EQ(RunSkingen("bitmaps " + (dir_ / "b").string()), 0);
  size_t count = 0, bitmaps = 0;
  for (const auto& entry : fs::directory_iterator(dir_ / "a")) {
    const auto name = entry.path().filename();
    ASSERT_TRUE(fs::exists(dir_ / "b" / name)) << name;
    EXPECT_EQ(Slurp(entry.path()), Slurp(dir_ / "b" / name)) << name;
    ++count;
    if (entry.path().extension() == ".bmp") {
      EXPECT_TRUE(ReadBmp(Slurp(entry.path())).has_value()) << name;
      ++bitmaps;
    }
  }
  EXPECT_TRUE(fs::exists(dir_ / "a" / "tapvane.ini"));
  EXPECT_EQ(bitmaps + 1, count);
  EXPECT_GE(bitmaps, 40u);
}

TEST_F(ToolTest, StreamIsLengthThenBytes) {
  const std::vector<std::uint8_t> body{1, 2, 3, 0, 255};
  {
    std::ofstream out(dir_ / "in", std::ios::binary);
    out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
  }
  ASSERT_EQ(RunSkingen("stream " + (dir_ / "in").string() + " " + (dir_ / "out").string()), 0);
  const auto stream = Slurp(dir_ / "out");
  ASSERT_EQ(stream.size(), 4 + body.size());
  EXPECT_EQ(U32(stream, 0), body.size());
  EXPECT_TRUE(std::equal(body.begin(), body.end(), stream.begin() + 4));
  EXPECT_NE(RunSkingen("stream " + (dir_ / "missing").string() + " " + (dir_ / "out2").string() + " 2>/dev/null"), 0);
}

TEST_F(ToolTest, FailuresEndWithAnErrorStatus) {
  EXPECT_NE(RunSkingen("paint " + dir_.string() + " 2>/dev/null"), 0);
  EXPECT_NE(RunSkingen("2>/dev/null"), 0);
  // A folder that cannot be made is reported, not a crash.
  EXPECT_EQ(RunSkingen("skin /proc/skingen-no-folder 2>/dev/null"), 1 << 8);
}

}  // namespace
}  // namespace skingen::test
