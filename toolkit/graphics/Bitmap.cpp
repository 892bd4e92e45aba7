#include "toolkit/graphics/Bitmap.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Filer.h"
#include "toolkit/graphics/BitmapPixels.h"

// The canvas of a bitmap: a memory DC made on demand with the DIB section
// selected, and given up whenever the handle is wanted elsewhere.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& owner) : owner_(owner) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!dc_) return;
    SetHandle(nullptr);
    SelectObject(dc_->Get(), oldBitmap_);
    dc_.reset();
  }

 protected:
  void CreateHandle() override {
    dc_ = std::make_unique<TMemoryDC>();
    oldBitmap_ = owner_.handle_ ? SelectObject(dc_->Get(), owner_.handle_.Get()) : nullptr;
    SetStretchBltMode(dc_->Get(), COLORONCOLOR);
    SetHandle(dc_->Get());
  }

 private:
  TBitmap& owner_;
  std::unique_ptr<TMemoryDC> dc_;
  HGDIOBJ oldBitmap_ = nullptr;
};

namespace {

struct TDibInfo {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

int FormatBits(TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf15bit:
    case pf16bit:
      return 16;
    case pf24bit:
      return 24;
    default:
      return 32;
  }
}

RGBQUAD Quad(int r, int g, int b) {
  return RGBQUAD{static_cast<BYTE>(b), static_cast<BYTE>(g), static_cast<BYTE>(r), 0};
}

// Palettes for bitmaps converted to a palette format: black and white, the
// sixteen standard colours, and a colour cube with a grey ramp.
std::vector<RGBQUAD> DefaultPalette(int bits) {
  std::vector<RGBQUAD> palette;
  if (bits == 1) {
    palette = {Quad(0, 0, 0), Quad(255, 255, 255)};
  } else if (bits == 4) {
    static constexpr int kVga[16][3] = {
        {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
        {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    for (const auto& c : kVga) palette.push_back(Quad(c[0], c[1], c[2]));
  } else if (bits == 8) {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) palette.push_back(Quad(r * 51, g * 51, b * 51));
    for (int i = 0; i < 40; ++i) palette.push_back(Quad(i * 255 / 39, i * 255 / 39, i * 255 / 39));
  }
  return palette;
}

}  // namespace

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBitmap>("TBitmap", &TGraphic::StaticClass()).Build();
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) {
  Create(width, height, format, nullptr, 0);
}

TBitmap::~TBitmap() { FreeContext(); }

int TBitmap::BitsPerPixel() const { return FormatBits(format_); }

void TBitmap::FreeContext() {
  if (canvas_) canvas_->FreeContext();
}

void TBitmap::Create(int width, int height, TPixelFormat format, const RGBQUAD* palette,
                     int paletteSize) {
  FreeContext();
  mask_.Reset();
  handle_.Reset();
  bits_ = nullptr;
  palette_.clear();
  width_ = height_ = 0;
  format_ = format;
  if (width <= 0 || height <= 0) return;
  TDibInfo info{};
  info.Header.biSize = sizeof(BITMAPINFOHEADER);
  info.Header.biWidth = width;
  info.Header.biHeight = height;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(FormatBits(format));
  info.Header.biCompression = BI_RGB;
  if (format == pf16bit) {
    info.Header.biCompression = BI_BITFIELDS;
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(info.Colors, masks, sizeof masks);
  } else if (info.Header.biBitCount <= 8) {
    std::vector<RGBQUAD> colours = DefaultPalette(info.Header.biBitCount);
    if (palette && paletteSize > 0) colours.assign(palette, palette + paletteSize);
    colours.resize(std::size_t{1} << info.Header.biBitCount, RGBQUAD{});
    std::copy(colours.begin(), colours.end(), info.Colors);
    info.Header.biClrUsed = static_cast<DWORD>(colours.size());
  }
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                 &bits, nullptr, 0);
  if (!dib) return;
  handle_.Reset(dib);
  bits_ = bits;
  if (info.Header.biBitCount <= 8)
    palette_.assign(info.Colors, info.Colors + (std::size_t{1} << info.Header.biBitCount));
  width_ = width;
  height_ = height;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  TBitmap old;
  old.Assign(this);
  Create(width, height, format_, old.palette_.data(), static_cast<int>(old.palette_.size()));
  if (!old.Empty() && !Empty()) CopyPixels(*this, 0, 0, old, RECT{0, 0, old.width_, old.height_});
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format < pfDevice || format > pf32bit) format = pfDevice;
  if (format == format_) return;
  if (Empty()) {
    format_ = format;
    return;
  }
  TBitmap old;
  old.Assign(this);
  Create(old.width_, old.height_, format, nullptr, 0);
  if (!Empty()) CopyPixels(*this, 0, 0, old, RECT{0, 0, width_, height_});
  Changed();
}

