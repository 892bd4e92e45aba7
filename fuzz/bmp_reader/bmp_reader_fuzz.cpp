// Bitmap files and packed bitmaps from untrusted bytes: never a crash or a
// read outside the input, and whatever is read writes back and reads again
// unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "toolkit/graphics/BmpFormat.h"

namespace {

void CheckRoundTrip(const TBmpImage& image) {
  if (image.Empty()) return;
  if (image.Bits.size() !=
      static_cast<std::size_t>(image.Stride()) * static_cast<std::size_t>(image.Height))
    std::abort();
  if (image.Width > kMaxBmpSide || image.Height > kMaxBmpSide) std::abort();
  const TBmpImage back = ReadBmpFile(WriteBmpFile(image));
  if (back.Width != image.Width || back.Height != image.Height ||
      back.BitsPerPixel != image.BitsPerPixel || back.Palette != image.Palette ||
      back.Bits != image.Bits)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckRoundTrip(ReadBmpFile(bytes));
  CheckRoundTrip(ReadPackedDib(bytes));
  return 0;
}
