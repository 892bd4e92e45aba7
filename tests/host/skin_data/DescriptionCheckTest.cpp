// A package whose description cannot skin anything is refused with a reason
// that names what is missing; one that can is loaded whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinDescriptionFindings.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/graphics/BmpFormat.h"
#include "tools/skinpack/SkinWrite.h"

using namespace std::string_literals;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::string kGood = "[Personality]\r\nTop=skin\\top.bmp\r\nLeft=left.bmp\r\n[Colours]\r\n";
std::vector<uint8_t> BmpOf(int width, int height) {
  TBmpImage image;
  image.Width = width;
  image.Height = height;
  image.BitsPerPixel = 24;
  image.Bits.assign(static_cast<size_t>(image.Stride()) * height, 0x80);
  return WriteBmpFile(image);
}

// A run-length encoded 8-bit file of width x height that ends at once: a few
// bytes that still claim every pixel.
std::vector<uint8_t> EmptyRleOf(int width, int height) {
  std::vector<uint8_t> b{'B', 'M'};
  const auto put32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  const auto put16 = [&b](uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
  };
  put32(14 + 40 + 8 + 2);
  put32(0);
  put32(14 + 40 + 8);
  put32(40);
  put32(static_cast<uint32_t>(width));
  put32(static_cast<uint32_t>(height));
  put16(1);
  put16(8);
  put32(1);
  put32(2);
  put32(0);
  put32(0);
  put32(2);
  put32(0);
  put32(0);
  put32(0x00FFFFFF);
  b.push_back(0);
  b.push_back(1);
  return b;
}

const std::vector<uint8_t> kTopImage = BmpOf(4, 2);

struct TResult {
  std::string reason;
  TQuickIni ini;
  std::vector<TSkinFinding> findings;  // what a skin author is shown
};

TResult Check(const std::vector<TSkinFile>& files) {
  TSkinReader reader;
  EXPECT_TRUE(reader.Load(PackSkin(files)));
  TResult result;
  result.ini.LoadFromText("[Stale]\nk=v\n");
  result.reason = CheckSkinDescription(reader, result.ini);
  result.findings = FindSkinPackageFaults(reader);
  return result;
}

// A refused package gives its author the refusal, and nothing more.
void ExpectRefusalFinding(const TResult& result) {
  ASSERT_EQ(1u, result.findings.size()) << result.reason;
  EXPECT_EQ(TSkinSeverity::Error, result.findings[0].Severity);
  EXPECT_EQ(result.reason, result.findings[0].Message);
}

TResult CheckText(const std::string& text) {
  return Check({{"skin.ini", Bytes(text)}, {"top.bmp", kTopImage}});
}

TEST(DescriptionCheck, ADescriptionThatCanSkinIsLoaded) {
  for (const std::string& text : {kGood, "\xEF\xBB\xBF"s + kGood, kGood + "\0\0\0"s}) {
    const TResult result = CheckText(text);
    EXPECT_EQ("", result.reason);
    EXPECT_EQ("skin\\top.bmp", result.ini.ReadString("personality", "top", ""));
    EXPECT_EQ("left.bmp", result.ini.ReadString("Personality", "Left", ""));
  }
}

// Each reason names what is missing; nothing of a refused text is kept.
TEST(DescriptionCheck, EachShortfallIsRefusedWithItsReason) {
  const std::string utf16 = "\xFF\xFE[\0P\0e\0]\0"s;
  const std::string bareUtf16 = "[\0P\0e\0]\0"s;
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {"", "皮肤描述 skin.ini 是空的"},
      {" \r\n; only a comment\r\n\t\r\n", "皮肤描述 skin.ini 是空的"},
      {"\xEF\xBB\xBF", "皮肤描述 skin.ini 是空的"},
      {utf16, "皮肤描述 skin.ini 是 UTF-16 文本, 只能读取 UTF-8 或 ANSI 文本"},
      {bareUtf16, "皮肤描述 skin.ini 是 UTF-16 文本, 只能读取 UTF-8 或 ANSI 文本"},
      {"[Personality]\r\n\0Top=top.bmp\r\n"s,
       "皮肤描述 skin.ini 的第 16 个字节是 NUL, 其后的内容无法读取"},
      {"\xEF\xBB\xBF[A]\0\0x"s, "皮肤描述 skin.ini 的第 7 个字节是 NUL, 其后的内容无法读取"},
      {"[Colours]\r\nTop=top.bmp\r\n", "皮肤描述 skin.ini 缺少 [Personality] 段"},
      {"Top=top.bmp\r\n[ Personality ]\r\nTop=top.bmp\r\n",
       "皮肤描述 skin.ini 缺少 [Personality] 段"},
      {"[Personality]\r\nLeft=left.bmp\r\n[Other]\r\nTop=top.bmp\r\n",
       "皮肤描述 skin.ini 的 [Personality] 段没有给出标题栏图像 (Top)"},
      {"[Personality]\r\nTop=\r\nTop=top.bmp\r\n",
       "皮肤描述 skin.ini 的 [Personality] 段没有给出标题栏图像 (Top)"},
      {"[Personality]\r\nTop=top.BMP\r\n", "标题栏图像 top.BMP 不是 .bmp 文件"},
      {"[Personality]\r\nTop=caption.bmp\r\n", "皮肤包中没有标题栏图像 caption.bmp"},
  };
  for (const auto& c : cases) {
    const TResult result = CheckText(c.text);
    EXPECT_EQ(c.reason, result.reason) << c.text;
    EXPECT_EQ(-1, result.ini.SectionIndex("Stale")) << c.text;
    ExpectRefusalFinding(result);
  }
}

TEST(DescriptionCheck, APackageWithoutDescriptionOrCaptionImageIsRefused) {
  const TResult bare = Check({{"top.bmp", kTopImage}, {"skin.txt", Bytes(kGood)}});
  EXPECT_EQ("皮肤包中没有皮肤描述 (.ini 文件)", bare.reason);
  ExpectRefusalFinding(bare);
  EXPECT_EQ("皮肤包中没有标题栏图像 top.bmp",
            Check({{"skin.ini", Bytes(kGood)}, {"top.bmp", {}}}).reason);
  // A caption image must read, within the pixel budget of the whole package.
  const std::string unreadable = "标题栏图像 top.bmp 无法读取, 或大于皮肤图像的像素上限";
  for (const std::vector<uint8_t>& top :
       {std::vector<uint8_t>{'B', 'M', 1, 2, 3}, EmptyRleOf(4096, 4096)}) {
    const TResult result = Check({{"skin.ini", Bytes(kGood)}, {"top.bmp", top}});
    EXPECT_EQ(unreadable, result.reason);
    ExpectRefusalFinding(result);
  }
  EXPECT_EQ("", Check({{"skin.ini", Bytes(kGood)}, {"top.bmp", EmptyRleOf(1024, 1024)}}).reason);
  // Image names match the package's without regard to case.
  EXPECT_EQ("", Check({{"Skin.INI", Bytes(kGood)}, {"TOP.bmp", kTopImage}}).reason);
}

}  // namespace