HBITMAP TBitmap::Handle() {
  FreeContext();
  return handle_.Get();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
  return *canvas_;
}

HDC TBitmap::SourceDC() { return Canvas().Handle(); }

HDC TBitmap::PixelDC() { return Empty() ? nullptr : Canvas().BareHandle(); }

void* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return static_cast<std::uint8_t*>(bits_) + static_cast<std::size_t>(Stride()) * (height_ - 1 - y);
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clDefault;
  return ReadPixel(*this, 0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  transparentMode_ = mode;
  Changed();
}

std::vector<std::uint32_t> TBitmap::RgbPixels() {
  std::vector<std::uint32_t> pixels;
  if (Empty()) return pixels;
  TBitmap copy(width_, height_, pf32bit);
  if (copy.Empty()) return pixels;
  CopyPixels(copy, 0, 0, *this, RECT{0, 0, width_, height_});
  pixels.resize(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y)
    std::memcpy(&pixels[static_cast<std::size_t>(y) * width_], copy.ScanLine(y),
                static_cast<std::size_t>(width_) * 4);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint8_t> TBitmap::MaskBits(TColor color, int rowBytes) {
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(rowBytes) * height_, 0);
  const std::vector<std::uint32_t> pixels = RgbPixels();
  if (pixels.empty()) return bits;
  const TColor rgb = ColorToRGB(color);
  // Pixels are 0x00RRGGBB (BGRA in memory); colours are 0x00BBGGRR.
  const std::uint32_t key =
      static_cast<std::uint32_t>(ColorBlue(rgb) | (ColorGreen(rgb) << 8) | (ColorRed(rgb) << 16));
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (pixels[static_cast<std::size_t>(y) * width_ + x] == key)
        bits[static_cast<std::size_t>(y) * rowBytes + x / 8] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  }
  return bits;
}

HBITMAP TBitmap::MaskHandle() {
  mask_.Reset();
  if (Empty()) return nullptr;
  // A monochrome bitmap: rows of whole 16-bit words, 1 = white.
  const int rowBytes = ((width_ + 15) / 16) * 2;
  const std::vector<std::uint8_t> bits = MaskBits(TransparentColor(), rowBytes);
  mask_.Reset(CreateBitmap(width_, height_, 1, 1, bits.data()));
  return mask_.Get();
}

void TBitmap::Mask(TColor transparentColor) {
  if (Empty()) return;
  const int rowBytes = TBmpImage::StrideOf(width_, 1);
  const std::vector<std::uint8_t> bits = MaskBits(transparentColor, rowBytes);
  const int width = width_, height = height_;
  Create(width, height, pf1bit, nullptr, 0);
  if (Empty()) return;
  // The DIB holds its rows bottom-up.
  for (int y = 0; y < height; ++y)
    std::memcpy(ScanLine(y), bits.data() + static_cast<std::size_t>(y) * rowBytes,
                static_cast<std::size_t>(rowBytes));
  Changed();
}

