#include "toolkit/graphics/Graphic.h"

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphic>("TGraphic", &TPersistent::StaticClass()).Build();
  return info;
}

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

std::vector<std::uint8_t> ReadRemaining(TStream& stream, std::int64_t maxBytes) {
  std::vector<std::uint8_t> bytes;
  const std::int64_t size = stream.Remaining();
  if (size <= 0 || size > maxBytes) return bytes;
  bytes.resize(static_cast<std::size_t>(size));
  const std::int64_t got = stream.Read(bytes.data(), size);
  bytes.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return bytes;
}
