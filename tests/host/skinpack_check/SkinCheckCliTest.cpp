// skinpack check on one small skin folder per kind of fault: the line it
// names, whether it is an error, and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "toolkit/graphics/BmpFormat.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
  int Status = -1;
  std::string Output;
};

TRun RunCheck(const std::string& input) {
  const std::string command = std::string(SKINPACK_PATH) + " check '" + input + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  TRun run;
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (const size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
    run.Output.append(buffer.data(), got);
  const int status = pclose(pipe);
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<std::uint8_t> Bmp(int width, int height) {
  TBmpImage image;
  image.Width = width;
  image.Height = height;
  image.BitsPerPixel = 24;
  image.Bits.assign(static_cast<size_t>(image.Stride()) * height, 0x40);
  return WriteBmpFile(image);
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

struct TFaultCase {
  const char* Kind;
  std::string Description;  // after "[Personality]\nTop=top.bmp\n" (lines 1 and 2)
  std::string Expected;     // the start of the line it must print
  int Status;
};

const std::string kHead = "[Personality]\r\nTop=top.bmp\r\n";

const TFaultCase kCases[] = {
    {"UnknownSection", "[Nonsense]\r\nA=1\r\n", "skin.ini:3: warning: unknown section [Nonsense]",
     0},
    {"UnknownKey", "TopStrech=1\r\n", "skin.ini:3: warning: unknown key TopStrech in [Personality]",
     0},
    {"MissingImage", "[SunkEdge]\r\nImage=gone.bmp\r\n",
     "skin.ini:4: error: image gone.bmp is not in the skin", 1},
    {"UndecodableImage", "[SunkEdge]\r\nImage=bad.bmp\r\n",
     "bad.bmp: error: not a bitmap the engine reads", 1},
    {"FramesDoNotDivide", "[Progress.Chunk]\r\n\r\nImage=strip.bmp\r\nFrame=3\r\n",
     "skin.ini:5: error: strip.bmp: 3 frames do not divide its width 40", 1},
    {"MarginsWiderThanAFrame", "[SunkEdge]\r\nImage=strip.bmp\r\nLeftWidth=5\r\nRightWidth=6\r\n",
     "skin.ini:4: error: strip.bmp: left and right margins 5+6 are more than a frame's 10 pixels",
     1},
    {"ClampedValue", "TopStretch=2\r\n", "skin.ini:3: warning: TopStretch=2 is above 1", 0},
    {"ClampedMargin", "[Tab.Pane]\r\nImage=strip.bmp\r\n; four at most\r\nLeftWidth=9\r\n",
     "skin.ini:6: warning: LeftWidth=9 is above 4", 0},
    {"IgnoredFrameCount", "[Tabs]\r\nImage=strip.bmp\r\nFrame=4\r\n",
     "skin.ini:5: warning: Frame=4 is not used: the engine draws [Tabs] with 5 frames", 0},
    {"NotANumber", "[Fonts]\r\nFontHeight=twelve\r\n",
     "skin.ini:4: warning: FontHeight=twelve is not a whole number; the engine uses 14", 0},
    {"ColourChannel", "[Colours]\r\nMenu=300 0 0\r\n",
     "skin.ini:4: warning: Menu=300 0 0 has a channel above 255", 0},
    {"DuplicateSection", "[Fonts]\r\n[fonts]\r\n",
     "skin.ini:4: error: section [fonts] repeats the one at line 3", 1},
    {"DuplicateKey", "Top=other.bmp\r\n", "skin.ini:3: warning: Top repeats line 2", 0},
    {"NotUtf8", "; caf\xE9 au lait\r\n", "skin.ini:3: warning: text is not valid UTF-8", 0},
    {"UnusedImage", "", "spare.bmp: warning: no key names this file", 0},
};

void PrintTo(const TFaultCase& fault, std::ostream* out) { *out << fault.Kind; }

class SkinCheckCli : public ::testing::TestWithParam<TFaultCase> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("skinpack-check-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + GetParam().Kind);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_P(SkinCheckCli, NamesTheLineAndSetsTheStatus) {
  const TFaultCase& fault = GetParam();
  const std::string text = kHead + fault.Description;
  Write(dir_ / "skin.ini", {text.begin(), text.end()});
  Write(dir_ / "top.bmp", Bmp(4, 2));
  Write(dir_ / "strip.bmp", Bmp(40, 2));
  Write(dir_ / "bad.bmp", {'B', 'M', 1, 2, 3});
  if (fault.Kind == std::string("UnusedImage")) Write(dir_ / "spare.bmp", Bmp(2, 2));
  // Images the fault does not name would be reported unused: keep only those named.
  for (const char* image : {"strip.bmp", "bad.bmp"})
    if (text.find(image) == std::string::npos) fs::remove(dir_ / image);

  const TRun run = RunCheck(dir_.string());
  const std::string expected = (dir_ / fault.Expected).string();
  EXPECT_EQ(run.Output.rfind(expected, 0), 0u) << run.Output;
  EXPECT_EQ(std::count(run.Output.begin(), run.Output.end(), '\n'), 1) << run.Output;
  EXPECT_EQ(run.Status, fault.Status) << run.Output;
}

INSTANTIATE_TEST_SUITE_P(Faults, SkinCheckCli, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Kind); });

TEST(SkinCheck, OurSkinIsCleanAsAFolderAndAsAPackage) {
  for (const char* input : {OUR_SKIN_DIR, OUR_SKIN_PACKAGE}) {
    const TRun run = RunCheck(input);
    EXPECT_EQ(run.Status, 0) << input << "\n" << run.Output;
    EXPECT_EQ(run.Output, "") << input;
  }
}

TEST(SkinCheck, ARefusedDescriptionIsOneErrorWithTheRefusalReason) {
  const fs::path dir = fs::temp_directory_path() / "skinpack-check-refused";
  fs::remove_all(dir);
  fs::create_directories(dir);
  Write(dir / "skin.ini", {'[', 'F', 'o', 'n', 't', 's', ']', '\n'});
  const TRun run = RunCheck(dir.string());
  fs::remove_all(dir);
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Output,
            (dir / "skin.ini").string() + ": error: 皮肤描述 skin.ini 缺少 [Personality] 段\n");
}

TEST(SkinCheck, InputThatCannotBeReadExitsWithTwo) {
  const fs::path dir = fs::temp_directory_path() / "skinpack-check-unreadable";
  fs::remove_all(dir);
  fs::create_directories(dir / "empty");
  Write(dir / "junk.skin", {1, 2, 3, 4, 5});
  for (const fs::path& input : {dir / "absent", dir / "empty", dir / "junk.skin"})
    EXPECT_EQ(RunCheck(input.string()).Status, 2) << input;
  fs::remove_all(dir);
}

}  // namespace