bool TBitmap::LoadFromBmpImage(const TBmpImage& image) {
  TPixelFormat format = pfDevice;
  switch (image.BitsPerPixel) {
    case 1:
      format = pf1bit;
      break;
    case 4:
      format = pf4bit;
      break;
    case 8:
      format = pf8bit;
      break;
    case 24:
      format = pf24bit;
      break;
    case 32:
      format = pf32bit;
      break;
    default:
      Clear();
      return false;
  }
  const std::size_t expected =
      static_cast<std::size_t>(TBmpImage::StrideOf(image.Width, image.BitsPerPixel)) *
      static_cast<std::size_t>(std::max(image.Height, 0));
  if (image.Empty() || image.Bits.size() != expected) {
    Clear();
    return false;
  }
  std::vector<RGBQUAD> palette(image.Palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i)
    std::memcpy(&palette[i], &image.Palette[i], sizeof(RGBQUAD));
  Create(image.Width, image.Height, format, palette.data(), static_cast<int>(palette.size()));
  if (Empty()) return false;
  GdiFlush();
  std::memcpy(bits_, image.Bits.data(), expected);
  Changed();
  return true;
}

TBmpImage TBitmap::ToBmpImage() {
  TBmpImage image;
  if (Empty()) return image;
  if (format_ == pf15bit || format_ == pf16bit) {
    TBitmap wide;
    wide.Assign(this);
    wide.SetPixelFormat(pf24bit);
    return wide.ToBmpImage();
  }
  image.Width = width_;
  image.Height = height_;
  image.BitsPerPixel = BitsPerPixel();
  if (image.BitsPerPixel <= 8) {
    image.Palette.assign(std::size_t{1} << image.BitsPerPixel, 0);
    for (std::size_t i = 0; i < image.Palette.size() && i < palette_.size(); ++i)
      std::memcpy(&image.Palette[i], &palette_[i], sizeof(RGBQUAD));
  }
  GdiFlush();
  const auto* bits = static_cast<const std::uint8_t*>(bits_);
  image.Bits.assign(bits, bits + static_cast<std::size_t>(Stride()) * height_);
  return image;
}

void TBitmap::LoadFromStream(TStream& stream) {
  // Files beyond the reader's own pixel limit are refused before reading.
  LoadFromBmpImage(ReadBmpFile(ReadRemaining(stream, kMaxBmpPixels * 4 + 64 * 1024)));
}

void TBitmap::SaveToStream(TStream& stream) {
  const std::vector<std::uint8_t> bytes = WriteBmpFile(ToBmpImage());
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const String& name) {
  const WideString wide = Utf8ToWide(name);
  HRSRC resource =
      FindResourceW(instance, reinterpret_cast<const wchar_t*>(wide.c_str()), MAKEINTRESOURCEW(2));
  HGLOBAL data = resource ? LoadResource(instance, resource) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) {
    Clear();
    return;
  }
  LoadFromBmpImage(
      ReadPackedDib({static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, resource)}));
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadFromResourceName(instance, "#" + std::to_string(id));
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) {
  if (Empty() || &canvas == canvas_.get()) return;
  HDC dc = canvas.Handle();
  HDC source = SourceDC();
  if (!dc || !source) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (Transparent()) {
    TransparentBlt(dc, rect.left, rect.top, w, h, source, 0, 0, width_, height_,
                   static_cast<UINT>(ColorToRGB(TransparentColor())));
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, w, h, source, 0, 0, width_, height_, canvas.CopyMode);
  }
}

void TBitmap::DefineProperties(TFiler& Filer) {
  TGraphic::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { LoadFromStream(stream); },
      [this](TStream& stream) { SaveToStream(stream); }, !Empty());
}

void TBitmap::Assign(const TPersistent* Source) {
  if (Source == this) return;
  if (Source == nullptr) {
    Clear();
    return;
  }
  if (const auto* constSource = dynamic_cast<const TBitmap*>(Source)) {
    const TBitmap& source = *constSource;
    Create(source.width_, source.height_, source.format_, source.palette_.data(),
           static_cast<int>(source.palette_.size()));
    if (!Empty()) {
      GdiFlush();
      std::memcpy(bits_, source.bits_, static_cast<std::size_t>(Stride()) * height_);
    }
    transparentColor_ = source.transparentColor_;
    transparentMode_ = source.transparentMode_;
    SetTransparent(source.Transparent());
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::Clear() {
  if (Empty() && !handle_) return;
  Create(0, 0, format_, nullptr, 0);
  Changed();
}
