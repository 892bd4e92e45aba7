#include "toolkit/graphics/Icon.h"

#include <cstdlib>

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Filer.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ScopedHandles.h"

const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo info = TClassBuilder<TIcon>("TIcon", &TGraphic::StaticClass()).Build();
  return info;
}

TIcon::~TIcon() {
  if (icon_) DestroyIcon(icon_);
}

void TIcon::Adopt(HICON icon) {
  if (icon_ && icon_ != icon) DestroyIcon(icon_);
  icon_ = icon;
  width_ = height_ = 0;
  ICONINFO info{};
  if (icon_ && GetIconInfo(icon_, &info)) {
    // GetIconInfo hands over copies of both bitmaps.
    const TBitmapHandle color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    // Without a colour bitmap the mask holds both halves, one above the other.
    HBITMAP measured = info.hbmColor ? info.hbmColor : info.hbmMask;
    if (GetObjectW(measured, sizeof bm, &bm)) {
      width_ = bm.bmWidth;
      height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    }
  }
  Changed();
}

void TIcon::SetHandle(HICON icon) {
  data_.clear();
  Adopt(icon);
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const String& name) {
  const WideString wide = Utf8ToWide(name);
  data_.clear();
  Adopt(static_cast<HICON>(LoadImageW(instance, reinterpret_cast<const wchar_t*>(wide.c_str()),
                                      IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                      GetSystemMetrics(SM_CYICON), 0)));
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id) {
  data_.clear();
  Adopt(
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
}

void TIcon::LoadFromStream(TStream& stream) {
  std::vector<std::uint8_t> bytes = ReadRemaining(stream, 16 * 1024 * 1024);
  const auto le16 = [&](std::size_t at) {
    return static_cast<unsigned>(bytes[at] | (bytes[at + 1] << 8));
  };
  const auto le32 = [&](std::size_t at) {
    return static_cast<std::size_t>(le16(at)) | (static_cast<std::size_t>(le16(at + 2)) << 16);
  };
  HICON icon = nullptr;
  // ICONDIR: reserved 0, type 1, count; then 16-byte entries. The entry
  // nearest the system's icon width wins.
  if (bytes.size() >= 6 && le16(0) == 0 && le16(2) == 1) {
    const std::size_t count = le16(4);
    const int wanted = GetSystemMetrics(SM_CXICON);
    std::size_t best = count;
    int bestDistance = 0;
    for (std::size_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
      const std::size_t at = 6 + 16 * i;
      const std::size_t length = le32(at + 8), offset = le32(at + 12);
      if (length == 0 || offset > bytes.size() || length > bytes.size() - offset) continue;
      const int width = bytes[at] == 0 ? 256 : bytes[at];
      const int distance = std::abs(width - wanted);
      if (best == count || distance < bestDistance) {
        best = i;
        bestDistance = distance;
      }
    }
    if (best < count) {
      const std::size_t at = 6 + 16 * best;
      icon =
          CreateIconFromResourceEx(bytes.data() + le32(at + 12), static_cast<DWORD>(le32(at + 8)),
                                   TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    }
  }
  data_ = icon ? std::move(bytes) : std::vector<std::uint8_t>{};
  Adopt(icon);
}

void TIcon::SaveToStream(TStream& stream) {
  if (!data_.empty()) stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect) {
  HDC dc = canvas.Handle();
  if (dc && icon_)
    DrawIconEx(dc, rect.left, rect.top, icon_, rect.right - rect.left, rect.bottom - rect.top, 0,
               nullptr, DI_NORMAL);
}

void TIcon::Assign(const TPersistent* Source) {
  if (const auto* icon = dynamic_cast<const TIcon*>(Source)) {
    if (icon == this) return;
    std::vector<std::uint8_t> data = icon->data_;
    Adopt(icon->icon_ ? CopyIcon(icon->icon_) : nullptr);
    data_ = std::move(data);
    return;
  }
  TGraphic::Assign(Source);
}

void TIcon::DefineProperties(TFiler& Filer) {
  TGraphic::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { LoadFromStream(stream); },
      [this](TStream& stream) { SaveToStream(stream); }, !data_.empty());
}
