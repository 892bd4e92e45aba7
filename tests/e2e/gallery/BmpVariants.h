// Re-encodings of a 24-bit bottom-up BMP file, for packages that carry the
// formats other skin authors use. Bytes in, bytes out; empty on input that
// is not a plain 24-bit bitmap or has more colours than a palette holds.
#pragma once

#include <string>

std::string BmpAs32Bit(const std::string& bmp24);
std::string BmpAs8Bit(const std::string& bmp24, bool runLengthEncoded);
// A header that announces JPEG-compressed pixels: a bitmap no reader here
// takes, with the original's size.
std::string BmpAsJpegClaim(const std::string& bmp24);
// The same bitmap with every pixel of one colour.
std::string BmpFilled(const std::string& bmp24, unsigned long rgb);
