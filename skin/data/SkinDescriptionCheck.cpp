#include "skin/data/SkinDescriptionCheck.h"

#include <algorithm>
#include <vector>

#include "skin/data/SkinImageName.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::span<const uint8_t> text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

// With or without its mark: ASCII text in UTF-16 has a zero in every pair.
bool LooksLikeUtf16(std::span<const uint8_t> text) {
  if (StartsWith(text, "\xFF\xFE") || StartsWith(text, "\xFE\xFF")) return true;
  return text.size() >= 4 && ((text[1] == 0 && text[3] == 0) || (text[0] == 0 && text[2] == 0));
}

// Offset of a NUL byte that something other than NULs follows, or npos:
// the parser stops at the first NUL, which would drop the rest unseen.
size_t NulPartWay(std::span<const uint8_t> text) {
  const auto nul = std::find(text.begin(), text.end(), uint8_t{0});
  if (std::all_of(nul, text.end(), [](uint8_t byte) { return byte == 0; }))
    return std::string_view::npos;
  return static_cast<size_t>(nul - text.begin());
}

// The caption image is what every skinned window's frame is made of.
std::string CheckCaptionImage(const std::string& described, const TQuickIni& ini,
                              const TSkinEntryCheck& holds) {
  if (ini.SectionIndex("Personality") < 0) return described + "缺少 [Personality] 段";
  const std::string top = ini.ReadString("Personality", "Top", "");
  if (top.empty()) return described + "的 [Personality] 段没有给出标题栏图像 (Top)";
  const std::string entry = SkinImageEntryName(top);
  if (entry.empty()) return "标题栏图像 " + top + " 不是 .bmp 文件";
  if (!holds(entry)) return "皮肤包中没有标题栏图像 " + entry;
  return {};
}

}  // namespace

std::string CheckSkinDescription(std::string_view name, std::span<const uint8_t> text,
                                 const TSkinEntryCheck& holds, TQuickIni& ini) {
  ini.LoadFromText({});
  const std::string described = "皮肤描述 " + std::string(name) + " ";
  if (LooksLikeUtf16(text)) return described + "是 UTF-16 文本, 只能读取 UTF-8 或 ANSI 文本";
  const size_t mark = StartsWith(text, kUtf8Mark) ? kUtf8Mark.size() : 0;
  text = text.subspan(mark);
  if (const size_t nul = NulPartWay(text); nul != std::string_view::npos)
    return described + "的第 " + std::to_string(mark + nul + 1) +
           " 个字节是 NUL, 其后的内容无法读取";
  ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  if (ini.LineCount() == 0) return described + "是空的";
  return CheckCaptionImage(described, ini, holds);
}

std::string CheckSkinDescription(const TSkinReader& package, TQuickIni& ini) {
  std::vector<uint8_t> text;
  std::string name;
  package.FindEntry(".ini", text, name);
  if (name.empty()) {
    ini.LoadFromText({});
    return "皮肤包中没有皮肤描述 (.ini 文件)";
  }
  const auto holds = [&package](std::string_view entry) {
    std::vector<uint8_t> bytes;
    package.GetEntry(entry, bytes);
    return !bytes.empty();
  };
  return CheckSkinDescription(name, text, holds, ini);
}
