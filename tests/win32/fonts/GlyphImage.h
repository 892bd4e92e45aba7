// One character drawn black on white as grey levels: Wine's drawing and the
// same font file rasterised outside Wine, side by side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TGlyphImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> grey;  // row by row, 0 black .. 255 white

  bool Empty() const { return grey.empty(); }
  // 0 for paper .. 1 for full ink; outside the image is paper.
  double Ink(int x, int y) const;
};

// An 8-bit binary PGM (P5); empty when the file is missing or malformed.
TGlyphImage ReadPgm(const std::string& path);
bool WritePgm(const std::string& path, const TGlyphImage& image);

// ch drawn with font on a white square DIB, the pen at the left end of the
// baseline (penX, penY).
TGlyphImage DrawGlyph(HFONT font, wchar_t ch, int size, int penX, int penY);

// Rows of '#' (dark), '+' (part ink) and '.', for failure messages.
std::string AsText(const TGlyphImage& image);
