// The program's Chinese strings as Wine draws them with 宋体 at 9 pt, checked
// character by character against the same font file rasterised outside Wine
// (render-reference.sh): a face whose small sizes come out as other
// characters, or as half of one, fails here before it reaches a picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "GlyphComparison.h"
#include "GlyphImage.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

const std::string kReference = TAPVANE_GLYPH_REFERENCE;  // Windows path of the reference folder

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring Widen(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                      wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

std::string CodePointName(wchar_t ch) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(ch));
  return name;
}

int NinePointPixels() {
  TScreenDC screen;
  return MulDiv(9, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

// 宋体 at 9 pt, as the program's forms ask for it.
TFontHandle SongTi() {
  const int height = -NinePointPixels();
  return TFontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"\u5B8B\u4F53"));
}

// The bytes of the font file Wine picked for the font: the whole collection
// for a .ttc, the whole file otherwise.
std::string FontFileBytes(HFONT font) {
  TMemoryDC dc;
  TSelection select(dc.Get(), font);
  constexpr DWORD kCollectionTag = 0x66637474;  // "ttcf" as the bytes lie in the file
  DWORD table = kCollectionTag;
  DWORD size = GetFontData(dc.Get(), table, 0, nullptr, 0);
  if (size == GDI_ERROR) size = GetFontData(dc.Get(), table = 0, 0, nullptr, 0);
  if (size == GDI_ERROR) return {};
  std::string bytes(size, '\0');
  GetFontData(dc.Get(), table, 0, bytes.data(), size);
  return bytes;
}

TEST(SongTiGlyphs, WineDrawsFromTheReferenceFontFile) {
  std::string file = ReadFile(kReference + "/font-file.txt");
  while (!file.empty() && (file.back() == '\n' || file.back() == '\r')) file.pop_back();
  ASSERT_FALSE(file.empty()) << "no reference: render-reference.sh has not run";
  const std::string fileBytes = ReadFile("Z:" + file);
  ASSERT_FALSE(fileBytes.empty()) << file;
  const TFontHandle font = SongTi();
  EXPECT_TRUE(FontFileBytes(font.Get()) == fileBytes) << "Wine draws 宋体 from another file than " << file;
}

TEST(SongTiGlyphs, EveryCharacterOfTheProgramStringsIsWhole) {
  ASSERT_EQ(TAPVANE_GLYPH_PIXELS, NinePointPixels()) << "the reference is drawn for another resolution";
  const TFontHandle font = SongTi();
  std::ifstream strings(TAPVANE_GLYPH_STRINGS);
  ASSERT_TRUE(strings.good());
  std::set<wchar_t> compared;
  for (std::string line; std::getline(strings, line);) {
    for (const wchar_t ch : Widen(line)) {
      if (ch < 0x80 || !compared.insert(ch).second) continue;  // Chinese characters only
      const std::string name = CodePointName(ch);
      SCOPED_TRACE(line + ", " + name);
      const TGlyphImage reference = ReadPgm(kReference + "/" + name + ".pgm");
      ASSERT_FALSE(reference.Empty());
      const TGlyphImage drawn =
          DrawGlyph(font.Get(), ch, reference.width, TAPVANE_GLYPH_PEN_X, TAPVANE_GLYPH_PEN_Y);
      const TGlyphVerdict verdict = CompareGlyphs(drawn, reference);
      if (verdict.alike) continue;
      WritePgm(kReference + "/" + name + ".wine.pgm", drawn);
      ADD_FAILURE() << verdict.why << "\nWine:\n" << AsText(drawn) << "outside Wine:\n" << AsText(reference);
    }
  }
  EXPECT_GE(compared.size(), 20u);
}

}  // namespace
