// A package whose description cannot skin anything is refused with a reason
// that names what is missing; one that can is loaded whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "tools/skinpack/SkinWrite.h"

using namespace std::string_literals;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::string kGood = "[Personality]\r\nTop=skin\\top.bmp\r\nLeft=left.bmp\r\n[Colours]\r\n";
const std::vector<uint8_t> kTopImage = {'B', 'M', 1, 2, 3};

struct TResult {
  std::string reason;
  TQuickIni ini;
};

TResult Check(const std::vector<TSkinFile>& files) {
  TSkinReader reader;
  EXPECT_TRUE(reader.Load(PackSkin(files)));
  TResult result;
  result.ini.LoadFromText("[Stale]\nk=v\n");
  result.reason = CheckSkinDescription(reader, result.ini);
  return result;
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
  }
}

TEST(DescriptionCheck, APackageWithoutDescriptionOrCaptionImageIsRefused) {
  EXPECT_EQ("皮肤包中没有皮肤描述 (.ini 文件)",
            Check({{"top.bmp", kTopImage}, {"skin.txt", Bytes(kGood)}}).reason);
  EXPECT_EQ("皮肤包中没有标题栏图像 top.bmp",
            Check({{"skin.ini", Bytes(kGood)}, {"top.bmp", {}}}).reason);
  // Image names match the package's without regard to case.
  EXPECT_EQ("", Check({{"Skin.INI", Bytes(kGood)}, {"TOP.bmp", kTopImage}}).reason);
}

}  // namespace
