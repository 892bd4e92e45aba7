#include "toolkit/graphics/JPEGImage.h"

#include <jpeglib.h>

#include <cstdio>

#include "toolkit/core/ClassBuilder.h"

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return.
// We jump back out of the decoder with GCC's builtin setjmp: it restores
// registers only and needs no unwind information from the C library's frames.
struct TJpegError {
  jpeg_error_mgr Manager;
  void* Jump[5];
};

void ErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  __builtin_longjmp(error->Jump, 1);
}

void Silent(j_common_ptr) {}

// Decodes into the bitmap; false on any error or warning (corrupt data is
// refused rather than shown half grey). Only plain data lives in this frame
// across the jump.
bool Decode(std::span<const std::uint8_t> bytes, TBitmap& bitmap, std::vector<std::uint8_t>& row) {
  jpeg_decompress_struct info{};
  TJpegError error{};
  info.err = jpeg_std_error(&error.Manager);
  error.Manager.error_exit = ErrorExit;
  error.Manager.output_message = Silent;
  if (__builtin_setjmp(error.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const std::int64_t width = info.output_width, height = info.output_height;
  if (info.output_components != 3 || width < 1 || height < 1 || width > kMaxBmpSide ||
      height > kMaxBmpSide || width * height > kMaxBmpPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
  row.resize(static_cast<std::size_t>(width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    auto* out = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
    if (!out) break;
    for (std::int64_t x = 0; x < width; ++x) {  // RGB to the DIB's BGR
      out[3 * x] = row[3 * x + 2];
      out[3 * x + 1] = row[3 * x + 1];
      out[3 * x + 2] = row[3 * x];
    }
  }
  const bool complete = info.output_scanline == info.output_height;
  if (complete) jpeg_finish_decompress(&info);
  const bool clean = complete && error.Manager.num_warnings == 0;
  jpeg_destroy_decompress(&info);
  return clean;
}

}  // namespace

const TClassInfo& TJPEGImage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TJPEGImage>("TJPEGImage", &TGraphic::StaticClass()).Build();
  return info;
}

bool TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  bitmap_.Clear();
  data_.clear();
  std::vector<std::uint8_t> row;
  if (bytes.empty() || !Decode(bytes, bitmap_, row)) {
    bitmap_.Clear();
    Changed();
    return false;
  }
  data_.assign(bytes.begin(), bytes.end());
  Changed();
  return true;
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  LoadFromBytes(ReadRemaining(stream, 64 * 1024 * 1024));
}

void TJPEGImage::SaveToStream(TStream& stream) {
  if (!data_.empty()) stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TJPEGImage::Draw(TCanvas& canvas, const RECT& rect) { bitmap_.Draw(canvas, rect); }

void TJPEGImage::Assign(const TPersistent* Source) {
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
    if (jpeg != this) LoadFromBytes(jpeg->data_);
    return;
  }
  TGraphic::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) const {
  if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
    bitmap->Assign(&bitmap_);
    return;
  }
  TGraphic::AssignTo(Dest);
}
