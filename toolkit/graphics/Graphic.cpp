#include "toolkit/graphics/Graphic.h"

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGraphic>("TGraphic", &TPersistent::StaticClass()).Build();
  return info;
}

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}
