// skingen: draws the Tapvane skin and the program's own pictures.
//   skingen skin DIR         the skin description (tapvane.ini) and its bitmaps
//   skingen bitmaps DIR      LUMBRAMENU.bmp, TRACK.bmp, TRACKVERT.bmp and the
//                            media player's glyphs (EN_MPPLAY.bmp, ...)
//   skingen gallery-glyphs DIR  GalleryCheck.bmp, GalleryStates.bmp: the
//                            gallery's button glyphs
//   skingen icon FILE        the 16 x 16 window icon (.ico)
//   skingen banner-base FILE the banner's background (.bmp), before its text
//   skingen mockup FILE      two sample windows drawn from the skin (.bmp)
//   skingen stream IN OUT    IN's bytes after their length (32-bit signed,
//                            little-endian): a stored stream property value
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/skingen/Description.h"
#include "tools/skingen/Elements.h"
#include "tools/skingen/GalleryArt.h"
#include "tools/skingen/Mockup.h"
#include "tools/skingen/PlayerGlyphArt.h"
#include "tools/skingen/ProgramArt.h"

namespace {

using skingen::Bytes;

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "skingen: cannot write %s\n", path.string().c_str());
  return static_cast<bool>(out);
}

bool WriteStream(const std::filesystem::path& in, const std::filesystem::path& out) {
  std::ifstream file(in, std::ios::binary);
  const Bytes body((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.is_open() || file.bad() || body.size() > 0x7FFFFFFF) {
    std::fprintf(stderr, "skingen: cannot read %s\n", in.string().c_str());
    return false;
  }
  Bytes stream;
  skingen::PutU32(stream, static_cast<std::uint32_t>(body.size()));
  stream.insert(stream.end(), body.begin(), body.end());
  return WriteFile(out, stream);
}

bool WriteSkin(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  const std::string ini = skingen::RenderIni(skingen::SkinDescription());
  bool ok = WriteFile(dir / "tapvane.ini", Bytes(ini.begin(), ini.end()));
  for (const skingen::SkinFile& file : skingen::AllSkinArt())
    ok = WriteFile(dir / file.name, skingen::EncodeBmp24(file.image)) && ok;
  return ok;
}

bool WriteProgramBitmaps(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  bool ok = WriteFile(dir / "LUMBRAMENU.bmp", skingen::MenuGlyphBitmap()) &&
            WriteFile(dir / "TRACK.bmp", skingen::TrackBitmap()) &&
            WriteFile(dir / "TRACKVERT.bmp", skingen::TrackVertBitmap());
  for (const skingen::PlayerGlyph& glyph : skingen::PlayerGlyphs())
    ok = WriteFile(dir / (glyph.name + ".bmp"), skingen::EncodeBmp24(glyph.image)) && ok;
  return ok;
}

bool WriteGalleryGlyphs(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  return WriteFile(dir / "GalleryCheck.bmp", skingen::GalleryCheckGlyph()) &&
         WriteFile(dir / "GalleryStates.bmp", skingen::GalleryStateGlyphs());
}

bool Run(const std::string& command, const std::filesystem::path& target) {
  if (command == "skin") return WriteSkin(target);
  if (command == "bitmaps") return WriteProgramBitmaps(target);
  if (command == "gallery-glyphs") return WriteGalleryGlyphs(target);
  if (command == "icon") return WriteFile(target, skingen::IconFile(skingen::IconImage()));
  if (command == "banner-base")
    return WriteFile(target, skingen::EncodeBmp24(skingen::BannerBackground()));
  if (command == "mockup") return WriteFile(target, skingen::EncodeBmp24(skingen::SkinMockup()));
  std::fprintf(stderr, "skingen: unknown command %s\n", command.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::string(argv[1]) == "stream") return WriteStream(argv[2], argv[3]) ? 0 : 1;
    if (argc != 3) {
      std::fprintf(stderr,
                   "usage: skingen skin|bitmaps|gallery-glyphs DIR  or  skingen "
                   "icon|banner-base|mockup FILE\n"
                   "       skingen stream IN OUT\n");
      return 2;
    }
    return Run(argv[1], argv[2]) ? 0 : 1;
  } catch (const std::exception& e) {  // folders that cannot be made, mainly
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
}
